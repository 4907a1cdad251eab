#include "text/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace kelvara {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Digits of a non-negative whole double, exactly.
std::string WholeDigits(double whole) {
  std::array<char, 400> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), whole,
                                    std::chars_format::fixed, 0);
  return std::string(buffer.data(), result.ptr);
}

std::string RoundToWhole(double magnitude) {
  const double rounded = std::round(magnitude);  // halves away from zero
  return rounded == 0.0 ? std::string() : WholeDigits(rounded);
}

std::string RoundToTenths(double magnitude) {
  // to_chars rounds the exact binary value correctly but sends exact ties to
  // even. A tie at the hundredths needs a fraction of exactly .25 or .75 (the
  // only such decimals a double holds), so those two go up by hand.
  std::string text;
  const double whole = std::trunc(magnitude);
  const double fraction = magnitude - whole;  // exact below 2^52
  if (fraction == 0.25 || fraction == 0.75) {
    text = WholeDigits(whole) + (fraction == 0.25 ? ".3" : ".8");
  } else {
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, 1);
    text.assign(buffer.data(), result.ptr);
  }
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.pop_back();
  if (text.size() >= 2 && text[0] == '0' && text[1] == '.') text.erase(0, 1);
  return text;
}

// Parses [digits][.digits] from the start of text; returns the count of
// characters taken (0 when there is neither a digit before nor after the point).
std::size_t ScanUnsigned(std::string_view text, bool& any_digit) {
  std::size_t i = 0;
  any_digit = false;
  while (i < text.size() && IsDigit(text[i])) {
    ++i;
    any_digit = true;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) {
      ++i;
      any_digit = true;
    }
  }
  return i;
}

double ParseUnsigned(std::string_view digits) {
  // from_chars wants at least one digit before any point.
  std::string normal = "0";
  normal.append(digits);
  if (normal.back() == '.') normal.pop_back();
  double value = 0.0;
  const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large, or so small that it is zero.
    const bool large = normal.find_first_not_of('0') < normal.find('.');
    return large ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return value;
}

}  // namespace

std::string FormatDigits(double value, std::string_view pattern) {
  if (!std::isfinite(value)) return std::string();
  const bool with_point = pattern.find('.') != std::string_view::npos;
  std::string text = with_point ? RoundToTenths(std::fabs(value)) : RoundToWhole(std::fabs(value));
  if (value < 0.0 && !text.empty()) text.insert(0, 1, '-');
  return text;
}

double LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  bool any_digit = false;
  const std::size_t length = ScanUnsigned(text.substr(i), any_digit);
  if (!any_digit) return 0.0;
  const double value = ParseUnsigned(text.substr(i, length));
  return negative ? -value : value;
}

std::optional<double> ToNumber(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  bool any_digit = false;
  const std::size_t length = ScanUnsigned(text.substr(i), any_digit);
  if (!any_digit || i + length != text.size()) return std::nullopt;
  const double value = ParseUnsigned(text.substr(i, length));
  if (!std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

std::string NumberText(double value) {
  if (value == 0.0) return "0";  // also keeps a negative zero from reading "-0"
  std::array<char, 400> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  if (result.ec != std::errc()) return std::string();
  return std::string(buffer.data(), result.ptr);
}

std::string ShortestText(float value) {
  if (value == 0.0f) return "0";  // a negative zero too
  std::array<char, 64> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace kelvara
