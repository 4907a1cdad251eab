#pragma once

#include <windows.h>

#include <functional>

#include "platform/message_pump.h"

namespace kelvara::win32::host {

// Runs what is waiting in the thread's queue. A quit request found there is
// put back, so the main loop still ends.
class Win32MessagePump final : public platform::MessagePump {
 public:
  // Offered each message first, as the main loop offers it: the windows'
  // dialog keys work while a handler lets the queue run too.
  std::function<bool(MSG&)> navigate;

  void RunPending() override {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return;
      }
      if (navigate && navigate(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
};

}  // namespace kelvara::win32::host
