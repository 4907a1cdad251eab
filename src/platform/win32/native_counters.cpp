#include "platform/win32/native_counters.h"

#include <windows.h>

#include <psapi.h>
#include <winioctl.h>

#include <cmath>
#include <string>

#include "platform/win32/raii.h"

namespace kelvara::win32 {
namespace {

constexpr std::size_t Index(int position) { return static_cast<std::size_t>(position - 1); }

std::uint64_t Ticks(const FILETIME& t) {
  return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

std::optional<SystemTimes> ReadSystemTimes() {
  FILETIME idle, kernel, user;
  if (!GetSystemTimes(&idle, &kernel, &user)) return std::nullopt;
  return SystemTimes{Ticks(idle), Ticks(kernel), Ticks(user)};
}

std::optional<DiskTimes> ReadDisk(HANDLE disk) {
  DISK_PERFORMANCE performance{};
  DWORD returned = 0;
  if (!DeviceIoControl(disk, IOCTL_DISK_PERFORMANCE, nullptr, 0, &performance, sizeof performance,
                       &returned, nullptr) ||
      returned < sizeof performance) {
    return std::nullopt;
  }
  return DiskTimes{performance.ReadTime.QuadPart, performance.WriteTime.QuadPart,
                   performance.QueryTime.QuadPart};
}

std::vector<std::wstring> FixedRoots() {
  std::vector<std::wstring> roots;
  const DWORD letters = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if ((letters & (1u << i)) == 0) continue;
    std::wstring root{static_cast<wchar_t>(L'A' + i), L':', L'\\'};
    if (GetDriveTypeW(root.c_str()) == DRIVE_FIXED) roots.push_back(std::move(root));
  }
  return roots;
}

BOOL CALLBACK AddPageFile(void* context, PENUM_PAGE_FILE_INFORMATION info, LPCWSTR) {
  static_cast<std::vector<PageFileRecord>*>(context)->push_back(
      PageFileRecord{info->TotalSize, info->TotalInUse, info->PeakUsage});
  return TRUE;
}

std::optional<double> PageFileFigure() {
  std::vector<PageFileRecord> files;
  // MinGW's header declares the callback without its calling convention,
  // which only the 32-bit build tells apart; the system calls it as WINAPI.
  const auto callback =
      reinterpret_cast<PENUM_PAGE_FILE_CALLBACKW>(reinterpret_cast<void (*)()>(&AddPageFile));
  if (!EnumPageFilesW(callback, &files)) return std::nullopt;
  return PageFilePeakPercent(files);
}

constexpr int kMostDisks = 16;

}  // namespace

std::optional<double> ProcessorPercent(const SystemTimes& before, const SystemTimes& after) {
  if (after.idle < before.idle || after.kernel < before.kernel || after.user < before.user) {
    return std::nullopt;
  }
  const std::uint64_t idle = after.idle - before.idle;
  const std::uint64_t total = (after.kernel - before.kernel) + (after.user - before.user);
  if (total == 0 || idle > total) return std::nullopt;
  return static_cast<double>(total - idle) * 100.0 / static_cast<double>(total);
}

double AvailableMegabytes(std::uint64_t available_bytes) {
  return static_cast<double>(available_bytes / 1048576);
}

std::optional<double> FreeSpacePercent(const std::vector<DriveSpace>& drives) {
  std::uint64_t free = 0, total = 0;
  for (const DriveSpace& drive : drives) {
    free += drive.free;
    total += drive.total;
  }
  if (total == 0 || free > total) return std::nullopt;
  return static_cast<double>(free) * 100.0 / static_cast<double>(total);
}

std::optional<double> DiskTimePercent(const std::vector<std::optional<DiskTimes>>& before,
                                      const std::vector<std::optional<DiskTimes>>& after) {
  double sum = 0;
  int disks = 0;
  for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
    if (!before[i] || !after[i]) continue;
    const std::int64_t elapsed = after[i]->query - before[i]->query;
    const std::int64_t busy =
        (after[i]->read - before[i]->read) + (after[i]->write - before[i]->write);
    if (elapsed <= 0 || busy < 0) continue;
    sum += static_cast<double>(busy) * 100.0 / static_cast<double>(elapsed);
    ++disks;
  }
  if (disks == 0) return std::nullopt;
  return sum / disks;
}

