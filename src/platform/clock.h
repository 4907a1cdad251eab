#pragma once

#include <string>

namespace kelvara::platform {

struct LocalTime {
  int year = 0, month = 0, day = 0;  // month 1 to 12
  int hour = 0, minute = 0, second = 0;
};

// The local clock and the locale's own forms of a date and a time.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() = 0;
  virtual std::string ShortDate(const LocalTime& time) = 0;
  virtual std::string LongTime(const LocalTime& time) = 0;
  virtual std::string LongDate(const LocalTime& time) = 0;
};

}  // namespace kelvara::platform
