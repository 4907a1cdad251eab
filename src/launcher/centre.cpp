#include "launcher/centre.h"

namespace kelvara {

void CentreOnScreen(ui::Form& form, const platform::ScreenSize& screen) {
  const ui::Rect& r = form.window().rect;
  form.SetWindowTop(static_cast<float>(double{screen.height} / 2 - double{r.height} / 2));
  form.SetWindowLeft(static_cast<float>(double{screen.width} / 2 - double{r.width} / 2));
}

}  // namespace kelvara
