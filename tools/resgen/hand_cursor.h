#pragma once

#include "canvas.h"

namespace kelvara::resgen {

inline constexpr int kCursorSize = 32;
// The pixel under the tip of the pointing finger.
inline constexpr int kHandHotX = 10;
inline constexpr int kHandHotY = 1;

// A white hand with a black outline, the index finger pointing up.
Canvas DrawHandCursor();

}  // namespace kelvara::resgen
