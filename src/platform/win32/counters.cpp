#include "platform/win32/counters.h"

#include <optional>
#include <utility>

#include "platform/win32/native_counters.h"
#include "platform/win32/pdh_counters.h"

namespace kelvara::win32 {
namespace {

// Stands in for a source that could not be made at all.
class NoReadings final : public CounterReadings {
 public:
  bool Has(int) const override { return false; }
  void Collect(Positions) override {}
  std::optional<double> Read(int) override { return std::nullopt; }
};

std::unique_ptr<CounterReadings> Make(const ReadingsFactory& factory) {
  std::unique_ptr<CounterReadings> readings;
  try {
    if (factory) readings = factory();
  } catch (...) {
    // A source that failed to open is a source without counters.
  }
  if (!readings) readings = std::make_unique<NoReadings>();
  return readings;
}

// What the native readings give before the performance counters are open.
constexpr Positions kBeforeOpening{0x1fu & ~(1u << (platform::kDiskTimePercent - 1))};

platform::CounterSnapshot NativeOnly(CounterReadings& native) {
  native.Collect(kBeforeOpening);
  platform::CounterSnapshot snapshot;
  for (int position = 1; position <= 5; ++position) {
    if (kBeforeOpening[static_cast<std::size_t>(position - 1)] && native.Has(position)) {
      snapshot.values[static_cast<std::size_t>(position - 1)] = native.Read(position);
    }
  }
  return snapshot;
}

}  // namespace

Win32Counters::Win32Counters()
    : Win32Counters([] { return std::make_unique<PdhCounters>(); },
                    [] { return std::make_unique<NativeCounters>(); },
                    std::chrono::milliseconds(1000)) {}

Win32Counters::Win32Counters(ReadingsFactory performance, ReadingsFactory native,
                             std::chrono::milliseconds interval)
    : interval_(interval),
      thread_(kStackReserve, [this, performance = std::move(performance),
                              native = std::move(native)] { Run(performance, native); }) {}

Win32Counters::~Win32Counters() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
}

platform::CounterSnapshot Win32Counters::Latest() {
  std::lock_guard lock(mutex_);
  return latest_;
}

std::array<CounterOrigin, 5> Win32Counters::Origins() const {
  std::lock_guard lock(mutex_);
  return origins_;
}

std::uint64_t Win32Counters::samples() const {
  std::lock_guard lock(mutex_);
  return samples_;
}

void Win32Counters::Publish(const platform::CounterSnapshot& snapshot,
                            const std::array<CounterOrigin, 5>& origins) {
  latest_ = snapshot;
  origins_ = origins;
  ++samples_;
}

void Win32Counters::Run(const ReadingsFactory& make_performance,
                        const ReadingsFactory& make_native) {
  const std::unique_ptr<CounterReadings> native = Make(make_native);
  std::unique_ptr<CounterReadings> performance;  // the opener's until `opened`
  bool opened = false;
  const Thread opener(0, [&] {
    std::unique_ptr<CounterReadings> made = Make(make_performance);
    {
      std::lock_guard lock(mutex_);
      performance = std::move(made);
      opened = true;
    }
    wake_.notify_all();
  });
  std::optional<CounterSampler> sampler;
  std::unique_lock lock(mutex_);
  while (!stopping_) {
    const bool was_opened = opened;
    // The system is asked without the lock, so Latest never waits for it.
    lock.unlock();
    if (was_opened && !sampler) sampler.emplace(*performance, *native);
    const platform::CounterSnapshot snapshot = sampler ? sampler->Sample() : NativeOnly(*native);
    const std::array<CounterOrigin, 5> origins =
        sampler ? sampler->Origins() : std::array<CounterOrigin, 5>{};
    lock.lock();
    Publish(snapshot, origins);
    wake_.wait_for(lock, interval_, [&] { return stopping_ || opened != was_opened; });
  }
  lock.unlock();  // the opener takes the lock once more before it ends
}

}  // namespace kelvara::win32
