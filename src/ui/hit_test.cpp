#include "ui/hit_test.h"

namespace kelvara::ui {
namespace {

bool Contains(const Rect& r, float x, float y) {
  return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
}

}  // namespace

const Control* ControlAt(const Form& form, float x, float y) {
  const auto& controls = form.controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    if (form.Shown(*it) && Contains(form.WindowRect(*it), x, y)) return &*it;
  }
  return nullptr;
}

void ClickAt(Form& form, float x, float y) {
  const Control* hit = ControlAt(form, x, y);
  if (hit != nullptr) form.Press(hit->name);
}

}  // namespace kelvara::ui
