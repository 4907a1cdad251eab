#include <vector>

#include "launcher_pictograms.h"

namespace kelvara::resgen {

void PaintAllUsersPrograms(Painter& paint) {
  PaintProgramsWindow(paint);
  PaintPerson(paint, {78, 56}, Opaque(90, 150, 90));
  PaintPerson(paint, {62, 62}, Opaque(40, 110, 200));
}

void PaintUserPrograms(Painter& paint) {
  PaintProgramsWindow(paint);
  PaintPerson(paint, {70, 60}, Opaque(40, 110, 200));
}

void PaintAllUsersStartup(Painter& paint) {
  PaintFolder(paint);
  PaintGoBadge(paint);
}

void PaintControlPanel(Painter& paint) {
  paint.Fill(RoundRect(6, 8, 90, 88, 8), kOutline);
  paint.FillVertical(RoundRect(10, 12, 86, 84, 5), Opaque(240, 244, 250), Opaque(204, 214, 230), 12,
                     84);
  struct Slider {
    int64_t x, knob_y;
    Rgba colour;
  };
  const Slider sliders[3] = {{28, 60, kRed}, {48, 32, kGreen}, {68, 50, kBlue}};
  for (const Slider& s : sliders) {
    paint.Fill(RoundRect(s.x - 2, 20, s.x + 2, 76, 2), Opaque(90, 100, 120));
    paint.Fill(RoundRect(s.x - 9, s.knob_y - 7, s.x + 9, s.knob_y + 7, 3), kOutline);
    paint.Fill(RoundRect(s.x - 7, s.knob_y - 5, s.x + 7, s.knob_y + 5, 2), s.colour);
  }
}

namespace {

Shape Gear(Point centre, int64_t radius, int teeth, int64_t hole) {
  std::vector<Shape> parts{Circle(centre, radius)};
  const int64_t half = radius / 4 + 1;
  const Shape tooth =
      Rect(centre.x - half, centre.y - radius - radius / 3, centre.x + half, centre.y - radius + 2);
  for (int k = 0; k < teeth; ++k) parts.push_back(Rotate(tooth, centre, k, teeth));
  return Minus(Union(std::move(parts)), Circle(centre, hole));
}

}  // namespace

void PaintAdministrativeTools(Painter& paint) {
  const Point big{38, 40}, small{70, 70};
  paint.Fill(Gear(big, 26, 8, 8), kOutline);
  paint.FillVertical(Gear(big, 23, 8, 11), Opaque(190, 198, 212), Opaque(120, 130, 148), 4, 76);
  paint.Fill(Rotate(Gear(small, 16, 6, 5), small, 1, 12), kOutline);
  paint.FillVertical(Rotate(Gear(small, 13, 6, 7), small, 1, 12), Opaque(250, 200, 90),
                     Opaque(220, 140, 30), 48, 92);
}

void PaintTaskManager(Painter& paint) {
  paint.Fill(RoundRect(4, 8, 92, 88, 6), kOutline);
  paint.FillVertical(Rect(8, 12, 88, 22), Opaque(90, 160, 240), kBlue, 12, 22);
  paint.Fill(Rect(10, 24, 86, 84), Opaque(14, 30, 22));
  for (int64_t x = 22; x < 86; x += 14) paint.Fill(Rect(x, 24, x + 1, 84), Opaque(30, 80, 50));
  for (int64_t y = 36; y < 84; y += 14) paint.Fill(Rect(10, y, 86, y + 1), Opaque(30, 80, 50));
  const Point trace[8] = {{10, 70}, {22, 62}, {32, 66}, {44, 42},
                          {54, 52}, {64, 32}, {76, 48}, {86, 40}};
  std::vector<Shape> line;
  for (int i = 0; i + 1 < 8; ++i) line.push_back(Stroke(trace[i], trace[i + 1], 2));
  paint.Fill(Intersect(Rect(10, 24, 86, 84), Union(std::move(line))), Opaque(96, 240, 120));
}

void PaintSystemInformation(Painter& paint) {
  const Point centre{48, 48};
  paint.Fill(Circle(centre, 44), Opaque(20, 70, 150));
  paint.FillVertical(Circle(centre, 40), Opaque(96, 170, 246), Opaque(28, 98, 200), 8, 88);
  paint.Fill(Circle({48, 28}, 7), kWhite);
  paint.Fill(Union({RoundRect(42, 40, 54, 74, 2), Rect(36, 40, 54, 46), Rect(36, 68, 60, 74)}),
             kWhite);
}

}  // namespace kelvara::resgen