std::optional<double> PageFilePeakPercent(const std::vector<PageFileRecord>& files) {
  std::uint64_t peak = 0, total = 0;
  for (const PageFileRecord& file : files) {
    peak += file.peak > file.in_use ? file.peak : file.in_use;
    total += file.total;
  }
  if (total == 0) return std::nullopt;
  return static_cast<double>(peak) * 100.0 / static_cast<double>(total);
}

NativeCounters::NativeCounters() {
  has_[Index(platform::kProcessorTimePercent)] = ReadSystemTimes().has_value();
  has_[Index(platform::kAvailableMegabytes)] = true;
  has_[Index(platform::kFreeSpacePercent)] = true;
  has_[Index(platform::kPageFileUsagePeak)] = PageFileFigure().has_value();
  // Whether a disk can be read is found out when its figure is first wanted:
  // no disk is touched while the performance counters serve disk time.
  has_[Index(platform::kDiskTimePercent)] = true;
}

bool NativeCounters::Has(int position) const {
  return position >= 1 && position <= 5 && has_[Index(position)];
}

std::vector<DriveSpace> NativeCounters::FixedDriveSpace() {
  if (drive_scan_.Due()) fixed_roots_ = FixedRoots();
  std::vector<DriveSpace> drives;
  for (const std::wstring& root : fixed_roots_) {
    ULARGE_INTEGER caller_free, total, free;
    // A drive gone since the scan is left out until the next one.
    if (!GetDiskFreeSpaceExW(root.c_str(), &caller_free, &total, &free)) continue;
    drives.push_back(DriveSpace{free.QuadPart, total.QuadPart});
  }
  return drives;
}

std::optional<DiskTimes> NativeCounters::ReadDiskNumber(int number) {
  const std::wstring name = L"\\\\.\\PhysicalDrive" + std::to_wstring(number);
  // Reading a disk's statistics needs no access rights at all.
  const UniqueFile disk(CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
  if (!disk) return std::nullopt;
  ++disk_opens_;
  ++disks_open_;
  const std::optional<DiskTimes> times = ReadDisk(disk.get());
  --disks_open_;
  return times;
}

std::vector<std::optional<DiskTimes>> NativeCounters::ReadDisks() {
  std::vector<std::optional<DiskTimes>> times(kMostDisks);
  if (disk_scan_.Due()) {
    disk_numbers_.clear();
    for (int number = 0; number < kMostDisks; ++number) {
      times[static_cast<std::size_t>(number)] = ReadDiskNumber(number);
      if (times[static_cast<std::size_t>(number)]) disk_numbers_.push_back(number);
    }
  } else {
    for (const int number : disk_numbers_) {
      times[static_cast<std::size_t>(number)] = ReadDiskNumber(number);
    }
  }
  return times;
}

void NativeCounters::Collect(Positions wanted) {
  values_ = {};
  const auto want = [&](int position) { return has_[Index(position)] && wanted[Index(position)]; };

  if (want(platform::kProcessorTimePercent)) {
    const std::optional<SystemTimes> now = ReadSystemTimes();
    if (times_ && now)
      values_[Index(platform::kProcessorTimePercent)] = ProcessorPercent(*times_, *now);
    times_ = now;
  } else {
    times_.reset();
  }

  if (want(platform::kAvailableMegabytes)) {
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    if (GlobalMemoryStatusEx(&memory)) {
      values_[Index(platform::kAvailableMegabytes)] = AvailableMegabytes(memory.ullAvailPhys);
    }
  }

  if (want(platform::kFreeSpacePercent)) {
    values_[Index(platform::kFreeSpacePercent)] = FreeSpacePercent(FixedDriveSpace());
  }

  if (want(platform::kPageFileUsagePeak)) {
    values_[Index(platform::kPageFileUsagePeak)] = PageFileFigure();
  }

  if (want(platform::kDiskTimePercent)) {
    std::vector<std::optional<DiskTimes>> now = ReadDisks();
    if (!disk_times_.empty()) {
      values_[Index(platform::kDiskTimePercent)] = DiskTimePercent(disk_times_, now);
    }
    disk_times_ = std::move(now);
  } else {
    disk_times_.clear();
  }
}

std::optional<double> NativeCounters::Read(int position) {
  if (!Has(position)) return std::nullopt;
  return values_[Index(position)];
}

}  // namespace kelvara::win32
