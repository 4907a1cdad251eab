#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvara {

// Figures live as text in captions and fields; these are the only ways numbers
// and such texts turn into each other, so the edge texts (empty caption, lone
// point) are decided here and nowhere else.

// Formats with a digit pattern: "#", "###", ... round to a whole number and give
// the empty text for 0; "#.#", "##.#" round to tenths, keep the point always and
// drop a zero whole part or a zero tenth. Halves go away from zero, judged on the
// exact value of the double.
std::string FormatDigits(double value, std::string_view pattern);

// Reads an optional sign, digits and at most one point after leading blanks and
// stops at anything else; 0 when no number is there. Never fails.
double LeadingNumber(std::string_view text);

// The whole text must be a number (a trailing point is allowed); otherwise none.
std::optional<double> ToNumber(std::string_view text);

// A number as it reads when joined to text: whole numbers without a point, other
// values in the shortest decimal text that reads back to the same double.
std::string NumberText(double value);

// The shortest decimal text that reads back as the same single-precision value,
// never in exponent form (the store's fields are read with LeadingNumber).
std::string ShortestText(float value);

}  // namespace kelvara
