#pragma once

// The program's own count of the GDI objects alive through its owners
// (raii.h). Wine's GetGuiResources answers 0, so a long run proves with this
// that painting, dialogs and menus give back every object they make.

#include <windows.h>

#include <atomic>
#include <optional>

namespace kelvara::win32 {

inline std::atomic<long>& LiveGdiCounter() {
  static std::atomic<long> live{0};
  return live;
}

inline long LiveGdiObjects() { return LiveGdiCounter().load(std::memory_order_relaxed); }

// Another process asks for the count with the message registered under this
// name.
inline constexpr const wchar_t* kLiveGdiObjectsMessage = L"kelvara.LiveGdiObjects";

// The answer to that message, or nothing for any other. A window named in
// lParam also gets the count posted back: it arrives only after everything
// posted to this thread before the question has been handled.
std::optional<LRESULT> AnswerLiveGdiObjects(UINT message, WPARAM w, LPARAM l);

}  // namespace kelvara::win32
