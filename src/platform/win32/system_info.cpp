#include "platform/win32/system_info.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "platform/win32/callback_boundary.h"
#include "platform/win32/text.h"

namespace kelvara::win32 {
namespace {

// Found at run time: RtlGetVersion is not in the import libraries of every
// toolchain, and GetDpiForSystem is missing before Windows 10 1607.
using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
using GetDpiForSystemFunction = UINT(WINAPI*)();

template <typename Function>
Function Find(const wchar_t* module, const char* name) {
  const HMODULE handle = GetModuleHandleW(module);
  if (handle == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
}

unsigned SystemDpi() {
  if (const auto get_dpi = Find<GetDpiForSystemFunction>(L"user32.dll", "GetDpiForSystem")) {
    if (const UINT dpi = get_dpi(); dpi != 0) return dpi;
  }
  WindowDc screen(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
  return dpi > 0 ? static_cast<unsigned>(dpi) : 96;
}

}  // namespace

platform::ScreenSize ScreenTwips(int width_pixels, int height_pixels, unsigned dpi) {
  if (dpi == 0) dpi = 96;
  return platform::ScreenSize{static_cast<float>(width_pixels * 1440.0 / dpi),
                              static_cast<float>(height_pixels * 1440.0 / dpi)};
}

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

platform::ScreenSize Win32SystemInfo::Screen() {
  return ScreenTwips(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), SystemDpi());
}

namespace {

struct FoundScreenAreas {
  unsigned dpi;
  std::vector<platform::ScreenArea> areas;
};

BOOL CollectOneScreenArea(HMONITOR monitor, LPARAM data) {
  auto& into = *reinterpret_cast<FoundScreenAreas*>(data);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  const RECT& r = info.rcWork;  // not under the taskbar
  const platform::ScreenSize corner = ScreenTwips(r.left, r.top, into.dpi);
  const platform::ScreenSize size = ScreenTwips(r.right - r.left, r.bottom - r.top, into.dpi);
  const platform::ScreenArea area{corner.width, corner.height, size.width, size.height};
  // The primary screen first: it wins a tie for the nearest.
  if (info.dwFlags & MONITORINFOF_PRIMARY) {
    into.areas.insert(into.areas.begin(), area);
  } else {
    into.areas.push_back(area);
  }
  return TRUE;
}

// A named CALLBACK, not a lambda: on 32-bit Windows the system calls it as
// stdcall, which a lambda's function pointer is not.
BOOL CALLBACK CollectScreenArea(HMONITOR monitor, HDC, RECT*, LPARAM data) {
  // Out of memory for one more screen: the ones found so far are the answer.
  return CallbackBoundary(BOOL{FALSE}, [=] { return CollectOneScreenArea(monitor, data); });
}

}  // namespace

std::vector<platform::ScreenArea> Win32SystemInfo::ScreenAreas() {
  FoundScreenAreas found{SystemDpi(), {}};
  EnumDisplayMonitors(nullptr, nullptr, CollectScreenArea, reinterpret_cast<LPARAM>(&found));
  return found.areas;
}

std::optional<platform::MemoryStatus> Win32SystemInfo::Memory() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!GlobalMemoryStatusEx(&status)) return std::nullopt;
  return platform::MemoryStatus{status.ullTotalPhys, status.ullAvailPhys, status.ullTotalPageFile,
                                status.ullAvailPageFile};
}

}  // namespace kelvara::win32
