#include "platform/win32/clipboard.h"

#include <windows.h>

namespace kelvara::win32 {

void Win32Clipboard::Clear() {
  if (!OpenClipboard(nullptr)) return;  // another program holds it
  EmptyClipboard();
  CloseClipboard();
}

}  // namespace kelvara::win32
