#pragma once

#include "canvas.h"

// Small icons of the programs' windows and controls.
namespace kelvara::resgen {

Canvas DrawStartIcon(int size);
Canvas DrawGripIcon(int size);
Canvas DrawLauncherWindowIcon(int size);

}  // namespace kelvara::resgen
