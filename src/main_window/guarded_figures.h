#pragma once

#include <cmath>
#include <optional>

namespace kelvara::display {

// The arithmetic of the guarded refresh steps. A step that cannot complete
// is skipped; these say when. None is undefined for any double.

// The value, or none when it is not a finite number (an overflow of a
// figure's arithmetic, or a counter that yields no number).
inline std::optional<double> Finite(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// a ÷ b, or none for a division by zero or a result that is not finite: the
// step fails instead of producing an infinity.
inline std::optional<double> Quotient(double a, double b) {
  if (b == 0 || !std::isfinite(a) || !std::isfinite(b)) return std::nullopt;
  return Finite(a / b);
}

}  // namespace kelvara::display
