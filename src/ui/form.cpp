#include "ui/form.h"

#include <stdexcept>
#include <utility>

namespace kelvara::ui {

Form::Form(std::string name, FormWindow design, std::vector<Control> controls)
    : name_(std::move(name)), controls_(std::move(controls)), window_(std::move(design)) {
  ResolveContainers();
  // A design naming an item it does not list chooses nothing; one it lists
  // shows that item's text.
  for (Control& c : controls_) {
    if (c.selected < -1 || c.selected >= static_cast<int>(c.items.size())) c.selected = -1;
    if (c.selected >= 0) c.caption = c.items[static_cast<std::size_t>(c.selected)];
  }
}

const Control* Form::Find(std::string_view name) const {
  for (const Control& c : controls_) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

const Control& Form::operator[](std::string_view name) const {
  const Control* found = Find(name);
  if (found == nullptr) throw std::out_of_range(name_ + " has no control " + std::string(name));
  return *found;
}

Control& Form::operator[](std::string_view name) {
  return const_cast<Control&>(std::as_const(*this)[name]);
}

template <typename T>
bool Form::Change(Control& c, T Control::*member, const T& value) {
  if (c.*member == value) return false;
  const Rect before = c.rect;
  c.*member = value;
  Notify(c, before);
  return true;
}

void Form::Notify(const Control& c, const Rect& before) {
  if (observer_ != nullptr) observer_->ControlChanged(*this, c, before);
}

void Form::NotifyWindow() {
  if (observer_ != nullptr) observer_->FormChanged(*this);
}

void Form::SetLeft(Control& c, float left) {
  Rect r = c.rect;
  r.left = left;
  Change(c, &Control::rect, r);
}

void Form::SetTop(Control& c, float top) {
  Rect r = c.rect;
  r.top = top;
  Change(c, &Control::rect, r);
}

void Form::SetWidth(Control& c, float width) {
  Rect r = c.rect;
  r.width = width;
  Change(c, &Control::rect, r);
}

void Form::SetHeight(Control& c, float height) {
  Rect r = c.rect;
  r.height = height;
  Change(c, &Control::rect, r);
}

void Form::SetLine(Control& c, float x1, float y1, float x2, float y2) {
  if (c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2) return;
  c.x1 = x1, c.y1 = y1, c.x2 = x2, c.y2 = y2;
  Notify(c, c.rect);
}

void Form::SetFore(Control& c, Colour colour) { Change(c, &Control::fore, colour); }
void Form::SetBack(Control& c, Colour colour) { Change(c, &Control::back, colour); }
void Form::SetFont(Control& c, const Font& font) { Change(c, &Control::font, font); }
void Form::SetVisible(Control& c, bool visible) { Change(c, &Control::visible, visible); }
void Form::SetEnabled(Control& c, bool enabled) { Change(c, &Control::enabled, enabled); }
void Form::SetPicture(Control& c, PictureId picture) { Change(c, &Control::picture, picture); }
void Form::SetInterval(Control& c, int interval) { Change(c, &Control::interval, interval); }

void Form::SetLocked(Control& c, bool locked) { Change(c, &Control::locked, locked); }

void Form::SetChecked(Control& c, bool checked) {
  if (Change(c, &Control::checked, checked) && c.kind == ControlKind::kCheckBox && c.on_click) {
    c.on_click();
  }
}

void Form::SetVisible(std::initializer_list<Control*> controls, bool visible) {
  for (Control* c : controls) SetVisible(*c, visible);
}

void Form::Press(std::string_view button) { Press((*this)[button]); }

void Form::Press(Control& button) {
  if (button.on_click) button.on_click();
}

void Form::SetWindowLeft(float left) {
  if (window_.rect.left == left) return;
  window_.rect.left = left;
  NotifyWindow();
}

void Form::SetWindowTop(float top) {
  if (window_.rect.top == top) return;
  window_.rect.top = top;
  NotifyWindow();
}

void Form::SetWindowWidth(float width) {
  if (window_.rect.width == width) return;
  window_.rect.width = width;
  NotifyWindow();
}

void Form::SetWindowFrame(float width, float height) {
  window_.frame_width = width;
  window_.frame_height = height;
}

void Form::SetPlacePerTwip(float ratio) { window_.place_per_twip = ratio; }

void Form::SetWindowHeight(float height) {
  if (window_.rect.height == height) return;
  window_.rect.height = height;
  NotifyWindow();
}

void Form::SetWindowBack(Colour colour) {
  if (window_.back == colour) return;
  window_.back = colour;
  NotifyWindow();
}

void Form::SetWindowVisible(bool visible) {
  if (window_.visible == visible) return;
  window_.visible = visible;
  NotifyWindow();
}

void Form::SetColourKey(Colour key) {
  if (window_.layered && window_.colour_key == key) return;
  window_.layered = true;
  window_.colour_key = key;
  NotifyWindow();
}

}  // namespace kelvara::ui

namespace kelvara::ui {

void Form::SetAlpha(int alpha) {
  alpha = alpha < 0 ? 0 : alpha > 255 ? 255 : alpha;
  if (window_.alpha == alpha) return;
  window_.alpha = alpha;
  NotifyWindow();
}

}  // namespace kelvara::ui
