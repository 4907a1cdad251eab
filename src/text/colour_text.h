#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvara {

// Colours live in fields as the decimal text of a Windows RGB value (red in
// the low byte); these are the two ways between the value and its text.

// A whole number from 0 to 16777215 and nothing else; the empty text (a
// colour not set) is none either.
std::optional<std::uint32_t> ColourOfText(std::string_view text);
std::string ColourText(std::uint32_t colour);

}  // namespace kelvara
