#include "platform/win32/process.h"

#include <windows.h>

namespace kelvara::win32 {

void Win32Process::Quit() { ExitProcess(0); }

}  // namespace kelvara::win32
