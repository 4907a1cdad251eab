#include "moon/moon_age.h"

#include <gtest/gtest.h>

namespace kelvara {
namespace {

TEST(MoonAge, FollowsTheCalendarRule) {
  const struct {
    int year, month, day;
    int age;
  } cases[] = {
      {2014, 5, 19, 19},   // 8 * 11 + 2 + 19 = 109 -> 19
      {2006, 1, 1, 1},     // first year of a cycle
      {2005, 12, 31, 29},  // 18 * 11 + 10 + 31 = 239 -> 29
      {2025, 3, 1, 1},     //
      {2043, 8, 15, 9},    // 198 + 6 + 15 = 219 -> 9
      {2006, 1, 30, 0},    // exactly 30 reduces to 0
      {2006, 1, 29, 29},   //
      {2024, 12, 31, 29},  // 18 * 11 + 10 + 31
      {2044, 2, 3, 5},     //
      {2062, 7, 1, 24},    // 18 * 11 + 5 + 1 = 204
      {2063, 6, 10, 14},   //
      {2200, 11, 20, 6},   // 137 * 11 + 9 + 20 = 1536
      {1987, 4, 5, 7},     //
      {1986, 1, 1, -10},   // before the first base the sum stays negative
      {1900, 9, 9, -941},  // -87 * 11 + 7 + 9
      {2014, 13, 19, 17},  // no such month adds nothing
      {2014, 0, 19, 17},   //
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MoonAge(c.year, c.month, c.day), c.age) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(MoonAge, BaseYearsAndMonthConstants) {
  const std::pair<int, int> bases[] = {{2063, 2063}, {3000, 2063}, {2062, 2044}, {2044, 2044},
                                       {2043, 2025}, {2025, 2025}, {2024, 2006}, {2006, 2006},
                                       {2005, 1987}, {1, 1987}};
  for (const auto& [year, base] : bases) EXPECT_EQ(MoonBaseYear(year), base) << year;
  const int constants[] = {0, 2, 0, 2, 2, 4, 5, 6, 7, 8, 9, 10};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(MoonMonthConstant(month), constants[month - 1]) << month;
  }
}

}  // namespace
}  // namespace kelvara
