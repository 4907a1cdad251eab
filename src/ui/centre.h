#pragma once

#include "ui/form.h"

namespace kelvara::ui {

// Puts the window in the middle of a screen of that size by its outer size
// (a client-sized window's with the frame its host measured), top first, then
// left, in twips.
void CentreOnScreen(Form& form, float screen_width, float screen_height);

// Where a window of that outer size starts along one axis to sit in the
// middle of [start, start + length].
float Centred(float start, float length, float outer);

// A place along one axis inside [start, start + length] as far as the size
// allows; a window larger than that keeps its near edge on it.
float Within(float position, float size, float start, float length);

}  // namespace kelvara::ui
