#include "platform/win32/counter_sampler.h"

namespace kelvara::win32 {

platform::CounterSnapshot CounterSampler::Sample() {
  performance_.Collect(kAllPositions);
  std::array<std::optional<double>, 5> performance;
  Positions wanted;
  for (int position = 1; position <= 5; ++position) {
    const auto i = static_cast<std::size_t>(position - 1);
    if (performance_.Has(position)) performance[i] = performance_.Read(position);
    wanted[i] = native_.Has(position) && NeedsNative(position, choices_[i], performance[i]);
  }
  native_.Collect(wanted);
  platform::CounterSnapshot snapshot;
  for (int position = 1; position <= 5; ++position) {
    const auto i = static_cast<std::size_t>(position - 1);
    snapshot.values[i] = Choose(position, choices_[i], performance_.Has(position), performance[i]);
  }
  return snapshot;
}

bool CounterSampler::NeedsNative(int position, const Choice& choice,
                                 const std::optional<double>& performance) {
  // An unreadable counter is filled in, whatever its state; the processor
  // shows the native figure while its counter is on probation.
  return choice.origin == CounterOrigin::kNative || !performance ||
         (choice.origin == CounterOrigin::kUndecided &&
          position == platform::kProcessorTimePercent);
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

std::optional<double> CounterSampler::Choose(int position, Choice& choice, bool has_performance,
                                             std::optional<double> performance) {
  const bool has_native = native_.Has(position);
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
