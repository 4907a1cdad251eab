#pragma once

#include <vector>

#include "platform/shell.h"
#include "ui/form.h"

namespace kelvara {

// What one picture button of the launcher opens.
struct LauncherStart {
  const char* button;
  const char* file;
  const char* directory;
  int show;
};

// The launcher `frmLnchr` as designed, its outer size as the load step sets
// it; controls bottom of the stacking order first.
ui::FormWindow LauncherFrame();
std::vector<ui::Control> LauncherDesign();
// The fourteen buttons' starts, in button order.
const std::vector<LauncherStart>& LauncherStarts();

}  // namespace kelvara
