#include "platform/win32/pdh_counters.h"

#include <pdhmsg.h>

namespace kelvara::win32 {

PdhCounters::PdhCounters() {
  if (PdhOpenQueryW(nullptr, 0, query_.put()) != ERROR_SUCCESS) {
    query_.release();  // nothing was opened
    return;
  }
  for (std::size_t i = 0; i < counters_.size(); ++i) {
    if (PdhAddEnglishCounterW(query_.get(), kCounterPaths[i], 0, &counters_[i]) != ERROR_SUCCESS) {
      counters_[i] = nullptr;
    }
  }
}

bool PdhCounters::Has(int position) const {
  return position >= 1 && position <= 5 && counters_[static_cast<std::size_t>(position - 1)];
}

void PdhCounters::Collect(Positions) {
  collected_ = query_ && PdhCollectQueryData(query_.get()) == ERROR_SUCCESS;
}

std::optional<double> PdhCounters::Read(int position) {
  if (!collected_ || !Has(position)) return std::nullopt;
  PDH_FMT_COUNTERVALUE value{};
  DWORD type = 0;
  // Disk time may pass 100 and must be shown so.
  const PDH_STATUS status =
      PdhGetFormattedCounterValue(counters_[static_cast<std::size_t>(position - 1)],
                                  PDH_FMT_DOUBLE | PDH_FMT_NOCAP100, &type, &value);
  if (status != ERROR_SUCCESS) return std::nullopt;
  if (value.CStatus != PDH_CSTATUS_VALID_DATA && value.CStatus != PDH_CSTATUS_NEW_DATA) {
    return std::nullopt;
  }
  return value.doubleValue;
}

}  // namespace kelvara::win32
