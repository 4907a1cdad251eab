#pragma once

#include <cstdint>

namespace kelvara::platform {

// A picture's pixels as four bytes each (B, G, R, A, colours premultiplied by
// alpha), rows packed top to bottom with no padding.
struct PixelsView {
  const std::uint8_t* data = nullptr;
  int width = 0, height = 0;
};
struct PixelsTarget {
  std::uint8_t* data = nullptr;
  int width = 0, height = 0;
};

// Resizes `from` into `to` smoothly: each axis that shrinks averages the
// source pixels an output pixel covers, by the share it covers; each axis that
// grows blends the two nearest source pixels by distance, edges held. Integer
// arithmetic only, so every build gets the same bytes. A colour never exceeds
// its alpha afterwards when it did not before. False, `to` untouched, for an
// empty or missing side.
bool Resample(const PixelsView& from, const PixelsTarget& to);

}  // namespace kelvara::platform
