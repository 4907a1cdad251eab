// Start.exe opens the Start menu and ends. It never makes a window: even a
// zero-sized one would flash a taskbar button.
#include <windows.h>

#include "press_start_key.h"
#include "system_key_event.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // It links nothing of kelvara, so the one call is made here: a DLL planted
  // beside the program is never loaded later on.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  kelvara::start::PressStartKey(kelvara::start::SendSystemKeyEvent);
  return 0;
}
