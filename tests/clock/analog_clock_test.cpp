#include "clock/analog_clock.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kelvara {
namespace {

constexpr double kTolerance = 0.005;  // the expectations are given to two decimals

void ExpectPoint(const HandPoint& actual, double x, double y, const char* what) {
  EXPECT_NEAR(actual.x, x, kTolerance) << what;
  EXPECT_NEAR(actual.y, y, kTolerance) << what;
}

TEST(ClockHands, DesignFaceAtKnownTimes) {
  const struct {
    int hour, minute, second;
    HandPoint hour_end, minute_end, second_end;
  } cases[] = {
      {0, 0, 0, {1402, 311}, {1402, 198.6}, {1402, 142.4}},
      {3, 0, 0, {1683, 592}, {1402, 198.6}, {1402, 142.4}},
      {15, 0, 0, {1683, 592}, {1402, 198.6}, {1402, 142.4}},
      {9, 30, 45, {1130.57, 519.27}, {1402, 985.4}, {952.4, 592}},
      {6, 15, 30, {1365.32, 870.60}, {1795.4, 592}, {1402, 1041.6}},
  };
  for (const auto& c : cases) {
    const ClockHands hands = ComputeClockHands(840, 30, 1125, 1125, c.hour, c.minute, c.second);
    EXPECT_EQ(hands.centre.x, 1402);
    EXPECT_EQ(hands.centre.y, 592);
    ExpectPoint(hands.hour, c.hour_end.x, c.hour_end.y, "hour");
    ExpectPoint(hands.minute, c.minute_end.x, c.minute_end.y, "minute");
    ExpectPoint(hands.second, c.second_end.x, c.second_end.y, "second");
  }
}

TEST(ClockHands, UsesTheClocksOwnPi) {
  // With the full pi the noon hand would lie exactly on the centre line.
  const ClockHands hands = ComputeClockHands(840, 30, 1125, 1125, 0, 0, 0);
  const double expected = 1402 + 281 * std::cos(3.141592 / 2);
  EXPECT_DOUBLE_EQ(hands.hour.x, expected);
  EXPECT_NE(hands.hour.x, 1402.0);
}

TEST(ClockHands, CentreAndRadiusRoundHalvesToEvenThenDropTheRemainder) {
  const struct {
    double left, top, width, height;
    double cx, cy, radius;
  } cases[] = {
      {840, 30, 1125, 1125, 1402, 592, 562},  // odd width: left + 562, not 562.5
      {0, 0, 2000, 1000, 1000, 500, 500},     // wider than high: radius from the height
      {0, 0, 1000, 2000, 500, 1000, 500},     //
      {10, 20, 100.5, 100.5, 60, 70, 50},     // 100.5 rounds to 100 (even)
      {10, 20, 101.5, 99.5, 61, 70, 50},      // 101.5 -> 102, 99.5 -> 100
      {0, 0, 3.5, 3.5, 2, 2, 2},              // 3.5 -> 4
      {0, 0, 2.5, 7, 1, 3, 1},                // 2.5 -> 2
  };
  for (const auto& c : cases) {
    const ClockHands hands = ComputeClockHands(c.left, c.top, c.width, c.height, 3, 0, 0);
    EXPECT_EQ(hands.centre.x, c.cx) << c.width;
    EXPECT_EQ(hands.centre.y, c.cy) << c.height;
    // At three o'clock the hour hand points right, half a radius long.
    EXPECT_NEAR(hands.hour.x - hands.centre.x, 0.5 * c.radius, 1e-9) << c.width << "x" << c.height;
  }
}

TEST(ClockHands, HourHandMovesWithMinutesNotSeconds) {
  const ClockHands a = ComputeClockHands(840, 30, 1125, 1125, 4, 20, 0);
  const ClockHands b = ComputeClockHands(840, 30, 1125, 1125, 4, 20, 59);
  const ClockHands c = ComputeClockHands(840, 30, 1125, 1125, 4, 21, 0);
  EXPECT_EQ(a.hour.x, b.hour.x);
  EXPECT_EQ(a.minute.y, b.minute.y);
  EXPECT_NE(a.hour.x, c.hour.x);
  EXPECT_NE(a.second.x, b.second.x);
}

}  // namespace
}  // namespace kelvara
