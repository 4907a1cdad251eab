#pragma once

#include <windows.h>

#include "platform/desktop.h"

namespace kelvara::win32 {

// Every monitor attached now, with its own DPI.
platform::Desktop CurrentDesktop();

// The desktop's DPI, the primary monitor's: asked once and kept, since every
// move of a window reads it, until ForgetDesktopDpi (a display, scale or
// work-area change).
int DesktopDpi();
void ForgetDesktopDpi();

}  // namespace kelvara::win32
