#pragma once

#include "canvas.h"

namespace kelvara::resgen {

inline constexpr int kMoonAges = 30;
inline constexpr int kMoonSize = 53;

// The moon on a black ground at an age of 0 to 29 days, as seen from the
// northern hemisphere: waxing lit from the right, waning from the left.
Canvas DrawMoon(int age);

}  // namespace kelvara::resgen
