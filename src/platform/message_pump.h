#pragma once

namespace kelvara::platform {

// The user-interface thread's message queue.
class MessagePump {
 public:
  virtual ~MessagePump() = default;
  // Lets every pending window message run (repaints, timer ticks, tray and
  // menu commands) and returns when the queue is empty. Handlers may run from
  // inside this call.
  virtual void RunPending() = 0;
};

}  // namespace kelvara::platform
