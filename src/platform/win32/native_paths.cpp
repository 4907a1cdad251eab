#include "platform/win32/native_paths.h"

#include <windows.h>

#include <cwctype>

namespace kelvara::win32 {
namespace {

bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::towlower(text[i]) != std::towlower(prefix[i])) return false;
  }
  return true;
}

bool IsBareName(const std::wstring& file) {
  return !file.empty() && file.find_first_of(L"\\/:") == std::wstring::npos;
}

}  // namespace

std::wstring NativeToolPath(const std::wstring& file, const std::wstring& windows_folder,
                            bool redirected, const FileExists& exists) {
  if (!redirected || windows_folder.empty()) return file;
  std::wstring folder = windows_folder;
  if (folder.back() != L'\\') folder += L'\\';
  const std::wstring system32 = folder + L"System32\\";
  const std::wstring sysnative = folder + L"Sysnative\\";
  if (StartsWithNoCase(file, system32)) return sysnative + file.substr(system32.size());
  if (IsBareName(file) && exists && exists(sysnative + file)) return sysnative + file;
  return file;
}

std::wstring NativeToolPath(const std::wstring& file) {
  BOOL wow64 = FALSE;
  if (!IsWow64Process(GetCurrentProcess(), &wow64) || !wow64) return file;
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemWindowsDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return file;
  return NativeToolPath(file, std::wstring(folder, length), true, [](const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  });
}

}  // namespace kelvara::win32
