#pragma once

#include "canvas.h"

namespace kelvara::resgen {

inline constexpr int kClockFaceSize = 75;

// A round dial with twelve hour marks and no hands (the program draws those),
// transparent outside the rim.
Canvas DrawClockFace(int size);

}  // namespace kelvara::resgen
