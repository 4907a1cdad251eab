#pragma once

#include <vector>

#include "ui/form.h"
#include "ui/menu.h"

namespace kelvara {

// The hidden menu form `frmDTMnMenu`: its window, its two hidden controls and
// its menu tree, every item visible as stored.
ui::FormWindow MenuFormFrame();
std::vector<ui::Control> MenuFormDesign();
ui::MenuItem MenuTree();

}  // namespace kelvara
