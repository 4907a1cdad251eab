// Start to first paint, seen from outside: the monitor window's pixels read
// back from the screen as often as the machine allows, so the moment the
// first frame lands is known to a few milliseconds rather than to the length
// of a screenshot.
#include "driver_store.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>

#include "platform/win32/host/form_host.h"

namespace kelvara::e2e {
namespace {

constexpr int kFound = 0;
constexpr int kMissing = 1;
constexpr int kUsage = 2;

// The whole screen's device context, released when done.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// Milliseconds since 1970 on the wall clock, which Wine shares with Linux, so
// the shell's `date +%s%N` and these figures can be subtracted.
std::int64_t UnixMilliseconds() {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  const std::uint64_t ticks =
      (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  constexpr std::uint64_t kEpochTicks = 116444736000000000ULL;  // 1601 to 1970 in 100 ns
  return static_cast<std::int64_t>((ticks - kEpochTicks) / 10000);
}

int Number(const wchar_t* text) { return static_cast<int>(std::wcstol(text, nullptr, 10)); }

// Prints "waiting" at once, then the wall-clock moments the monitor window was
// first seen visible ("shown=") and the screen first showed the colour at a
// point of it, relative to its top-left corner ("painted=").
int FirstPaint(int x, int y, COLORREF want, int wait_ms) {
  std::printf("waiting\n");
  std::fflush(stdout);
  const std::int64_t deadline = UnixMilliseconds() + wait_ms;
  std::int64_t shown = 0;
  while (UnixMilliseconds() < deadline) {
    const HWND window = FindWindowW(kelvara::win32::host::kFormWindowClass, L"TavoroⅡ");
    if (window != nullptr && IsWindowVisible(window)) {
      if (shown == 0) shown = UnixMilliseconds();
      RECT r{};
      GetWindowRect(window, &r);
      const ScreenDc screen;
      if (GetPixel(screen.get(), r.left + x, r.top + y) == want) {
        std::printf("shown=%lld\npainted=%lld\n", static_cast<long long>(shown),
                    static_cast<long long>(UnixMilliseconds()));
        return kFound;
      }
    }
    Sleep(1);
  }
  std::printf("shown=%lld\n", static_cast<long long>(shown));
  return kMissing;
}

}  // namespace

int RunStoreCommand(int argc, wchar_t** argv) {
  const std::wstring command = argv[1];
  if (command == L"first-paint") {
    if (argc < 7) return kUsage;
    return FirstPaint(Number(argv[2]), Number(argv[3]),
                      RGB(Number(argv[4]), Number(argv[5]), Number(argv[6])),
                      argc > 7 ? Number(argv[7]) : 30000);
  }
  return -1;
}

}  // namespace kelvara::e2e
