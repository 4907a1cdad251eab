#include "ui/window_set.h"

#include <stdexcept>
#include <utility>

namespace kelvara::ui {

void WindowSet::Register(std::string name, Factory factory) {
  slots_[std::move(name)].factory = std::move(factory);
}

WindowSet::Slot& WindowSet::At(std::string_view name) {
  const auto found = slots_.find(name);
  if (found == slots_.end()) throw std::out_of_range("no window " + std::string(name));
  return found->second;
}

Window& WindowSet::Load(std::string_view name) {
  Slot& slot = At(name);
  if (slot.window) return *slot.window;
  slot.window = slot.factory();  // a fresh window: nothing is kept between loads
  Window& window = *slot.window;
  window.loaded_ = true;
  if (observer_ != nullptr) observer_->Loaded(window.form());
  window.Form_Load();
  return window;
}

void WindowSet::Show(std::string_view name) {
  Slot& slot = At(name);
  if (slot.window) {
    if (observer_ != nullptr) observer_->BroughtForward(slot.window->form());
    return;
  }
  Window& window = Load(name);
  // Unless its load step closed it again.
  if (window.loaded()) window.form().SetWindowVisible(true);
}

void WindowSet::Unload(std::string_view name) { Unload(At(name)); }

void WindowSet::Unload(const Window& window) {
  for (auto& [name, slot] : slots_) {
    if (slot.window.get() == &window) return Unload(slot);
  }
}

void WindowSet::Unload(Slot& slot) {
  if (!slot.window) return;
  // Out of the slot first: whatever the unload step lets run finds the name
  // free, and a load meanwhile makes a fresh window.
  unloaded_.push_back(std::move(slot.window));
  Window& window = *unloaded_.back();
  window.loaded_ = false;
  window.Form_Unload();
  if (observer_ != nullptr) observer_->Unloaded(window.form());
}

bool WindowSet::IsLoaded(std::string_view name) const {
  const auto found = slots_.find(name);
  return found != slots_.end() && found->second.window != nullptr;
}

Window* WindowSet::Find(std::string_view name) {
  const auto found = slots_.find(name);
  return found == slots_.end() ? nullptr : found->second.window.get();
}

}  // namespace kelvara::ui
