#pragma once

#include <vector>

#include "canvas.h"

namespace kelvara::resgen {

class Painter;

// One picture button of the launcher palette: the file it is written to (in
// the launcher folder) and its pictogram on a 96-unit grid.
struct LauncherIcon {
  const char* file;
  void (*paint)(Painter&);
};

// The fourteen buttons, in the palette's order.
const std::vector<LauncherIcon>& LauncherIcons();

Canvas DrawLauncherIcon(const LauncherIcon& icon, int size);

}  // namespace kelvara::resgen
