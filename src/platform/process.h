#pragma once

namespace kelvara::platform {

// The running program itself.
class Process {
 public:
  virtual ~Process() = default;
  // Ends the program at once; no further window event runs.
  virtual void Quit() = 0;
};

}  // namespace kelvara::platform
