#include "platform/win32/counters.h"

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
      native_(Make(native)),
      thread_(kStackReserve, [this, performance = std::move(performance)] { Run(performance); }) {}

Win32Counters::~Win32Counters() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
}

platform::CounterSnapshot Win32Counters::Latest() {
  std::lock_guard lock(mutex_);
  const auto now = std::chrono::steady_clock::now();
  if (!opened_ && (!native_taken_ || now - *native_taken_ >= interval_)) {
    native_taken_ = now;
    Publish(NativeOnly(*native_), {});
  }
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

void Win32Counters::Run(const ReadingsFactory& make_performance) {
  const std::unique_ptr<CounterReadings> performance = Make(make_performance);
  CounterSampler sampler(*performance, *native_);
  std::unique_lock lock(mutex_);
  opened_ = true;
  while (!stopping_) {
    // The system is asked without the lock, so Latest never waits for it.
    lock.unlock();
    const platform::CounterSnapshot snapshot = sampler.Sample();
    const std::array<CounterOrigin, 5> origins = sampler.Origins();
    lock.lock();
    Publish(snapshot, origins);
    wake_.wait_for(lock, interval_, [this] { return stopping_; });
  }
}

}  // namespace kelvara::win32
