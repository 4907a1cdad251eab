#include "platform/win32/counter_sampler.h"

namespace kelvara::win32 {

platform::CounterSnapshot CounterSampler::Sample() {
  performance_.Collect();
  native_.Collect();
  platform::CounterSnapshot snapshot;
  for (int position = 1; position <= 5; ++position) {
    snapshot.values[static_cast<std::size_t>(position - 1)] =
        Choose(position, choices_[static_cast<std::size_t>(position - 1)]);
  }
  return snapshot;
}

CounterOrigin CounterSampler::Origin(int position) const {
  if (position < 1 || position > 5) return CounterOrigin::kNone;
  return choices_[static_cast<std::size_t>(position - 1)].origin;
}

std::array<CounterOrigin, 5> CounterSampler::Origins() const {
  std::array<CounterOrigin, 5> origins;
  for (int position = 1; position <= 5; ++position) {
    origins[static_cast<std::size_t>(position - 1)] = Origin(position);
  }
  return origins;
}

std::optional<double> CounterSampler::Choose(int position, Choice& choice) {
  const bool has_performance = performance_.Has(position);
  const bool has_native = native_.Has(position);
  const std::optional<double> performance =
      has_performance ? performance_.Read(position) : std::nullopt;
  const std::optional<double> native = has_native ? native_.Read(position) : std::nullopt;
  ++choice.samples;

  if (choice.origin == CounterOrigin::kUndecided) {
    if (!has_performance) {
      choice.origin = has_native ? CounterOrigin::kNative : CounterOrigin::kNone;
    } else if (position == platform::kProcessorTimePercent && has_native) {
      return OnProbation(choice, performance, native);
    } else {
      choice.origin = CounterOrigin::kPerformance;
    }
  }

  switch (choice.origin) {
    case CounterOrigin::kPerformance:
      if (performance) {
        choice.failures = 0;
        return performance;
      }
      if (++choice.failures >= kFailureLimit && has_native) choice.origin = CounterOrigin::kNative;
      return native;
    case CounterOrigin::kNative:
      return native;
    default:
      return std::nullopt;
  }
}

std::optional<double> CounterSampler::OnProbation(Choice& choice, std::optional<double> performance,
                                                  std::optional<double> native) {
  if (performance) {
    choice.failures = 0;
    ++choice.readings;
    if (!choice.first) {
      choice.first = performance;
    } else if (*performance != *choice.first) {
      choice.changed = true;
    }
  } else {
    ++choice.failures;
  }
  if (native) choice.native_seen = true;

  if (choice.failures >= kFailureLimit) {
    choice.origin = CounterOrigin::kNative;
  } else if (choice.samples >= kProbation) {
    const bool stuck = choice.readings >= 2 && !choice.changed && choice.native_seen;
    choice.origin = stuck ? CounterOrigin::kNative : CounterOrigin::kPerformance;
  }
  return native;
}

}  // namespace kelvara::win32
