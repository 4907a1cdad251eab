// Which source each counter position takes its figures from, sample by sample.
#include "platform/win32/counter_sampler.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

#include "scripted_readings.h"

namespace kelvara::win32 {
namespace {

using fakes::kNone;
using fakes::Script;
using fakes::ScriptedReadings;

struct ChoiceRow {
  const char* name;
  int position;
  bool performance_added;
  Script performance;
  bool native_present;
  Script native;
  Script shown;  // one figure per sample
  CounterOrigin origin;
  const char* native_read;  // per sample: 'n' when the native reading was taken
};

const ChoiceRow kChoiceRows[] = {
    {"a readable counter is used",
     platform::kAvailableMegabytes,
     true,
     {2048, 2040, 2100},
     true,
     {1900, 1901, 1902},
     {2048, 2040, 2100},
     CounterOrigin::kPerformance,
     "---"},
    {"a counter that could not be added goes native at once",
     platform::kAvailableMegabytes,
     false,
     {},
     true,
     {1900, 1901, 1902},
     {1900, 1901, 1902},
     CounterOrigin::kNative,
     "nnn"},
    {"without any source the figure is absent",
     platform::kDiskTimePercent,
     false,
     {},
     false,
     {},
     {kNone, kNone, kNone},
     CounterOrigin::kNone,
     "---"},
    {"a rate counter's first empty sample is not a failure",
     platform::kDiskTimePercent,
     true,
     {kNone, 12.5, 153},
     true,
     {kNone, 11, 140},
     {kNone, 12.5, 153},
     CounterOrigin::kPerformance,
     "n--"},
    {"a short gap is filled from the native reading",
     platform::kFreeSpacePercent,
     true,
     {40.5, kNone, kNone, 40.4},
     true,
     {30, 31, 32, 33},
     {40.5, 31, 32, 40.4},
     CounterOrigin::kPerformance,
     "-nn-"},
    {"three unreadable samples in a row go native for good",
     platform::kFreeSpacePercent,
     true,
     {kNone, kNone, kNone, 45, 46},
     true,
     {30, 31, 32, 33, 34},
     {30, 31, 32, 33, 34},
     CounterOrigin::kNative,
     "nnnnn"},
    {"a counter that fails later goes native after three samples",
     platform::kAvailableMegabytes,
     true,
     {2048, 2040, kNone, kNone, kNone, 2100},
     true,
     {1900, 1901, 1902, 1903, 1904, 1905},
     {2048, 2040, 1902, 1903, 1904, 1905},
     CounterOrigin::kNative,
     "--nnnn"},
    {"an unreadable counter without a native reading stays absent",
     platform::kPageFileUsagePeak,
     true,
     {kNone, kNone, kNone, kNone},
     false,
     {},
     {kNone, kNone, kNone, kNone},
     CounterOrigin::kPerformance,
     "----"},
    {"a processor counter that never changes goes native",
     platform::kProcessorTimePercent,
     true,
     {0, 0, 0, 0, 0, 0, 0},
     true,
     {kNone, 20, 35, 50, 10, 60, 70},
     {kNone, 20, 35, 50, 10, 60, 70},
     CounterOrigin::kNative,
     "nnnnnnn"},
    {"a processor counter that changes is used after its probation",
     platform::kProcessorTimePercent,
     true,
     {kNone, 20.5, 35.1, 49.9, 10.2, 60.3, 70.7},
     true,
     {kNone, 20, 35, 50, 10, 60, 70},
     {kNone, 20, 35, 50, 10, 60.3, 70.7},
     CounterOrigin::kPerformance,
     "nnnnn--"},
    {"a constant processor counter without a native reading is used",
     platform::kProcessorTimePercent,
     true,
     {50, 50, 50, 50, 50, 50},
     false,
     {},
     {50, 50, 50, 50, 50, 50},
     CounterOrigin::kPerformance,
     "------"},
    {"an unreadable processor counter goes native after three samples",
     platform::kProcessorTimePercent,
     true,
     {kNone, kNone, kNone, kNone},
     true,
     {kNone, 20, 30, 40},
     {kNone, 20, 30, 40},
     CounterOrigin::kNative,
     "nnnn"},
    {"a native figure is shown as read",
     platform::kPageFileUsagePeak,
     false,
     {},
     true,
     {12.25},
     {12.25, 12.25},
     CounterOrigin::kNative,
     "nn"},
};

void PrintTo(const ChoiceRow& row, std::ostream* out) { *out << row.name; }

class CounterChoice : public ::testing::TestWithParam<ChoiceRow> {};

TEST_P(CounterChoice, ShowsTheChosenSourcesFigures) {
  const ChoiceRow& row = GetParam();
  ScriptedReadings performance, native;
  performance.Set(row.position, row.performance_added, row.performance);
  native.Set(row.position, row.native_present, row.native);
  // Every other position has figures of its own that must not leak over.
  for (int other = 1; other <= 5; ++other) {
    if (other == row.position) continue;
    performance.Set(other, true, {1000.0 + other});
    native.Set(other, true, {2000.0 + other});
  }
  CounterSampler sampler(performance, native);
  for (std::size_t sample = 0; sample < row.shown.size(); ++sample) {
    const platform::CounterSnapshot snapshot = sampler.Sample();
    EXPECT_EQ(snapshot.At(row.position), row.shown[sample]) << "sample " << sample + 1;
  }
  EXPECT_EQ(sampler.Origin(row.position), row.origin);
  std::string read;
  for (const Positions& wanted : native.wanted) {
    read += wanted[static_cast<std::size_t>(row.position - 1)] ? 'n' : '-';
  }
  EXPECT_EQ(read, row.native_read);
  EXPECT_EQ(performance.collects, static_cast<int>(row.shown.size()));
  EXPECT_EQ(native.collects, static_cast<int>(row.shown.size()));
}

INSTANTIATE_TEST_SUITE_P(Rows, CounterChoice, ::testing::ValuesIn(kChoiceRows),
                         [](const ::testing::TestParamInfo<ChoiceRow>& row) {
                           std::string name;
                           for (const char* c = row.param.name; *c != '\0'; ++c) {
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           }
                           return name;
                         });

TEST(CounterSampler, AllFivePositionsAreChosenIndependently) {
  ScriptedReadings performance, native;
  performance.Set(1, true, {40.0});
  native.Set(1, true, {41.0});
  performance.Set(2, false, {});
  native.Set(2, true, {2048.0});
  performance.Set(3, false, {});
  native.Set(3, false, {});
  performance.Set(4, true, {kNone});
  native.Set(4, false, {});
  performance.Set(5, true, {7.0});
  native.Set(5, true, {kNone, 8.0});
  CounterSampler sampler(performance, native);
  sampler.Sample();
  const platform::CounterSnapshot second = sampler.Sample();
  EXPECT_EQ(second.values, (std::array<std::optional<double>, 5>{40.0, 2048.0, kNone, kNone, 8.0}));
  EXPECT_EQ(sampler.Origins(),
            (std::array<CounterOrigin, 5>{CounterOrigin::kPerformance, CounterOrigin::kNative,
                                          CounterOrigin::kNone, CounterOrigin::kPerformance,
                                          CounterOrigin::kUndecided}));
  EXPECT_EQ(sampler.Origin(0), CounterOrigin::kNone);
  EXPECT_EQ(sampler.Origin(6), CounterOrigin::kNone);
}

}  // namespace
}  // namespace kelvara::win32
