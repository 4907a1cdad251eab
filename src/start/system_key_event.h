// The real sender for PressStartKey: one synthetic key event into the system's
// input stream.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvara::start {

inline void SendSystemKeyEvent(std::uint8_t key, std::uint8_t scan, std::uint32_t flags,
                               std::uintptr_t extra_info) {
  keybd_event(key, scan, flags, extra_info);
}

}  // namespace kelvara::start
