// kelvara.exe: the desktop monitor.
#include <windows.h>

#include "app/program.h"
#include "platform/win32/system_library.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  kelvara::win32::LoadLibrariesFromSystem32Only();
  return kelvara::app::Run(instance);
}
