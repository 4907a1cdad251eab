#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/counter_sampler.h"
#include "platform/win32/raii.h"

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
// The system's commit figures, in pages of page_size bytes.
struct CommitFigures {
  std::uint64_t total = 0, peak = 0, limit = 0, physical_total = 0, page_size = 0;
};
// The peak commit charge over the commit limit, percent: the nearest figure to
// the page files' peak usage that the documented calls give (it counts
// physical memory as well). A peak reported as less than the current charge
// is taken as the current charge. Nothing when there is no page file: the
// limit passes physical memory by less than a megabyte.
std::optional<double> PageFilePeakPercent(const CommitFigures& commit);

// The five figures from the kernel's own calls, for counters the performance
// counters cannot give: processor times, memory status, the fixed drives'
// free space, the physical disks' performance statistics, the system's
// commit figures.
class NativeCounters final : public CounterReadings {
 public:
  NativeCounters();
  bool Has(int position) const override;
  void Collect() override;
  std::optional<double> Read(int position) override;

 private:
  std::vector<std::optional<DiskTimes>> ReadDisks() const;
  std::vector<DriveSpace> FixedDriveSpace();

  // Listing the drives costs Wine a server call per letter; the fixed ones
  // change rarely, so they are looked up again only every so many samples.
  static constexpr int kSamplesPerDriveScan = 30;

  std::array<bool, 5> has_{};
  std::vector<std::wstring> fixed_roots_;
  int samples_to_drive_scan_ = 0;
  std::array<std::optional<double>, 5> values_{};
  std::optional<SystemTimes> times_;
  std::vector<UniqueFile> disks_;
  std::vector<std::optional<DiskTimes>> disk_times_;
};

}  // namespace kelvara::win32
