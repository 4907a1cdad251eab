#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/pickers.h"
#include "text/colour_text.h"
#include "ui/form.h"

namespace kelvara {

// The rules for the texts the dialog keeps in its working copy.

// The window's transparent colour for a text colour: ten below it, or ten
// above when that would go under zero, on the whole value.
ui::Colour TransparencyFor(ui::Colour colour);

// A memory total the user typed: empty (the measured one is used), or a whole
// number of megabytes from 1 to 999999 in ASCII digits, which is what the
// store's six bytes and the monitor's arithmetic can take.
bool IsAcceptedTotal(std::string_view text);

// The font style texts and the marks they stand for.
struct FontStyle {
  bool bold = false;
  bool italic = false;
};
std::optional<FontStyle> StyleOfText(std::string_view style);
const char* StyleText(FontStyle style);

// What the font picker opens with: the name, the size's leading number and
// the style's marks; an empty style is bold, an unknown one keeps the
// picker's own.
platform::FontPreset FontPresetOf(std::string_view name, std::string_view size,
                                  std::string_view style);

// A size in points as the shortest text that reads back to it: "24", "10.5".
std::string SizeText(float size);

}  // namespace kelvara
