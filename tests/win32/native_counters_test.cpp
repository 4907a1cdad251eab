// The native figures, each as its counter means it.
#include "platform/win32/native_counters.h"

#include <windows.h>

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
  std::vector<PageFileRecord> files;
  std::optional<double> percent;
};

TEST(NativeFigures, PageFilePeakFromThePagingFiles) {
  const PageFileRow rows[] = {
      // A 4 GiB paging file in 4 KiB pages, a quarter of it used at the peak.
      {{{1048576, 100000, 262144}}, 25.0},
      // A peak reported below the current use: the use is the peak.
      {{{1000, 500, 0}}, 50.0},
      // Two files: the peaks together over the sizes together.
      {{{1000, 100, 300}, {3000, 500, 700}}, 25.0},
      {{{4000, 4000, 4000}}, 100.0},
      {{{2000, 0, 0}}, 0.0},
      // No paging file, or one of no size.
      {{}, kNone},
      {{{0, 0, 0}}, kNone},
  };
  for (const PageFileRow& row : rows) {
    EXPECT_EQ(PageFilePeakPercent(row.files), row.percent) << row.files.size() << " files";
  }
}

bool FirstDiskOpens() {
  const HANDLE disk = CreateFileW(L"\\\\.\\PhysicalDrive0", 0, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (disk == INVALID_HANDLE_VALUE) return false;
  CloseHandle(disk);
  return true;
}

// The disks are opened only in the samples that read them, and never stay
// open: a USB disk must stay removable while the monitor runs.
TEST(NativeCounters, OpensTheDisksOnlyForTheSamplesThatWantDiskTime) {
  NativeCounters native;
  const Positions all_but_disk{0x1fu & ~(1u << (platform::kDiskTimePercent - 1))};
  for (int sample = 0; sample < 3; ++sample) native.Collect(all_but_disk);
  EXPECT_EQ(native.disk_opens(), 0);
  EXPECT_FALSE(native.Read(platform::kDiskTimePercent).has_value());

  // Wine opens the first disk, although it cannot read its statistics.
  native.Collect(kAllPositions);
  native.Collect(kAllPositions);
  if (FirstDiskOpens()) {
    EXPECT_GT(native.disk_opens(), 0);
  }
  EXPECT_EQ(native.disks_open(), 0);
  const int opens = native.disk_opens();
  native.Collect(all_but_disk);
  EXPECT_EQ(native.disk_opens(), opens);
}

TEST(NativeCounters, APositionNotWantedReadsNothing) {
  NativeCounters native;
  native.Collect(Positions{1u << (platform::kAvailableMegabytes - 1)});
  EXPECT_TRUE(native.Read(platform::kAvailableMegabytes).has_value());
  EXPECT_FALSE(native.Read(platform::kFreeSpacePercent).has_value());
  native.Collect(Positions{});
  EXPECT_FALSE(native.Read(platform::kAvailableMegabytes).has_value());
}

}  // namespace
}  // namespace kelvara::win32
