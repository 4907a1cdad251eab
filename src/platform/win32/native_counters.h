#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/counter_sampler.h"

namespace kelvara::win32 {

// The system's processor times, in 100 ns units; kernel time includes idle.
struct SystemTimes {
  std::uint64_t idle = 0, kernel = 0, user = 0;
};

// One physical disk's cumulative read and write times and the moment they
// were taken, in 100 ns units.
struct DiskTimes {
  std::int64_t read = 0, write = 0, query = 0;
};

struct DriveSpace {
  std::uint64_t free = 0, total = 0;
};

// The figures of the native readings, each as its counter means it.
// Busy share of the processors between two readings, percent.
std::optional<double> ProcessorPercent(const SystemTimes& before, const SystemTimes& after);
// Whole megabytes (of 1048576 bytes), as the counter counts them.
double AvailableMegabytes(std::uint64_t available_bytes);
// Free share of all the drives together, percent.
std::optional<double> FreeSpacePercent(const std::vector<DriveSpace>& drives);
// Read plus write time over elapsed time, averaged over the disks; it passes
// 100 when requests overlap, as the counter does. Disks missing from either
// reading are left out.
std::optional<double> DiskTimePercent(const std::vector<std::optional<DiskTimes>>& before,
                                      const std::vector<std::optional<DiskTimes>>& after);
// One paging file's size, use and peak use, in pages.
struct PageFileRecord {
  std::uint64_t total = 0, in_use = 0, peak = 0;
};
// The paging files' peak use over their size, percent, as the counter of all
// paging files together gives it. A peak reported as less than the current
// use is taken as the current use. Nothing when there is no paging file.
std::optional<double> PageFilePeakPercent(const std::vector<PageFileRecord>& files);

// Counts down the samples until a list is looked up again.
class Rescan {
 public:
  bool Due() {
    if (left_-- > 0) return false;
    left_ = kSamples - 1;
    return true;
  }

 private:
  // Listing the drives costs Wine a server call per letter, and trying a
  // missing disk costs Windows a failed open; both change rarely.
  static constexpr int kSamples = 30;
  int left_ = 0;
};

// The five figures from the kernel's own calls, for counters the performance
// counters cannot give: processor times, memory status, the fixed drives'
// free space, the physical disks' performance statistics, the paging files.
// Each disk is opened only for the sample that reads it, so that the user can
// still remove it safely; a rate whose position was not wanted last time
// starts afresh.
class NativeCounters final : public CounterReadings {
 public:
  NativeCounters();
  bool Has(int position) const override;
  void Collect(Positions wanted) override;
  std::optional<double> Read(int position) override;

  // The disks opened so far, and how many are open now.
  int disk_opens() const { return disk_opens_; }
  int disks_open() const { return disks_open_; }

 private:
  std::vector<std::optional<DiskTimes>> ReadDisks();
  std::optional<DiskTimes> ReadDiskNumber(int number);
  std::vector<DriveSpace> FixedDriveSpace();

  std::array<bool, 5> has_{};
  std::vector<std::wstring> fixed_roots_;
  Rescan drive_scan_, disk_scan_;
  std::vector<int> disk_numbers_;  // the disks that could be read at the last scan
  std::array<std::optional<double>, 5> values_{};
  std::optional<SystemTimes> times_;
  std::vector<std::optional<DiskTimes>> disk_times_;  // by disk number
  int disk_opens_ = 0;
  int disks_open_ = 0;
};

}  // namespace kelvara::win32
