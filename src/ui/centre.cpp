#include "ui/centre.h"

namespace kelvara::ui {

void CentreOnScreen(Form& form, float screen_width, float screen_height) {
  const Rect& r = form.window().rect;
  form.SetWindowTop(static_cast<float>(double{screen_height} / 2 - double{r.height} / 2));
  form.SetWindowLeft(static_cast<float>(double{screen_width} / 2 - double{r.width} / 2));
}

}  // namespace kelvara::ui
