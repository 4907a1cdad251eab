#pragma once

#include <windows.h>

#include <commctrl.h>

namespace kelvara::win32::host {

// comctl32.dll, in the version the manifest asks for, is loaded when the
// first native control is made: an idle monitor has none, and the library is
// not one that Windows always takes from System32, so it is not imported.
// Loading it registers the controls in their current look.
void LoadCommonControls();

// Subclassing through the loaded library; without it, no subclass is set and
// the default is the window's own procedure.
void Subclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
void Unsubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
LRESULT DefaultSubclass(HWND window, UINT message, WPARAM w, LPARAM l);

}  // namespace kelvara::win32::host
