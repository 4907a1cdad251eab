#pragma once

#include <windows.h>

#include <string_view>

#include "platform/dialogs.h"

namespace kelvara::win32 {

using MessageBoxFunction = int(WINAPI*)(HWND, LPCWSTR, LPCWSTR, UINT);

// Modal message boxes with an OK button and no icon, over the owner window.
class Win32Messages final : public platform::Messages {
 public:
  explicit Win32Messages(HWND owner = nullptr, MessageBoxFunction message_box = MessageBoxW)
      : owner_(owner), message_box_(message_box) {}

  // The host sets its main window once it exists.
  void set_owner(HWND owner) { owner_ = owner; }

  void Show(std::string_view text, std::string_view title) override;

 private:
  HWND owner_;
  MessageBoxFunction message_box_;
};

// Ends the process at once: no window event, timer or destructor runs after.
class Win32Process final : public platform::Process {
 public:
  void Quit() override;
};

}  // namespace kelvara::win32
