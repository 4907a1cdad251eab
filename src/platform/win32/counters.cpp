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
  void Collect() override {}
  std::optional<double> Read(int) override { return std::nullopt; }
};

std::unique_ptr<CounterReadings> Make(const ReadingsFactory& factory) {
  std::unique_ptr<CounterReadings> readings = factory ? factory() : nullptr;
  if (!readings) readings = std::make_unique<NoReadings>();
  return readings;
}

}  // namespace

Win32Counters::Win32Counters()
    : Win32Counters([] { return std::make_unique<PdhCounters>(); },
                    [] { return std::make_unique<NativeCounters>(); },
                    std::chrono::milliseconds(1000)) {}

Win32Counters::Win32Counters(ReadingsFactory performance, ReadingsFactory native,
                             std::chrono::milliseconds interval)
    : interval_(interval),
      thread_(&Win32Counters::Run, this, std::move(performance), std::move(native)) {}

Win32Counters::~Win32Counters() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  thread_.join();
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

void Win32Counters::Run(ReadingsFactory make_performance, ReadingsFactory make_native) {
  const std::unique_ptr<CounterReadings> performance = Make(make_performance);
  const std::unique_ptr<CounterReadings> native = Make(make_native);
  CounterSampler sampler(*performance, *native);
  std::unique_lock lock(mutex_);
  while (!stopping_) {
    // The system is asked without the lock, so Latest never waits for it.
    lock.unlock();
    const platform::CounterSnapshot snapshot = sampler.Sample();
    const std::array<CounterOrigin, 5> origins = sampler.Origins();
    lock.lock();
    latest_ = snapshot;
    origins_ = origins;
    ++samples_;
    wake_.wait_for(lock, interval_, [this] { return stopping_; });
  }
}

}  // namespace kelvara::win32
