#pragma once

#include "canvas.h"

// The product's own mark: a crescent moon holding a small clock, on a night tile.
namespace kelvara::resgen {

inline constexpr int kLogoSize = 60;

// The window and tray icon, transparent round the tile.
Canvas DrawProgramIcon(int size);
// The version dialog's logo, the tile's corners in the dialog's own colour.
Canvas DrawLogo();

}  // namespace kelvara::resgen
