#pragma once

#include "ui/form.h"

namespace kelvara {

// Figures the main window shares with the windows that work with it, kept
// here so each has one value.

// The program's own megabyte, for the memory status in bytes.
inline constexpr double kBytesPerMegabyte = 1024000;

// The release size per byte of physical memory.
inline constexpr double kReleaseFactor = 0.007465446;

// The hands of the built-in clock.
inline constexpr ui::Colour kHourHandColour = ui::Rgb(105, 105, 105);
inline constexpr ui::Colour kMinuteHandColour = ui::Rgb(143, 143, 143);
inline constexpr ui::Colour kSecondHandColour = ui::Rgb(238, 72, 101);

}  // namespace kelvara
