#pragma once

#include <array>
#include <optional>

namespace kelvara::platform {

// Positions of the counters, 1-based as the refresh reads them.
enum CounterPosition {
  kFreeSpacePercent = 1,      // free space over the fixed drives
  kAvailableMegabytes = 2,    // available physical memory, MB
  kPageFileUsagePeak = 3,     // page-file usage peak, percent
  kDiskTimePercent = 4,       // disk busy time, percent (can exceed 100)
  kProcessorTimePercent = 5,  // processor time, percent
};

// The latest sample of every counter; a counter without a source is absent.
struct CounterSnapshot {
  std::array<std::optional<double>, 5> values;

  std::optional<double> At(int position) const {
    if (position < 1 || position > 5) return std::nullopt;
    return values[static_cast<std::size_t>(position - 1)];
  }
};

// Sampled on its own schedule; Latest never blocks.
class CounterSource {
 public:
  virtual ~CounterSource() = default;
  virtual CounterSnapshot Latest() = 0;
};

}  // namespace kelvara::platform
