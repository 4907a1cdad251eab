// kelvara.exe: the desktop monitor.
#include <windows.h>

#include "app/program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return kelvara::app::Run(instance);
}
