#include "ui/hit_test.h"

namespace kelvara::ui {
namespace {

std::optional<std::size_t> TargetInTwips(const Form& form, float x, float y) {
  return MouseTarget(form, [&](const Rect& r) {
    return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
  });
}

}  // namespace

bool TakesMouse(const Form& form, const Control& c) {
  if (c.kind != ControlKind::kLabel && c.kind != ControlKind::kPicture) return false;
  return form.Shown(c) && form.Usable(c);
}

const Control* ControlAt(const Form& form, float x, float y) {
  const std::optional<std::size_t> hit = TargetInTwips(form, x, y);
  return hit ? &form.controls()[*hit] : nullptr;
}

void ClickAt(Form& form, float x, float y) {
  if (const std::optional<std::size_t> hit = TargetInTwips(form, x, y)) form.Click(form.at(*hit));
}

}  // namespace kelvara::ui
