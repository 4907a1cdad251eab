#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include "platform/counters.h"
#include "platform/win32/counter_sampler.h"
#include "platform/win32/thread.h"

namespace kelvara::win32 {

// Makes a source of readings; called on the sampler thread.
using ReadingsFactory = std::function<std::unique_ptr<CounterReadings>()>;

// The counter source of the main window: a thread of its own owns the
// readings, samples them on its own schedule and publishes the figures;
// Latest only copies them. The performance counters are opened beside it,
// since that can take seconds; until they are, the native figures are
// published alone (all but disk time, which may not need a disk opened at
// all). The threads stop and are joined when the object ends.
class Win32Counters final : public platform::CounterSource {
 public:
  // The system's performance counters with the native readings behind them,
  // sampled once a second.
  Win32Counters();
  Win32Counters(ReadingsFactory performance, ReadingsFactory native,
                std::chrono::milliseconds interval);
  Win32Counters(const Win32Counters&) = delete;
  Win32Counters& operator=(const Win32Counters&) = delete;
  ~Win32Counters() override;

  platform::CounterSnapshot Latest() override;

  // Where each position's figures come from so far, and how many samples
  // have been published.
  std::array<CounterOrigin, 5> Origins() const;
  std::uint64_t samples() const;

 private:
  void Run(const ReadingsFactory& performance, const ReadingsFactory& native);
  void Publish(const platform::CounterSnapshot& snapshot,
               const std::array<CounterOrigin, 5>& origins);

  // The sampler's own work is shallow; what the system's counter libraries
  // do on it is not ours to measure, so it keeps a margin.
  static constexpr std::size_t kStackReserve = 256 * 1024;

  const std::chrono::milliseconds interval_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  platform::CounterSnapshot latest_;
  std::array<CounterOrigin, 5> origins_{};
  std::uint64_t samples_ = 0;
  Thread thread_;  // last, so that it starts after everything it uses
};

}  // namespace kelvara::win32
