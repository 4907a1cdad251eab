// What the user can change: text, check marks, a drop-down's choice, and the
// events that follow.
#include "ui/form.h"

#include <utility>

namespace kelvara::ui {
namespace {

bool TakesTyping(ControlKind kind) {
  return kind == ControlKind::kTextField || kind == ControlKind::kComboBox;
}

// The chosen item must be what the caption says, or nothing is chosen.
void KeepChoiceTrue(Control& c) {
  if (c.selected < 0) return;
  const auto index = static_cast<std::size_t>(c.selected);
  if (index >= c.items.size() || c.items[index] != c.caption) c.selected = -1;
}

}  // namespace

void Form::SetCaption(Control& c, std::string_view text) {
  if (c.caption == text) return;
  c.caption.assign(text);  // keeps its capacity: no allocation once a caption has grown
  KeepChoiceTrue(c);
  Notify(c, c.rect);
  if (TakesTyping(c.kind) && c.on_change) c.on_change();
}

void Form::SetItems(Control& c, std::vector<std::string> items) {
  if (c.items == items) return;
  c.items = std::move(items);
  KeepChoiceTrue(c);
  Notify(c, c.rect);
}

void Form::SetSelected(Control& c, int index) {
  if (index < -1 || index >= static_cast<int>(c.items.size())) return;
  const bool same_text = index < 0 || c.caption == c.items[static_cast<std::size_t>(index)];
  if (index == c.selected && same_text) return;
  c.selected = index;
  if (!same_text) c.caption = c.items[static_cast<std::size_t>(index)];
  Notify(c, c.rect);
  if (index >= 0 && c.on_select) c.on_select();
}

void Form::Click(Control& c) {
  if (!Shown(c) || !Usable(c)) return;
  if (c.kind == ControlKind::kCheckBox) {
    SetChecked(c, !c.checked);
    return;
  }
  if (c.on_click) c.on_click();
}

void Form::Focus(const Control& c) {
  if (observer_ != nullptr) observer_->FocusRequested(*this, c);
}

bool Form::Accepts(const Control& c, char32_t typed) const {
  if (!TakesTyping(c.kind) || c.locked || !Usable(c)) return false;
  return !c.key_filter || c.key_filter(typed);
}

}  // namespace kelvara::ui
