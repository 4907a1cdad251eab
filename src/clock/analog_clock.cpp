#include "clock/analog_clock.h"

#include <cmath>

namespace kelvara {
namespace {

// Rounds halves to even, then halves with the remainder dropped.
double HalfOfRounded(double length) {
  const auto whole = static_cast<long long>(std::nearbyint(length));
  return static_cast<double>(whole / 2);
}

HandPoint HandEnd(const HandPoint& centre, double length, double angle) {
  return {centre.x + length * std::cos(angle), centre.y - length * std::sin(angle)};
}

}  // namespace

ClockHands ComputeClockHands(double left, double top, double width, double height, int hour,
                             int minute, int second) {
  ClockHands hands{};
  hands.centre = {left + HalfOfRounded(width), top + HalfOfRounded(height)};
  const double radius = HalfOfRounded(width < height ? width : height);
  const double hour_angle = kClockPi / 2 - 2 * kClockPi * (hour / 12.0 + minute / 720.0);
  const double minute_angle = kClockPi / 2 - 2 * kClockPi * minute / 60.0;
  const double second_angle = kClockPi / 2 - 2 * kClockPi * second / 60.0;
  hands.hour = HandEnd(hands.centre, 0.5 * radius, hour_angle);
  hands.minute = HandEnd(hands.centre, 0.7 * radius, minute_angle);
  hands.second = HandEnd(hands.centre, 0.8 * radius, second_angle);
  return hands;
}

}  // namespace kelvara
