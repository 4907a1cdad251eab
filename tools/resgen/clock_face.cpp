#include "clock_face.h"

#include <algorithm>

#include "painter.h"

namespace kelvara::resgen {
namespace {

constexpr int64_t kGrid = kClockFaceSize * 10;
constexpr Point kCentre{kGrid / 2, kGrid / 2};

constexpr int64_t kRimOuter = 368;
constexpr int64_t kRimInner = 334;
constexpr int64_t kDial = 322;

// Marks end short of the rim; the hands (half, 0.7 and 0.8 of the face's
// radius) reach at most into their inner ends.
constexpr int64_t kMarkOuter = 312;
constexpr int64_t kQuarterMarkInner = 250;
constexpr int64_t kHourMarkInner = 272;

}  // namespace

Canvas DrawClockFace(int size) {
  Canvas canvas(size, size);
  Painter paint(canvas, kGrid);
  paint.FillVertical(Circle(kCentre, kRimOuter), Opaque(118, 128, 146), Opaque(44, 50, 64),
                     kCentre.y - kRimOuter, kCentre.y + kRimOuter);
  // A lighter lip on the lower inside of the rim, as if lit from above.
  paint.FillVertical(Circle(kCentre, kRimInner), Opaque(40, 46, 60), Opaque(170, 178, 192),
                     kCentre.y - kRimInner, kCentre.y + kRimInner);
  paint.FillVertical(Circle(kCentre, kDial), Opaque(252, 251, 246), Opaque(232, 230, 220),
                     kCentre.y - kDial, kCentre.y + kDial);
  // Below a pixel and a bit wide a mark fades to grey, so small sizes get bolder marks.
  const int64_t thinnest = kGrid * 6 / (10 * int64_t{size});
  for (int hour = 0; hour < 12; ++hour) {
    const bool quarter = hour % 3 == 0;
    const int64_t half_width = std::max<int64_t>(quarter ? 15 : 8, thinnest);
    const int64_t inner = quarter ? kQuarterMarkInner : kHourMarkInner;
    const Shape mark = Rect(kCentre.x - half_width, kCentre.y - kMarkOuter, kCentre.x + half_width,
                            kCentre.y - inner);
    paint.Fill(Rotate(mark, kCentre, hour, 12), Opaque(36, 40, 52));
  }
  return canvas;
}

}  // namespace kelvara::resgen
