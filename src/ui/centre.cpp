#include "ui/centre.h"

namespace kelvara::ui {

void CentreOnScreen(Form& form, float screen_width, float screen_height) {
  const FormWindow& w = form.window();
  form.SetWindowTop(static_cast<float>(double{screen_height} / 2 - double{w.OuterHeight()} / 2));
  form.SetWindowLeft(static_cast<float>(double{screen_width} / 2 - double{w.OuterWidth()} / 2));
}

}  // namespace kelvara::ui
