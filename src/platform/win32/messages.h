#pragma once

#include <windows.h>

#include <string_view>
#include <utility>

#include "platform/messages.h"
#include "platform/win32/find_window.h"

namespace kelvara::win32 {

using MessageBoxFunction = int(WINAPI*)(HWND, LPCWSTR, LPCWSTR, UINT);

// Modal message boxes with an OK button and no icon, owned by the window of
// the form that shows them, so that window waits for the answer.
class Win32Messages final : public platform::Messages {
 public:
  explicit Win32Messages(FindWindowFunction find_window,
                         MessageBoxFunction message_box = MessageBoxW)
      : find_window_(std::move(find_window)), message_box_(message_box) {}

  void Show(std::string_view owner, std::string_view text, std::string_view title) override;

 private:
  FindWindowFunction find_window_;
  MessageBoxFunction message_box_;
};

}  // namespace kelvara::win32
