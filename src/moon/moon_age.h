#pragma once

namespace kelvara {

// Base year of the 19-year cycle that holds `year`.
int MoonBaseYear(int year);

// The constant a month adds; 0 for a month outside 1 to 12.
int MoonMonthConstant(int month);

// A sum of 30 or more brought below 30 by taking away thirties; smaller sums,
// negative ones included, stay as they are.
double ReduceMoonSum(double sum);

// Days since the last new moon by the calendar rule: 11 days a year since the
// cycle's base year, the month's constant and the day, reduced below 30. Sums
// below zero (years before the first base) stay as they are.
int MoonAge(int year, int month, int day);

}  // namespace kelvara
