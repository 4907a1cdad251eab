#pragma once

#include <vector>

#include "ui/form.h"

namespace kelvara {

inline constexpr const char* kProjectAddress = "https://github.com/kelvara/kelvara";

// The version dialog `frmVInfo` as designed: its outer size, and its controls
// bottom of the stacking order first.
ui::FormWindow VersionDialogFrame();
std::vector<ui::Control> VersionDialogDesign();

}  // namespace kelvara
