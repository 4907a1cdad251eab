#pragma once

#include <utility>

namespace kelvara::win32 {

// The boundary every function the system calls back runs its body in. An
// exception must not unwind through user32's frames: the 32-bit build would
// end there, and in the 64-bit one what happens is undefined. The failing
// handler is abandoned where it threw, `fallback` goes back to the system,
// and the program runs on with the next message.
template <typename Result, typename Body>
Result CallbackBoundary(Result fallback, Body&& body) noexcept {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    return fallback;
  }
}

}  // namespace kelvara::win32
