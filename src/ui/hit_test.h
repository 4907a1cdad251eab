#pragma once

#include <cstddef>
#include <optional>

#include "ui/form.h"

namespace kelvara::ui {

// Whether a control takes the mouse: a shown, usable label or picture.
// Shapes, lines and frames are decoration, and the system's own controls
// take their clicks themselves.
bool TakesMouse(const Form& form, const Control& c);

// The index of the topmost control that takes the mouse and whose area holds
// the point; `holds(rect)` says so for a control's window rectangle in the
// caller's measure (the host's rounded pixels, or twips).
template <typename Holds>
std::optional<std::size_t> MouseTarget(const Form& form, Holds holds) {
  const auto& controls = form.controls();
  for (std::size_t i = controls.size(); i-- > 0;) {
    const Control& c = controls[i];
    if (TakesMouse(form, c) && holds(form.WindowRect(c))) return i;
  }
  return std::nullopt;
}

// The control under a point of the form's client area, in twips, or none.
// Edges count as Windows counts them: the left and top edges inside, the
// right and bottom edges outside.
const Control* ControlAt(const Form& form, float x, float y);

// A click on the form's painted surface, as the user makes it: the control
// under the point gets it.
void ClickAt(Form& form, float x, float y);

}  // namespace kelvara::ui
