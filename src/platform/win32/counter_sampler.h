#pragma once

#include <array>
#include <bitset>
#include <optional>

#include "platform/counters.h"

namespace kelvara::win32 {

// A set of positions; position p is bit p - 1.
using Positions = std::bitset<5>;
inline constexpr Positions kAllPositions{0x1f};

// One way of reading the five counters, by their 1-based positions. Collect
// takes one sample of the wanted positions; Read gives that sample's figure.
class CounterReadings {
 public:
  virtual ~CounterReadings() = default;
  // Whether the position has any source here at all; fixed for the object's
  // life.
  virtual bool Has(int position) const = 0;
  virtual void Collect(Positions wanted) = 0;
  // Nothing when this sample of the position could not be read or was not
  // wanted.
  virtual std::optional<double> Read(int position) = 0;
};

// Where a position's figures come from.
enum class CounterOrigin {
  kUndecided,    // still watching the performance counter
  kPerformance,  // the system's performance counter
  kNative,       // our own reading of the system calls
  kNone,         // no source: the figure stays absent
};

// Chooses, per position, between the performance counters and the native
// readings, and gives the figures of each sample:
// - a counter that could not be added goes native at once;
// - one that cannot be read for kFailureLimit samples in a row goes native
//   for good; a shorter gap is filled from the native reading;
// - the processor counter must change within its first kProbation samples,
//   because a broken counter (Wine's among them) reports one constant. A real
//   processor figure, as a double, does not repeat exactly for seconds unless
//   pinned at 0 or 100, where the native figure says the same anyway. Until
//   decided, only the native figure is shown.
// The native readings are taken only for the positions whose figure they give
// in that sample: a disk is not opened for a figure the counters serve.
class CounterSampler {
 public:
  static constexpr int kFailureLimit = 3;
  static constexpr int kProbation = 5;

  CounterSampler(CounterReadings& performance, CounterReadings& native)
      : performance_(performance), native_(native) {}

  // Takes one sample: the performance counters first, then what they leave
  // to the native readings.
  platform::CounterSnapshot Sample();
  CounterOrigin Origin(int position) const;
  std::array<CounterOrigin, 5> Origins() const;

 private:
  struct Choice {
    CounterOrigin origin = CounterOrigin::kUndecided;
    int samples = 0;
    int failures = 0;  // consecutive unreadable performance samples
    int readings = 0;  // readable performance samples while on probation
    std::optional<double> first;
    bool changed = false;
    bool native_seen = false;
  };

  static bool NeedsNative(int position, const Choice& choice,
                          const std::optional<double>& performance);
  std::optional<double> Choose(int position, Choice& choice, bool has_performance,
                               std::optional<double> performance);
  std::optional<double> OnProbation(Choice& choice, std::optional<double> performance,
                                    std::optional<double> native);

  CounterReadings& performance_;
  CounterReadings& native_;
  std::array<Choice, 5> choices_{};
};

}  // namespace kelvara::win32
