#pragma once

#include "platform/clipboard.h"

namespace kelvara::win32 {

// Clears the system clipboard: open, empty, close.
class Win32Clipboard final : public platform::Clipboard {
 public:
  void Clear() override;
};

}  // namespace kelvara::win32
