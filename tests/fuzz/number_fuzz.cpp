// Any text through the three number conversions, and any double through the
// formats: no crash, and the texts read back as the rules promise.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "text/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kelvara;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double leading = LeadingNumber(text);
  const std::optional<double> number = ToNumber(text);
  if (number && *number != leading && !(text.size() > 0 && (text[0] == ' ' || text[0] == '\t'))) {
    std::abort();  // a whole number text is also its own leading number
  }
  if (size >= sizeof(double)) {
    double value;
    std::memcpy(&value, data, sizeof value);
    for (const char* pattern : {"#", "###", "#.#", "##.#"}) {
      const std::string formatted = FormatDigits(value, pattern);
      if (!formatted.empty() && std::isfinite(value)) {
        const std::optional<double> back = ToNumber(formatted);
        if (formatted != "." && formatted != "-." && !back) std::abort();
        if (back &&
            std::fabs(*back - value) > 0.5000001 * std::fmax(1.0, std::fabs(value) * 1e-15) &&
            std::fabs(value) < 1e15) {
          std::abort();
        }
      }
    }
    if (std::isfinite(value)) {
      const std::string joined = NumberText(value);
      const std::optional<double> back = ToNumber(joined);
      if (!back || *back != value) std::abort();
    }
  }
  return 0;
}
