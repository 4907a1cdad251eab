#pragma once

#include <vector>

#include "ui/controls.h"
#include "ui/form.h"

namespace kelvara {

inline constexpr ui::Colour kGrey = 12632256;           // captions and bars at design
inline constexpr ui::Colour kStartColourKey = 3347759;  // background until a key is chosen
inline constexpr const char* kClockFont = ui::kGothicFont;

// The main window `frmDTMn` as designed: every control with its design values,
// bottom of the stacking order first.
ui::FormWindow MainWindowFrame();
std::vector<ui::Control> MainWindowDesign();

}  // namespace kelvara
