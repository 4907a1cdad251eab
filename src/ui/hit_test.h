#pragma once

#include "ui/form.h"

namespace kelvara::ui {

// The topmost shown control under a point of the form's client area, in
// twips, or none. Edges count as Windows counts them: the left and top edges
// inside, the right and bottom edges outside. Lines have no area and take no
// clicks.
const Control* ControlAt(const Form& form, float x, float y);

// A click on the form's painted surface: the control under the point gets it,
// and acts only when it has a click handler.
void ClickAt(Form& form, float x, float y);

}  // namespace kelvara::ui
