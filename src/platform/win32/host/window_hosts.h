#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/host/font_names.h"
#include "platform/win32/host/form_host.h"
#include "platform/win32/pictures.h"
#include "ui/form.h"
#include "ui/window_set.h"

namespace kelvara::win32::host {

// Every window of the program by its form's name: the main window, and the
// secondary ones as the window set loads and unloads them.
class WindowHosts final : public ui::WindowSetObserver {
 public:
  struct Icons {
    HICON large = nullptr;
    HICON small = nullptr;
  };

  WindowHosts(HINSTANCE instance, FontNames& names, Win32Pictures& pictures, Icons icons);
  WindowHosts(const WindowHosts&) = delete;
  WindowHosts& operator=(const WindowHosts&) = delete;

  // The main window: borderless, there for the program's whole life. Null
  // when it cannot be made.
  [[nodiscard]] FormHost* AddMain(ui::Form& form);
  // The secondary windows' close boxes unload them through this set.
  void Serve(ui::WindowSet& windows);

  // New icons for every window, now and to come (the DPI changed).
  void SetIcons(Icons icons);

  // The window of a loaded form, or null.
  HWND Find(std::string_view form_name) const;
  FormHost* main() const { return main_.get(); }

  // The dialog keys of the window a keyboard message is for (see
  // FormHost::Navigate); true when the message is done with.
  bool Navigate(MSG& message);

  // Destroys the windows of unloaded forms. Called between messages only:
  // a form may be unloaded from inside one of its own handlers.
  void Collect();

  // ui::WindowSetObserver
  void Loaded(ui::Form& form) override;
  void BroughtForward(ui::Form& form) override;
  void Unloaded(ui::Form& form) override;

 private:
  [[nodiscard]] std::unique_ptr<FormHost> Make(ui::Form& form, Frame frame);

  HINSTANCE instance_;
  FontNames& names_;
  Win32Pictures& pictures_;
  Icons icons_;
  ui::WindowSet* windows_ = nullptr;
  std::unique_ptr<FormHost> main_;
  std::map<std::string, std::unique_ptr<FormHost>, std::less<>> secondary_;
  std::vector<std::unique_ptr<FormHost>> unloaded_;
};

}  // namespace kelvara::win32::host
