#include "platform/win32/wine.h"

#include <windows.h>

namespace kelvara::win32 {

bool RunningUnderWine() {
  // Wine's ntdll exports its version; Windows' does not.
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace kelvara::win32
