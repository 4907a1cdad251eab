#pragma once

namespace kelvara {

// Base year of the 19-year cycle that holds `year`.
int MoonBaseYear(int year);

// The constant a month adds; 0 for a month outside 1 to 12.
int MoonMonthConstant(int month);

// Days since the last new moon by the calendar rule: 11 days a year since the
// cycle's base year, the month's constant and the day, reduced below 30. Sums
// below zero (years before the first base) stay as they are.
int MoonAge(int year, int month, int day);

}  // namespace kelvara
