#include "moon/moon_age.h"

#include <array>
#include <cmath>

namespace kelvara {

int MoonBaseYear(int year) {
  if (year > 2062) return 2063;
  if (year > 2043) return 2044;
  if (year > 2024) return 2025;
  if (year > 2005) return 2006;
  return 1987;
}

int MoonMonthConstant(int month) {
  static constexpr std::array<int, 12> kConstants = {0, 2, 0, 2, 2, 4, 5, 6, 7, 8, 9, 10};
  return month >= 1 && month <= 12 ? kConstants[static_cast<unsigned>(month - 1)] : 0;
}

double ReduceMoonSum(double sum) {
  // The same as subtracting 30 while the sum is 30 or more, without a loop
  // that a far-off year would make long.
  return sum >= 30 ? std::fmod(sum, 30.0) : sum;
}

int MoonAge(int year, int month, int day) {
  const int sum = (year - MoonBaseYear(year)) * 11 + MoonMonthConstant(month) + day;
  return static_cast<int>(ReduceMoonSum(sum));
}

}  // namespace kelvara
