#include "ui/centre.h"

#include <algorithm>

namespace kelvara::ui {

float Centred(float start, float length, float outer) {
  return static_cast<float>(double{start} + double{length} / 2 - double{outer} / 2);
}

void CentreOnScreen(Form& form, float screen_width, float screen_height) {
  const FormWindow& w = form.window();
  form.SetWindowTop(Centred(0, screen_height, w.OuterHeight()));
  form.SetWindowLeft(Centred(0, screen_width, w.OuterWidth()));
}

float Within(float position, float size, float start, float length) {
  return std::max(start, std::min(position, start + length - size));
}

}  // namespace kelvara::ui
