#pragma once

#include "platform/system_info.h"
#include "ui/form.h"

namespace kelvara {

// Puts the window in the middle of the screen by its outer size, top first,
// then left, in twips.
void CentreOnScreen(ui::Form& form, const platform::ScreenSize& screen);

}  // namespace kelvara
