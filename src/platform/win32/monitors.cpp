#include "platform/win32/monitors.h"

#include <atomic>
#include <vector>

#include "platform/win32/callback_boundary.h"
#include "platform/win32/raii.h"

namespace kelvara::win32 {
namespace {

using GetDpiForSystemFunction = UINT(WINAPI*)();
// MONITOR_DPI_TYPE is an enum; MDT_EFFECTIVE_DPI is 0.
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;

template <typename Function>
Function Find(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The DPI of the primary monitor at sign-in: what a monitor's own DPI falls
// back to before Windows 8.1.
int SystemDpi() {
  if (const auto get_dpi =
          Find<GetDpiForSystemFunction>(GetModuleHandleW(L"user32.dll"), "GetDpiForSystem")) {
    if (const UINT dpi = get_dpi(); dpi != 0) return static_cast<int>(dpi);
  }
  WindowDc screen(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
  return dpi > 0 ? dpi : 96;
}

// Each monitor's DPI comes from shcore, which the program does not otherwise
// need: it is loaded for the question and let go after, unless something
// else had it already.
class MonitorDpis {
 public:
  MonitorDpis() {
    HMODULE shcore = GetModuleHandleW(L"shcore.dll");
    if (shcore == nullptr) {
      loaded_.reset(LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
      shcore = loaded_.get();
    }
    get_dpi_ = Find<GetDpiForMonitorFunction>(shcore, "GetDpiForMonitor");
  }

  int Of(HMONITOR monitor) {
    UINT x = 0, y = 0;
    if (get_dpi_ != nullptr && SUCCEEDED(get_dpi_(monitor, kEffectiveDpi, &x, &y)) && x != 0) {
      return static_cast<int>(x);
    }
    if (system_dpi_ == 0) system_dpi_ = SystemDpi();
    return system_dpi_;
  }

 private:
  UniqueModule loaded_;
  GetDpiForMonitorFunction get_dpi_ = nullptr;
  int system_dpi_ = 0;
};

struct Collected {
  MonitorDpis dpis;
  std::vector<platform::MonitorPixels> monitors;
};

BOOL CollectOne(HMONITOR monitor, LPARAM data) {
  auto& into = *reinterpret_cast<Collected*>(data);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  const RECT& r = info.rcMonitor;
  const RECT& w = info.rcWork;
  into.monitors.push_back(platform::MonitorPixels{r.left, r.top, r.right, r.bottom, w.left, w.top,
                                                  w.right, w.bottom, into.dpis.Of(monitor),
                                                  (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
  return TRUE;
}

// A named CALLBACK, not a lambda: on 32-bit Windows the system calls it as
// stdcall, which a lambda's function pointer is not.
BOOL CALLBACK Collect(HMONITOR monitor, HDC, RECT*, LPARAM data) {
  // Out of memory for one more monitor: the ones found so far are the answer.
  return CallbackBoundary(BOOL{FALSE}, [=] { return CollectOne(monitor, data); });
}

std::atomic<int> desktop_dpi{0};

}  // namespace

platform::Desktop CurrentDesktop() {
  Collected found;
  EnumDisplayMonitors(nullptr, nullptr, Collect, reinterpret_cast<LPARAM>(&found));
  platform::Desktop desktop(std::move(found.monitors));
  desktop_dpi = desktop.dpi();
  return desktop;
}

int DesktopDpi() {
  if (const int dpi = desktop_dpi; dpi != 0) return dpi;
  MonitorDpis dpis;
  const int dpi = dpis.Of(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
  desktop_dpi = dpi;
  return dpi;
}

void ForgetDesktopDpi() { desktop_dpi = 0; }

}  // namespace kelvara::win32
