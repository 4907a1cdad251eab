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
  if (slot.loaded) return *slot.window;
  slot.window = slot.factory();  // a fresh window: nothing is kept between loads
  slot.loaded = true;
  Window& window = *slot.window;
  if (observer_ != nullptr) observer_->Loaded(window.form());
  window.Form_Load();
  return window;
}

void WindowSet::Show(std::string_view name) {
  Slot& slot = At(name);
  if (slot.loaded) {
    if (observer_ != nullptr) observer_->BroughtForward(slot.window->form());
    return;
  }
  Load(name);
  // Unless its load step closed it again.
  if (slot.loaded) slot.window->form().SetWindowVisible(true);
}

void WindowSet::Unload(std::string_view name) {
  Slot& slot = At(name);
  if (!slot.loaded) return;
  slot.loaded = false;
  slot.window->Form_Unload();
  if (observer_ != nullptr) observer_->Unloaded(slot.window->form());
}

bool WindowSet::IsLoaded(std::string_view name) const {
  const auto found = slots_.find(name);
  return found != slots_.end() && found->second.loaded;
}

Window* WindowSet::Find(std::string_view name) {
  const auto found = slots_.find(name);
  if (found == slots_.end() || !found->second.loaded) return nullptr;
  return found->second.window.get();
}

}  // namespace kelvara::ui
