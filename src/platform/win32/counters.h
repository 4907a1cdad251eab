#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/counters.h"
#include "platform/win32/counter_sampler.h"
#include "platform/win32/thread.h"

namespace kelvara::win32 {

// Makes a source of readings: the native one as the source is made, the
// performance one on the sampler thread.
using ReadingsFactory = std::function<std::unique_ptr<CounterReadings>()>;

// The counter source of the main window: a thread of its own opens the
// performance counters, samples them with the native readings on its own
// schedule and publishes the figures; Latest only copies them. Opening can
// take seconds, and until it is done Latest takes the native figures itself,
// at most once an interval: all but disk time, which may not need a disk
// opened at all. (A second thread for the opening would cost an idle
// monitor under Wine a megabyte after it ends.) The thread stops and is
// joined when the object ends.
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
  void Run(const ReadingsFactory& performance);
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
  // Latest's until `opened_`, then the thread's alone.
  const std::unique_ptr<CounterReadings> native_;
  bool opened_ = false;
  std::optional<std::chrono::steady_clock::time_point> native_taken_;
  Thread thread_;  // last, so that it starts after everything it uses
};

}  // namespace kelvara::win32
