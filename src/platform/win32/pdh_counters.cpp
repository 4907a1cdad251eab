#include "platform/win32/pdh_counters.h"

#include <pdhmsg.h>

#include "platform/win32/system_library.h"

namespace kelvara::win32 {
namespace {

// pdh.dll is not one of the libraries Windows always takes from System32, so
// it is not imported: it is loaded from there when the counters open.
struct PdhCalls {
  decltype(&PdhOpenQueryW) open = nullptr;
  decltype(&PdhAddEnglishCounterW) add = nullptr;
  decltype(&PdhCollectQueryData) collect = nullptr;
  decltype(&PdhGetFormattedCounterValue) value = nullptr;
  decltype(&PdhCloseQuery) close = nullptr;

  bool complete() const { return open && add && collect && value && close; }
};

const PdhCalls& Pdh() {
  static const PdhCalls calls = [] {
    constexpr const wchar_t* kLibrary = L"pdh.dll";
    PdhCalls loaded;
    loaded.open = SystemFunction<decltype(loaded.open)>(kLibrary, "PdhOpenQueryW");
    loaded.add = SystemFunction<decltype(loaded.add)>(kLibrary, "PdhAddEnglishCounterW");
    loaded.collect = SystemFunction<decltype(loaded.collect)>(kLibrary, "PdhCollectQueryData");
    loaded.value = SystemFunction<decltype(loaded.value)>(kLibrary, "PdhGetFormattedCounterValue");
    loaded.close = SystemFunction<decltype(loaded.close)>(kLibrary, "PdhCloseQuery");
    return loaded.complete() ? loaded : PdhCalls{};
  }();
  return calls;
}

}  // namespace

void ClosePdhQuery(PDH_HQUERY query) {
  if (Pdh().close) Pdh().close(query);
}

PdhCounters::PdhCounters() {
  const PdhCalls& pdh = Pdh();
  if (!pdh.complete()) return;  // every counter goes native
  if (pdh.open(nullptr, 0, query_.put()) != ERROR_SUCCESS) {
    query_.release();  // nothing was opened
    return;
  }
  for (std::size_t i = 0; i < counters_.size(); ++i) {
    if (pdh.add(query_.get(), kCounterPaths[i], 0, &counters_[i]) != ERROR_SUCCESS) {
      counters_[i] = nullptr;
    }
  }
}

bool PdhCounters::Has(int position) const {
  return position >= 1 && position <= 5 && counters_[static_cast<std::size_t>(position - 1)];
}

void PdhCounters::Collect(Positions) {
  collected_ = query_ && Pdh().collect(query_.get()) == ERROR_SUCCESS;
}

std::optional<double> PdhCounters::Read(int position) {
  if (!collected_ || !Has(position)) return std::nullopt;
  PDH_FMT_COUNTERVALUE value{};
  DWORD type = 0;
  // Disk time may pass 100 and must be shown so.
  const PDH_STATUS status = Pdh().value(counters_[static_cast<std::size_t>(position - 1)],
                                        PDH_FMT_DOUBLE | PDH_FMT_NOCAP100, &type, &value);
  if (status != ERROR_SUCCESS) return std::nullopt;
  if (value.CStatus != PDH_CSTATUS_VALID_DATA && value.CStatus != PDH_CSTATUS_NEW_DATA) {
    return std::nullopt;
  }
  return value.doubleValue;
}

}  // namespace kelvara::win32
