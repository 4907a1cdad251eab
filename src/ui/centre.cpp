#include "ui/centre.h"

#include <algorithm>

namespace kelvara::ui {

namespace {

float Centred(float screen, float outer) {
  return static_cast<float>(double{screen} / 2 - double{outer} / 2);
}

}  // namespace

void CentreOnScreen(Form& form, float screen_width, float screen_height) {
  const FormWindow& w = form.window();
  form.SetWindowTop(Centred(screen_height, w.OuterHeight()));
  form.SetWindowLeft(Centred(screen_width, w.OuterWidth()));
}

float Within(float position, float size, float start, float length) {
  return std::max(start, std::min(position, start + length - size));
}

}  // namespace kelvara::ui
