#pragma once

#include <string>

#include "platform/clock.h"

namespace kelvara::win32 {

// The local clock and the user's locale forms (on Japanese Windows
// "2026/12/07", "13:37:50" and "2026年12月7日").
class Win32Clock final : public platform::Clock {
 public:
  platform::LocalTime Now() override;
  // A time Windows cannot represent gives the empty text.
  std::string ShortDate(const platform::LocalTime& time) override;
  std::string LongTime(const platform::LocalTime& time) override;
  std::string LongDate(const platform::LocalTime& time) override;
};

}  // namespace kelvara::win32
