#pragma once

#include <windows.h>

#include <pdh.h>

#include <array>
#include <optional>

#include "platform/win32/counter_sampler.h"
#include "platform/win32/raii.h"

namespace kelvara::win32 {

// The five counters by their English paths, which every language of Windows
// understands; positions 1 to 5.
inline constexpr std::array<const wchar_t*, 5> kCounterPaths = {
    L"\\LogicalDisk(_Total)\\% Free Space",   L"\\Memory\\Available MBytes",
    L"\\Paging File(_Total)\\% Usage Peak",   L"\\PhysicalDisk(_Total)\\% Disk Time",
    L"\\Processor(_Total)\\% Processor Time",
};

// The system's performance counters through one PDH query. Make it on the
// thread that samples: opening the query can take a while.
class PdhCounters final : public CounterReadings {
 public:
  PdhCounters();
  bool Has(int position) const override;
  // The query samples all of its counters at once.
  void Collect(Positions wanted) override;
  std::optional<double> Read(int position) override;

 private:
  UniquePdhQuery query_;
  std::array<PDH_HCOUNTER, 5> counters_{};
  bool collected_ = false;
};

}  // namespace kelvara::win32
