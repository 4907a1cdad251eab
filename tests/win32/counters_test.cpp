// The sampler thread: it publishes what it samples, Latest never waits for
// the system, and the thread ends with its owner.
#include "platform/win32/counters.h"

#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>

#include "platform/win32/wine.h"
#include "scripted_readings.h"

namespace kelvara::win32 {
namespace {

using namespace std::chrono_literals;
using fakes::kNone;
using fakes::ScriptedReadings;

// Waits for a condition; generous, so that a busy machine does not fail it.
template <typename Condition>
bool WaitFor(Condition condition, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    Sleep(10);
  }
  return true;
}

ReadingsFactory Scripted(std::function<void(ScriptedReadings&)> script) {
  return [script] {
    auto readings = std::make_unique<ScriptedReadings>();
    script(*readings);
    return readings;
  };
}

TEST(Win32Counters, PublishesTheChosenFiguresOfEachSample) {
  Win32Counters counters(Scripted([](ScriptedReadings& r) {
                           r.Set(1, true, {33.5});
                           r.Set(4, true, {kNone, 153.0});
                         }),
                         Scripted([](ScriptedReadings& r) {
                           r.Set(2, true, {2048.0});
                           r.Set(5, true, {kNone, 12.0});
                         }),
                         5ms);
  const std::array<std::optional<double>, 5> chosen{33.5, 2048.0, kNone, 153.0, 12.0};
  EXPECT_TRUE(WaitFor([&] { return counters.Latest().values == chosen; }, 10s));
  const std::array<CounterOrigin, 5> origins = counters.Origins();
  EXPECT_EQ(origins[0], CounterOrigin::kPerformance);
  EXPECT_EQ(origins[1], CounterOrigin::kNative);
  EXPECT_EQ(origins[2], CounterOrigin::kNone);
}

TEST(Win32Counters, NothingIsPresentBeforeTheFirstSample) {
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  Win32Counters counters(
      [released] {
        released.wait();  // a slow counter system
        return std::make_unique<ScriptedReadings>();
      },
      Scripted([](ScriptedReadings&) {}), 5ms);
  EXPECT_EQ(counters.samples(), 0u);
  const platform::CounterSnapshot first = counters.Latest();
  for (const auto& value : first.values) EXPECT_FALSE(value.has_value());
  release.set_value();
}

TEST(Win32Counters, NativeFiguresButDiskTimeArriveWhileThePerformanceCountersOpen) {
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  Win32Counters counters(
      [released] {
        released.wait();
        auto readings = std::make_unique<ScriptedReadings>();
        for (int position = 1; position <= 5; ++position) readings->Set(position, true, {10.0});
        return readings;
      },
      Scripted([](ScriptedReadings& r) {
        for (int position = 1; position <= 5; ++position) r.Set(position, true, {20.0});
      }),
      5ms);
  const std::array<std::optional<double>, 5> native_alone{20.0, 20.0, 20.0, kNone, 20.0};
  EXPECT_TRUE(WaitFor([&] { return counters.Latest().values == native_alone; }, 10s));
  EXPECT_EQ(counters.Origins(), (std::array<CounterOrigin, 5>{}));
  release.set_value();
  // The processor stays native for its probation.
  const std::array<std::optional<double>, 5> opened{10.0, 10.0, 10.0, 10.0, 20.0};
  EXPECT_TRUE(WaitFor([&] { return counters.Latest().values == opened; }, 10s));
}

// A source whose sample takes as long as the test wants.
class BlockingReadings final : public CounterReadings {
 public:
  explicit BlockingReadings(std::shared_future<void> go) : go_(std::move(go)) {}
  bool Has(int) const override { return true; }
  void Collect(Positions) override { go_.wait(); }
  std::optional<double> Read(int position) override { return position * 1.0; }

 private:
  std::shared_future<void> go_;
};

TEST(Win32Counters, LatestDoesNotWaitForASampleInProgress) {
  std::promise<void> go;
  std::shared_future<void> going = go.get_future().share();
  Win32Counters counters([going] { return std::make_unique<BlockingReadings>(going); },
                         Scripted([](ScriptedReadings&) {}), 5ms);
  Sleep(50);  // let the thread reach its blocked sample
  auto read = std::async(std::launch::async, [&] { return counters.Latest(); });
  const bool answered = read.wait_for(10s) == std::future_status::ready;
  go.set_value();
  ASSERT_TRUE(answered);
  EXPECT_FALSE(read.get().values[0].has_value());
  EXPECT_TRUE(WaitFor([&] { return counters.Latest().At(3) == 3.0; }, 10s));
}

TEST(Win32Counters, EndingStopsTheThreadWithoutWaitingForTheNextSample) {
  auto counters = std::make_unique<Win32Counters>(Scripted([](ScriptedReadings&) {}),
                                                  Scripted([](ScriptedReadings&) {}), 1h);
  ASSERT_TRUE(WaitFor([&] { return counters->samples() >= 1; }, 10s));
  const auto start = std::chrono::steady_clock::now();
  counters.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, 30s);
}

int ThreadsOfThisProcess() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  int count = 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  }
  CloseHandle(snapshot);
  return count;
}

TEST(Win32Counters, ManyStartsAndStopsLeaveNoThreadBehind) {
  const int before = ThreadsOfThisProcess();
  ASSERT_GT(before, 0);
  for (int i = 0; i < 50; ++i) {
    Win32Counters counters(Scripted([](ScriptedReadings& r) { r.Set(1, true, {1.0}); }),
                           Scripted([](ScriptedReadings&) {}), 1ms);
    if (i % 2 == 0) WaitFor([&] { return counters.samples() >= 1; }, 10s);
  }
  // A joined thread may take a moment to leave the system's list.
  EXPECT_TRUE(WaitFor([&] { return ThreadsOfThisProcess() == before; }, 10s))
      << ThreadsOfThisProcess() << " threads, " << before << " before";
}

// The real sources on this machine. Under Wine the processor, memory and
// free-space figures come from the native readings; disk time and page-file
// peak have no source there (no disk statistics, no page file).
TEST(Win32Counters, RealSourcesGiveProcessorMemoryAndFreeSpace) {
  Win32Counters counters;
  const auto ready = [&] {
    const platform::CounterSnapshot s = counters.Latest();
    return s.At(platform::kProcessorTimePercent) && s.At(platform::kAvailableMegabytes) &&
           s.At(platform::kFreeSpacePercent);
  };
  // About two seconds: the processor figure needs two samples a second apart.
  ASSERT_TRUE(WaitFor(ready, 15s));
  const platform::CounterSnapshot s = counters.Latest();
  EXPECT_GE(*s.At(platform::kProcessorTimePercent), 0.0);
  EXPECT_LE(*s.At(platform::kProcessorTimePercent), 100.0);
  EXPECT_GT(*s.At(platform::kAvailableMegabytes), 0.0);
  EXPECT_GE(*s.At(platform::kFreeSpacePercent), 0.0);
  EXPECT_LE(*s.At(platform::kFreeSpacePercent), 100.0);
  MEMORYSTATUSEX memory{};
  memory.dwLength = sizeof memory;
  ASSERT_TRUE(GlobalMemoryStatusEx(&memory));
  EXPECT_LE(*s.At(platform::kAvailableMegabytes), memory.ullTotalPhys / 1048576.0);
  if (RunningUnderWine()) {
    RecordProperty("disk_time_present", s.At(platform::kDiskTimePercent).has_value());
    RecordProperty("page_file_present", s.At(platform::kPageFileUsagePeak).has_value());
  }
}

}  // namespace
}  // namespace kelvara::win32
