#pragma once

namespace kelvara::win32 {

// True under Wine. Only to explain the figures Wine does not give (some
// performance counters, disk statistics); behaviour never depends on it.
bool RunningUnderWine();

}  // namespace kelvara::win32
