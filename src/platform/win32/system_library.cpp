#include "platform/win32/system_library.h"

namespace kelvara::win32 {

HMODULE SystemLibrary(const wchar_t* name) {
  // Once loaded it stays, so a later call takes no further reference: a
  // picker opened a thousand times must not count a thousand.
  if (const HMODULE loaded = GetModuleHandleW(name)) return loaded;
  return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

void LoadLibrariesFromSystem32Only() { SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32); }

}  // namespace kelvara::win32
