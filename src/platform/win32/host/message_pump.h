#pragma once

#include <windows.h>

#include "platform/message_pump.h"

namespace kelvara::win32::host {

// Runs what is waiting in the thread's queue. A quit request found there is
// put back, so the main loop still ends.
class Win32MessagePump final : public platform::MessagePump {
 public:
  void RunPending() override {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return;
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
};

}  // namespace kelvara::win32::host
