// The whole work of Start.exe, apart from the call into Windows, so that the
// exact key events can be checked without pressing anything.
#pragma once

#include <cstdint>

namespace kelvara::start {

inline constexpr std::uint8_t kLeftWindowsKey = 0x5B;  // VK_LWIN
inline constexpr std::uint32_t kKeyUp = 0x0002;        // KEYEVENTF_KEYUP

// Sends a press then a release of the left Windows key through `send`, which
// takes keybd_event's arguments (key, scan code, flags, extra info). Nothing
// it returns is looked at: there is nothing useful to do about a failure.
template <typename KeyEventSender>
void PressStartKey(KeyEventSender&& send) {
  send(kLeftWindowsKey, std::uint8_t{0}, std::uint32_t{0}, std::uintptr_t{0});
  send(kLeftWindowsKey, std::uint8_t{0}, kKeyUp, std::uintptr_t{0});
}

}  // namespace kelvara::start
