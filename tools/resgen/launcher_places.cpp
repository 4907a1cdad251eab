#include "fixed_math.h"
#include "launcher_pictograms.h"

namespace kelvara::resgen {
namespace {

// Ten corners, alternately outer and inner, the first straight up.
Shape Star(Point centre, int64_t outer, int64_t inner) {
  std::vector<Point> corners;
  for (int64_t k = 0; k < 10; ++k) {
    const int64_t radius = k % 2 == 0 ? outer : inner;
    corners.push_back({centre.x + DivRound(radius * SinTurn(k, 10), kOne),
                       centre.y - DivRound(radius * CosTurn(k, 10), kOne)});
  }
  return Polygon(std::move(corners));
}

}  // namespace

void PaintComputer(Painter& paint) {
  paint.Fill(Polygon({{38, 68}, {58, 68}, {62, 82}, {34, 82}}), Opaque(110, 118, 132));
  paint.Fill(RoundRect(20, 80, 76, 90, 4), kOutline);
  paint.Fill(RoundRect(6, 10, 90, 70, 6), kOutline);
  paint.FillVertical(Rect(12, 16, 84, 62), kSkyBlue, Opaque(28, 96, 196), 16, 62);
  paint.Fill(Polygon({{12, 16}, {56, 16}, {12, 50}}), WithAlpha(kWhite, 60));
}

void PaintFavourites(Painter& paint) {
  const Point centre{48, 52};
  paint.Fill(Star(centre, 46, 20), Opaque(176, 104, 8));
  paint.FillVertical(Star(centre, 40, 17), Opaque(255, 226, 96), Opaque(242, 150, 20), 12, 86);
}

void PaintLibraries(Painter& paint) {
  struct Book {
    int64_t x0, x1, top;
    Rgba colour;
  };
  const Book books[3] = {{10, 28, 22, kRed}, {28, 44, 30, kBlue}, {44, 62, 16, kGreen}};
  for (const Book& b : books) {
    paint.Fill(Rect(b.x0, b.top, b.x1, 82), kOutline);
    paint.Fill(Rect(b.x0 + 2, b.top + 2, b.x1 - 2, 82), b.colour);
    paint.Fill(Rect(b.x0 + 2, b.top + 8, b.x1 - 2, b.top + 12), WithAlpha(kWhite, 150));
    paint.Fill(Rect(b.x0 + 2, 68, b.x1 - 2, 72), WithAlpha(kWhite, 150));
  }
  // The last book leans on its neighbour.
  const Point foot{64, 82};
  paint.Fill(Rotate(Rect(64, 24, 82, 82), foot, 1, 16), kOutline);
  paint.Fill(Rotate(Rect(66, 26, 80, 82), foot, 1, 16), kOrange);
  paint.Fill(Rotate(Rect(66, 32, 80, 36), foot, 1, 16), WithAlpha(kWhite, 150));
  paint.Fill(RoundRect(4, 80, 92, 90, 2), Opaque(128, 84, 44));
}

void PaintDocuments(Painter& paint) {
  paint.Fill(Polygon({{16, 4}, {62, 4}, {82, 24}, {82, 92}, {16, 92}}), kOutline);
  paint.Fill(Polygon({{20, 8}, {60, 8}, {78, 26}, {78, 88}, {20, 88}}), kPaper);
  paint.Fill(Polygon({{60, 8}, {60, 26}, {78, 26}}), Opaque(200, 210, 226));
  for (int64_t y = 36; y <= 76; y += 10) {
    paint.Fill(Rect(28, y, y == 76 ? 54 : 70, y + 4), Opaque(110, 140, 190));
  }
  paint.Fill(Rect(28, 16, 52, 22), kBlue);
}

void PaintPictures(Painter& paint) {
  paint.Fill(RoundRect(4, 12, 92, 84, 4), kOutline);
  paint.Fill(Rect(8, 16, 88, 80), kWhite);
  const Shape photo = Rect(12, 20, 84, 76);
  paint.FillVertical(photo, Opaque(110, 176, 246), Opaque(206, 234, 255), 20, 76);
  paint.Fill(Circle({66, 36}, 8), Opaque(255, 214, 60));
  paint.Fill(Intersect(photo, Polygon({{8, 80}, {8, 64}, {34, 38}, {54, 60}, {88, 80}})),
             Opaque(52, 140, 72));
  paint.Fill(Intersect(photo, Polygon({{40, 80}, {62, 52}, {88, 72}, {88, 80}})),
             Opaque(34, 110, 56));
}

void PaintVideos(Painter& paint) {
  paint.Fill(RoundRect(8, 10, 88, 86, 6), Opaque(36, 38, 48));
  for (int64_t y = 16; y < 80; y += 12) {
    paint.Fill(RoundRect(13, y, 21, y + 7, 1), kWhite);
    paint.Fill(RoundRect(75, y, 83, y + 7, 1), kWhite);
  }
  paint.FillVertical(Rect(26, 16, 70, 80), Opaque(120, 100, 230), Opaque(60, 40, 160), 16, 80);
  paint.Fill(Polygon({{40, 34}, {40, 62}, {62, 48}}), kWhite);
}

void PaintMusic(Painter& paint) {
  const Shape notes = Union({
      Rotate(Ellipse({26, 74}, 13, 9), {26, 74}, -1, 12),
      Rotate(Ellipse({68, 66}, 13, 9), {68, 66}, -1, 12),
      Rect(33, 20, 39, 72),
      Rect(75, 12, 81, 64),
      Polygon({{33, 20}, {81, 10}, {81, 24}, {33, 34}}),
  });
  paint.FillVertical(notes, Opaque(90, 150, 240), Opaque(30, 70, 170), 10, 84);
}

}  // namespace kelvara::resgen
