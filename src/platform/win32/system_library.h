#pragma once

#include <windows.h>

namespace kelvara::win32 {

// A library of the system's that is not imported at start, from System32
// only: a file of the same name beside the program (a zip unpacked into
// Downloads) is never taken. Kept for the process's life; nothing when the
// library is missing.
HMODULE SystemLibrary(const wchar_t* name);

// A function of such a library, or nothing. Call sites keep the result.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
  const HMODULE module = SystemLibrary(library);
  if (module == nullptr) return nullptr;
  // Through the one function type that casts to any other without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Before any library is loaded: every later load searches System32 alone.
void LoadLibrariesFromSystem32Only();

}  // namespace kelvara::win32
