#pragma once

#include <cmath>
#include <limits>
#include <optional>

#include "ui/form.h"

namespace kelvara::display {

// Helpers of the guarded refresh steps. A step that cannot complete
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

// Sets a bar shape and its picture twin to the same width in twips, as a
// single-precision value. A width that is not accepted (negative, not a
// number, beyond single precision) leaves both as they were; returns whether
// it was set.
inline bool SetBarWidth(ui::Form& form, ui::Control& bar, ui::Control& picture, double width) {
  if (!(width >= 0) || width > std::numeric_limits<float>::max()) return false;
  const auto twips = static_cast<float>(width);
  form.SetWidth(bar, twips);
  form.SetWidth(picture, twips);
  return true;
}

}  // namespace kelvara::display
