// The analog clock's hands on the main window.
#include "clock/analog_clock.h"
#include "main_window/main_window.h"

namespace kelvara {

void MainWindow::DrawAnalogClock() {
  // The centre and radius come from the built-in face's rectangle even when
  // the user's own face is shown instead (same rectangle).
  const ui::Rect face = c_.ClockBk.rect;
  const platform::LocalTime now = platform_.clock.Now();
  const ClockHands hands = ComputeClockHands(face.left, face.top, face.width, face.height, now.hour,
                                             now.minute, now.second);
  const auto cx = static_cast<float>(hands.centre.x);
  const auto cy = static_cast<float>(hands.centre.y);
  form_.SetLine(c_.LineH, cx, cy, static_cast<float>(hands.hour.x),
                static_cast<float>(hands.hour.y));
  form_.SetLine(c_.LineM, cx, cy, static_cast<float>(hands.minute.x),
                static_cast<float>(hands.minute.y));
  form_.SetLine(c_.LineS, cx, cy, static_cast<float>(hands.second.x),
                static_cast<float>(hands.second.y));
}

}  // namespace kelvara
