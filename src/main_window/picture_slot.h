#pragma once

// A picture control as a slot that owns what it shows: every window that
// shows the user's pictures loads, swaps and lets go of them this way.

#include <string_view>

#include "platform/pictures.h"
#include "ui/form.h"

namespace kelvara {

// Shows `picture` in the control and releases the one it held, once nothing
// shows that one any more.
void SwapPicture(ui::Form& form, platform::Pictures& pictures, ui::Control& control,
                 ui::PictureId picture);

// Loads `path` into the picture control, releasing the one it held. False,
// with the control untouched, when the file cannot be read.
bool LoadPictureInto(ui::Form& form, platform::Pictures& pictures, ui::Control& control,
                     std::string_view path);

// Empties the control and releases what it showed.
void ClearPicture(ui::Form& form, platform::Pictures& pictures, ui::Control& control);

}  // namespace kelvara
