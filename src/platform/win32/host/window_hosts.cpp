#include "platform/win32/host/window_hosts.h"

namespace kelvara::win32::host {

WindowHosts::WindowHosts(HINSTANCE instance, FontNames& names, Win32Pictures& pictures, Icons icons)
    : instance_(instance), names_(names), pictures_(pictures), icons_(icons) {}

std::unique_ptr<FormHost> WindowHosts::Make(ui::Form& form, Frame frame) {
  auto host = std::make_unique<FormHost>(form, frame, names_, pictures_);
  if (!host->Create(instance_, icons_.large, icons_.small)) return nullptr;
  return host;
}

FormHost* WindowHosts::AddMain(ui::Form& form) {
  main_ = Make(form, Frame::kBorderless);
  return main_.get();
}

void WindowHosts::Serve(ui::WindowSet& windows) {
  windows_ = &windows;
  windows.Subscribe(this);
}

void WindowHosts::SetIcons(Icons icons) {
  icons_ = icons;
  auto set = [icons](HWND window) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.large));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.small));
  };
  if (main_) set(main_->window());
  for (const auto& [name, host] : secondary_) set(host->window());
}

HWND WindowHosts::Find(std::string_view form_name) const {
  if (main_ && main_->form().name() == form_name) return main_->window();
  const auto found = secondary_.find(form_name);
  return found != secondary_.end() ? found->second->window() : nullptr;
}

void WindowHosts::Loaded(ui::Form& form) {
  std::unique_ptr<FormHost> host = Make(form, Frame::kFixedDialog);
  if (!host) return;
  const std::string name = form.name();
  host->on_close = [this, name] {
    if (windows_ != nullptr) windows_->Unload(name);
  };
  secondary_[name] = std::move(host);
}

void WindowHosts::BroughtForward(ui::Form& form) {
  const HWND window = Find(form.name());
  if (window == nullptr || !IsWindowVisible(window)) return;
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  SetForegroundWindow(window);
}

void WindowHosts::Unloaded(ui::Form& form) {
  const auto found = secondary_.find(form.name());
  if (found == secondary_.end()) return;
  // Gone from the screen now; the window itself goes once its handlers have
  // returned.
  ShowWindow(found->second->window(), SW_HIDE);
  found->second->Detach();
  unloaded_.push_back(std::move(found->second));
  secondary_.erase(found);
}

bool WindowHosts::Navigate(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  const HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (root == nullptr) return false;
  if (main_ && main_->window() == root) return main_->Navigate(message);
  for (const auto& [name, host] : secondary_) {
    if (host->window() == root) return host->Navigate(message);
  }
  return false;
}

void WindowHosts::Collect() { unloaded_.clear(); }

}  // namespace kelvara::win32::host
