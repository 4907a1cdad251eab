#pragma once

#include <cstdint>
#include <vector>

#include "canvas.h"

// The Windows picture files, written byte by byte: nothing in them depends on
// the time, the machine or the order of anything but the arguments.
namespace kelvara::resgen {

// 24-bit BMP, bottom-up; any transparency is laid over black.
std::vector<uint8_t> EncodeBmp24(const Canvas& image);
// 32-bit BMP with a version 5 header whose alpha mask keeps the transparency.
std::vector<uint8_t> EncodeBmp32(const Canvas& image);
// ICO with one 32-bit image and AND mask per canvas, in the order given.
std::vector<uint8_t> EncodeIcon(const std::vector<Canvas>& images);
// CUR with one 32-bit image and AND mask per canvas, in the order given; each
// image's hot spot is in its pixels from the top left.
std::vector<uint8_t> EncodeCursor(const std::vector<Canvas>& images,
                                  const std::vector<HotSpot>& hot_spots);

// Pixels with less alpha than this are holes in an icon's AND mask, for
// screens that draw icons without their alpha.
inline constexpr int kMaskAlphaBelow = 128;

}  // namespace kelvara::resgen
