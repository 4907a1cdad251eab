#pragma once

// The clock and date block: its kinds, the date's layouts, fonts and face.

#include "platform/pictures.h"

namespace kelvara {

class MainWindow;

inline constexpr const char* kDigitalClock = "デジタル時計";
inline constexpr const char* kAnalogClock = "アナログ時計";
// The style a shown clock gets when none is stored.
inline constexpr const char* kDefaultFontStyle = "太字";

enum class DateLayout { kDigital, kAnalogBesideMoon, kAnalogAlone };
void LayOutDate(MainWindow& window, DateLayout layout);

// The clock and date block, run when the clock switch is "on".
void ApplyClockBlock(MainWindow& window, platform::Pictures& pictures);

}  // namespace kelvara
