#pragma once

#include <windows.h>

namespace kelvara::app {

// Builds the Win32 platform, the monitor and its windows, runs the message
// loop and returns the exit code.
int Run(HINSTANCE instance);

}  // namespace kelvara::app
