#pragma once

namespace kelvara {

struct HandPoint {
  double x, y;
};

// Start point (the face's centre) is shared; the three ends are in twips.
struct ClockHands {
  HandPoint centre, hour, minute, second;
};

// The clock's own value of pi; the hands are drawn with it, not the full double.
inline constexpr double kClockPi = 3.141592;

// Hand ends for a face rectangle in twips and a time of day (hour 0 to 23).
ClockHands ComputeClockHands(double left, double top, double width, double height, int hour,
                             int minute, int second);

}  // namespace kelvara
