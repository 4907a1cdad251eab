#pragma once

// The pieces that ApplySettings and ApplyDefaults are made of.

#include <optional>
#include <string>
#include <string_view>

#include "main_window/picture_slot.h"
#include "platform/pictures.h"
#include "text/colour_text.h"
#include "ui/form.h"

namespace kelvara {

class MainWindow;

// --- Colours ---------------------------------------------------------------

// The elements one colour field paints.
enum class ColourGroup { kDate, kTime, kCpu, kRam, kDiskBusy, kFreeSpace, kPageFile };

// Paints the group when the text is a colour; otherwise every element keeps
// its colour. An empty text is not a colour either.
void ApplyColourField(ui::Form& form, std::string_view text, ColourGroup group);
// Every group, in the order date, time, CPU, RAM, disk busy, free space,
// page file.
void ApplyColourToAll(ui::Form& form, std::string_view text);

// A field that names a colour paints `control` (text or line colour); an empty
// one is filled in with the colour it has.
void ApplyOrRecordColour(MainWindow& window, std::string_view field, std::string_view control);

// --- Pictures --------------------------------------------------------------

// Each row's picture twin takes its file, or the plain bar shows.
void ApplyBarPictures(MainWindow& window, platform::Pictures& pictures);

// --- Clock -----------------------------------------------------------------

inline constexpr const char* kDigitalClock = "デジタル時計";
inline constexpr const char* kAnalogClock = "アナログ時計";
// The style a shown clock gets when none is stored.
inline constexpr const char* kDefaultFontStyle = "太字";

enum class DateLayout { kDigital, kAnalogBesideMoon, kAnalogAlone };
void LayOutDate(ui::Form& form, DateLayout layout);

// The clock and date block, run when the clock switch is "on".
void ApplyClockBlock(MainWindow& window, platform::Pictures& pictures);

}  // namespace kelvara
