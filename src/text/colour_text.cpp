#include "text/colour_text.h"

#include <cmath>

#include "text/number_text.h"

namespace kelvara {
namespace {

constexpr double kWhite = 16777215;  // the largest RGB value

}  // namespace

std::optional<std::uint32_t> ColourOfText(std::string_view text) {
  const std::optional<double> value = ToNumber(text);
  if (!value || *value < 0 || *value > kWhite || std::trunc(*value) != *value) return std::nullopt;
  return static_cast<std::uint32_t>(*value);
}

std::string ColourText(std::uint32_t colour) { return std::to_string(colour); }

}  // namespace kelvara
