// The native figures, each as its counter means it.
#include "platform/win32/native_counters.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace kelvara::win32 {
namespace {

constexpr std::nullopt_t kNone = std::nullopt;

struct ProcessorRow {
  SystemTimes before, after;
  std::optional<double> percent;
};

TEST(NativeFigures, ProcessorTimeFromTheSystemTimes) {
  const ProcessorRow rows[] = {
      // Kernel time includes idle time.
      {{0, 0, 0}, {500, 1000, 1000}, 75.0},
      {{100, 200, 300}, {1100, 1200, 300}, 0.0},
      {{100, 200, 300}, {100, 1200, 1300}, 100.0},
      {{1000, 4000, 2000}, {1250, 4500, 2500}, 75.0},
      {{5, 5, 5}, {5, 5, 5}, kNone},        // no time passed
      {{5, 50, 5}, {4, 60, 6}, kNone},      // a clock that went back
      {{0, 0, 0}, {900, 500, 100}, kNone},  // idle beyond all time: nonsense
  };
  for (const ProcessorRow& row : rows) {
    EXPECT_EQ(ProcessorPercent(row.before, row.after), row.percent)
        << row.after.idle << " " << row.after.kernel << " " << row.after.user;
  }
}

TEST(NativeFigures, AvailableMemoryInWholeMegabytes) {
  const std::pair<std::uint64_t, double> rows[] = {
      {0, 0},
      {1048575, 0},
      {1048576, 1},
      {3 * 1048576 - 1, 2},
      {8ull * 1024 * 1048576 + 524288, 8192},
  };
  for (const auto& [bytes, megabytes] : rows) EXPECT_EQ(AvailableMegabytes(bytes), megabytes);
}

struct FreeSpaceRow {
  std::vector<DriveSpace> drives;
  std::optional<double> percent;
};

TEST(NativeFigures, FreeSpaceOverAllFixedDrivesTogether) {
  const FreeSpaceRow rows[] = {
      {{{25, 100}}, 25.0},
      {{{10, 100}, {90, 300}}, 25.0},
      {{{0, 500}, {500, 500}}, 50.0},
      {{{3ull << 40, 4ull << 40}}, 75.0},  // terabytes do not overflow
      {{}, kNone},
      {{{0, 0}}, kNone},
  };
  for (const FreeSpaceRow& row : rows) EXPECT_EQ(FreeSpacePercent(row.drives), row.percent);
}

struct DiskRow {
  std::vector<std::optional<DiskTimes>> before, after;
  std::optional<double> percent;
};

TEST(NativeFigures, DiskTimeIsReadPlusWriteOverElapsedAveragedOverDisks) {
  const DiskRow rows[] = {
      {{DiskTimes{0, 0, 0}}, {DiskTimes{2000000, 3000000, 10000000}}, 50.0},
      // Overlapping requests: more than 100, as the counter shows.
      {{DiskTimes{0, 0, 0}}, {DiskTimes{8000000, 7000000, 10000000}}, 150.0},
      {{DiskTimes{0, 0, 0}, DiskTimes{0, 0, 0}},
       {DiskTimes{5000000, 0, 10000000}, DiskTimes{0, 1000000, 10000000}},
       30.0},
      // A disk that could not be read either time is left out.
      {{DiskTimes{0, 0, 0}, std::nullopt},
       {DiskTimes{1000000, 0, 10000000}, DiskTimes{0, 1000000, 10000000}},
       10.0},
      {{DiskTimes{7, 7, 100}}, {DiskTimes{7, 7, 100}}, kNone},  // no time passed
      {{}, {}, kNone},
  };
  for (const DiskRow& row : rows) EXPECT_EQ(DiskTimePercent(row.before, row.after), row.percent);
}

struct PageFileRow {
  CommitFigures commit;
  std::optional<double> percent;
};

TEST(NativeFigures, PageFilePeakFromTheCommitFigures) {
  const PageFileRow rows[] = {
      // 4 GiB of memory and a 4 GiB page file, in 4 KiB pages.
      {{300000, 524288, 2097152, 1048576, 4096}, 25.0},
      // A peak reported below the current charge: the charge is the peak.
      {{1048576, 0, 2097152, 1048576, 4096}, 50.0},
      // No page file: the limit is physical memory, give or take a few pages.
      {{300000, 400000, 1048578, 1048576, 4096}, kNone},
      {{300000, 400000, 1048576, 1048576, 4096}, kNone},
      // Exactly one megabyte of page file counts.
      {{10, 20, 1048576 + 256, 1048576, 4096}, 20.0 * 100.0 / (1048576 + 256)},
      {{0, 0, 2097152, 1048576, 4096}, kNone},
  };
  for (const PageFileRow& row : rows) EXPECT_EQ(PageFilePeakPercent(row.commit), row.percent);
}

}  // namespace
}  // namespace kelvara::win32
