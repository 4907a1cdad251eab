#pragma once

#include "platform/process.h"

namespace kelvara::win32 {

// Ends the process at once: no window event, timer or destructor runs after.
class Win32Process final : public platform::Process {
 public:
  void Quit() override;
};

}  // namespace kelvara::win32
