#include "launcher_pictograms.h"

namespace kelvara::resgen {

void PaintFolder(Painter& paint) {
  const Shape back = Polygon({{6, 16}, {36, 16}, {44, 24}, {90, 24}, {90, 84}, {6, 84}});
  paint.Fill(back, Opaque(168, 112, 20));
  paint.Fill(Polygon({{9, 19}, {35, 19}, {43, 27}, {87, 27}, {87, 81}, {9, 81}}),
             Opaque(232, 172, 56));
  paint.Fill(RoundRect(6, 32, 90, 86, 4), Opaque(168, 112, 20));
  paint.FillVertical(RoundRect(9, 35, 87, 83, 3), Opaque(255, 220, 120), Opaque(244, 182, 60), 35,
                     83);
}

void PaintProgramsWindow(Painter& paint) {
  paint.Fill(RoundRect(4, 8, 80, 76, 5), kOutline);
  paint.Fill(Rect(8, 22, 76, 72), kPaper);
  paint.FillVertical(Rect(8, 12, 76, 22), Opaque(90, 160, 240), kBlue, 12, 22);
  const Rgba tiles[4] = {kBlue, kGreen, kOrange, kRed};
  for (int i = 0; i < 4; ++i) {
    const int64_t x = 16 + 28 * (i % 2), y = 28 + 22 * (i / 2);
    paint.Fill(RoundRect(x, y, x + 22, y + 17, 3), tiles[i]);
  }
}

void PaintPerson(Painter& paint, Point head, Rgba colour) {
  auto person = [head](int64_t grow) {
    const Shape shoulders = Minus(Ellipse({head.x, head.y + 26}, 16 + grow, 16 + grow),
                                  Rect(head.x - 20, head.y + 27 + grow, head.x + 20, head.y + 60));
    return Union({Circle(head, 9 + grow), shoulders});
  };
  paint.Fill(person(3), kWhite);
  paint.Fill(person(0), colour);
}

void PaintGoBadge(Painter& paint) {
  const Point centre{68, 68};
  paint.Fill(Circle(centre, 26), kWhite);
  paint.FillVertical(Circle(centre, 23), Opaque(90, 210, 110), Opaque(24, 140, 60), 45, 91);
  paint.Fill(Polygon({{61, 55}, {61, 81}, {82, 68}}), kWhite);
}

}  // namespace kelvara::resgen
