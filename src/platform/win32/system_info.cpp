#include "platform/win32/system_info.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "platform/win32/monitors.h"
#include "platform/win32/text.h"

namespace kelvara::win32 {
namespace {

// Found at run time: RtlGetVersion is not in the import libraries of every
// toolchain.
using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

template <typename Function>
Function Find(const wchar_t* module, const char* name) {
  const HMODULE handle = GetModuleHandleW(module);
  if (handle == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
}

}  // namespace

Win32SystemInfo::Win32SystemInfo(std::wstring instance_name)
    : instance_name_(std::move(instance_name)) {}

bool Win32SystemInfo::AnotherInstanceRunning() {
  if (another_running_) return *another_running_;
  instance_mark_.reset(CreateMutexW(nullptr, FALSE, instance_name_.c_str()));
  const DWORD error = GetLastError();
  if (instance_mark_) {
    another_running_ = error == ERROR_ALREADY_EXISTS;
  } else {
    // Refused access means the mark exists under another owner. Any other
    // failure must not keep the user from starting the program.
    another_running_ = error == ERROR_ACCESS_DENIED;
  }
  return *another_running_;
}

std::optional<platform::WindowsVersion> Win32SystemInfo::Version() {
  // GetVersionEx reports 6.2 to a program without a compatibility manifest;
  // RtlGetVersion tells the truth.
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (const auto rtl_get_version = Find<RtlGetVersionFunction>(L"ntdll.dll", "RtlGetVersion")) {
    if (rtl_get_version(&info) == 0) {
      return platform::WindowsVersion{info.dwMajorVersion, info.dwMinorVersion};
    }
  }
  return std::nullopt;
}

std::string Win32SystemInfo::UserName() {
  std::vector<wchar_t> name(257);  // UNLEN + 1
  DWORD size = static_cast<DWORD>(name.size());
  if (!GetUserNameW(name.data(), &size)) {
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return {};
    name.resize(size);
    if (!GetUserNameW(name.data(), &size)) return {};
  }
  return Narrow(name.data());
}

std::string Win32SystemInfo::CurrentDirectory() {
  const DWORD needed = GetCurrentDirectoryW(0, nullptr);
  if (needed == 0) return {};
  std::wstring directory(needed, L'\0');
  const DWORD length = GetCurrentDirectoryW(needed, directory.data());
  if (length == 0 || length >= needed) return {};
  directory.resize(length);
  return Narrow(directory);
}

platform::ScreenSize Win32SystemInfo::Screen() { return CurrentDesktop().Screen(); }

std::vector<platform::ScreenArea> Win32SystemInfo::ScreenAreas() {
  return CurrentDesktop().WorkAreas();
}

platform::MonitorArea Win32SystemInfo::ScreenUnderPointer() {
  POINT at{};
  if (GetCursorPos(&at) == FALSE) at = POINT{0, 0};  // the primary monitor's corner
  return CurrentDesktop().MonitorAt(at.x, at.y);
}

std::optional<platform::MemoryStatus> Win32SystemInfo::Memory() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!GlobalMemoryStatusEx(&status)) return std::nullopt;
  return platform::MemoryStatus{status.ullTotalPhys, status.ullAvailPhys, status.ullTotalPageFile,
                                status.ullAvailPageFile};
}

}  // namespace kelvara::win32
