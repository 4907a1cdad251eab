#pragma once

#include "canvas.h"

namespace kelvara::resgen {

// The sizes the cursor file holds, largest first: 100 %, 150 % and 200 %.
inline constexpr int kCursorSizes[] = {64, 48, 32};

// The pixel under the tip of the pointing finger at a cursor size.
HotSpot HandHotSpot(int size);

// A white hand with a black outline, the index finger pointing up.
Canvas DrawHandCursor(int size);

}  // namespace kelvara::resgen
