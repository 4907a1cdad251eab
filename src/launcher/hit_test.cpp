#include "launcher/hit_test.h"

namespace kelvara {
namespace {

bool Contains(const ui::Rect& r, float x, float y) {
  return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
}

}  // namespace

const ui::Control* ControlAt(const ui::Form& form, float x, float y) {
  const auto& controls = form.controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    if (it->visible && Contains(it->rect, x, y)) return &*it;
  }
  return nullptr;
}

void ClickAt(ui::Form& form, float x, float y) {
  const ui::Control* hit = ControlAt(form, x, y);
  if (hit != nullptr) form.Press(hit->name);
}

}  // namespace kelvara
