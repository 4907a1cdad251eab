// Where controls lie: frames inside frames, and what a frame passes on to
// the controls it holds.
#include "ui/form.h"

namespace kelvara::ui {

void Form::ResolveContainers() {
  containers_.assign(controls_.size(), kNone);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const std::string& name = controls_[i].container;
    if (name.empty()) continue;
    for (std::size_t j = 0; j < controls_.size(); ++j) {
      if (j != i && controls_[j].kind == ControlKind::kFrame && controls_[j].name == name) {
        containers_[i] = j;
        break;
      }
    }
  }
  // A frame that ends up inside itself lies on the window instead: every
  // walk up the chain must end.
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    std::size_t at = containers_[i];
    for (std::size_t steps = 0; at != kNone; ++steps) {
      if (at == i || steps > controls_.size()) {
        containers_[i] = kNone;
        break;
      }
      at = containers_[at];
    }
  }
}

std::size_t Form::IndexOf(const Control& c) const {
  const Control* first = controls_.data();
  if (&c < first || &c >= first + controls_.size()) return kNone;
  return static_cast<std::size_t>(&c - first);
}

const Control* Form::Container(const Control& c) const {
  const std::size_t index = IndexOf(c);
  if (index == kNone || containers_[index] == kNone) return nullptr;
  return &controls_[containers_[index]];
}

bool Form::Holds(const Control& outer, const Control& inner) const {
  for (const Control* at = Container(inner); at != nullptr; at = Container(*at)) {
    if (at == &outer) return true;
  }
  return false;
}

float Form::OriginLeft(const Control& c) const {
  float left = 0;
  for (const Control* at = Container(c); at != nullptr; at = Container(*at)) left += at->rect.left;
  return left;
}

float Form::OriginTop(const Control& c) const {
  float top = 0;
  for (const Control* at = Container(c); at != nullptr; at = Container(*at)) top += at->rect.top;
  return top;
}

Rect Form::WindowRect(const Control& c) const {
  Rect r = c.rect;
  r.left += OriginLeft(c);
  r.top += OriginTop(c);
  return r;
}

bool Form::Shown(const Control& c) const {
  for (const Control* at = &c; at != nullptr; at = Container(*at)) {
    if (!at->visible) return false;
  }
  return true;
}

bool Form::Usable(const Control& c) const {
  for (const Control* at = &c; at != nullptr; at = Container(*at)) {
    if (!at->enabled) return false;
  }
  return true;
}

Colour Form::BackBehind(const Control& c) const {
  for (const Control* at = Container(c); at != nullptr; at = Container(*at)) {
    if (at->opaque) return at->back;
  }
  return window_.back;
}

}  // namespace kelvara::ui
