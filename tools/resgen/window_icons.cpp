#include "window_icons.h"

#include <utility>
#include <vector>

#include "painter.h"

namespace kelvara::resgen {
namespace {

constexpr int64_t kGrid = 96;

}  // namespace

// A key cap with a "go" triangle: the program presses a key to start things.
Canvas DrawStartIcon(int size) {
  Canvas canvas(size, size);
  Painter paint(canvas, kGrid);
  paint.Fill(RoundRect(6, 4, 90, 92, 16), Opaque(22, 52, 112));
  paint.FillVertical(RoundRect(10, 7, 86, 80, 13), Opaque(110, 176, 240), Opaque(38, 98, 196), 7,
                     80);
  paint.Fill(Polygon({{38, 24}, {38, 62}, {70, 43}}), Opaque(255, 255, 255));
  return canvas;
}

// A four-way arrow on a round button: the window moves when this is dragged.
Canvas DrawGripIcon(int size) {
  Canvas canvas(size, size);
  Painter paint(canvas, kGrid);
  const Point centre{48, 48};
  paint.Fill(Circle(centre, 46), Opaque(30, 50, 90));
  paint.FillVertical(Circle(centre, 42), Opaque(104, 150, 214), Opaque(40, 80, 150), 6, 90);
  const Shape head = Polygon({{48, 8}, {64, 26}, {32, 26}});
  std::vector<Shape> arrow{Rect(44, 22, 52, 74), Rect(22, 44, 74, 52)};
  for (int quarter = 0; quarter < 4; ++quarter) arrow.push_back(Rotate(head, centre, quarter, 4));
  paint.Fill(Union(std::move(arrow)), Opaque(255, 255, 255));
  return canvas;
}

// Nine tiles in a square, like the palette of buttons it stands for.
Canvas DrawLauncherWindowIcon(int size) {
  constexpr Rgba kTiles[9] = {
      Opaque(52, 120, 220), Opaque(40, 170, 90),  Opaque(240, 170, 40),
      Opaque(40, 170, 90),  Opaque(230, 80, 70),  Opaque(52, 120, 220),
      Opaque(240, 170, 40), Opaque(52, 120, 220), Opaque(40, 170, 90),
  };
  Canvas canvas(size, size);
  Painter paint(canvas, kGrid);
  paint.Fill(RoundRect(4, 4, 92, 92, 12), Opaque(44, 54, 72));
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const int64_t x = 12 + 26 * column, y = 12 + 26 * row;
      paint.Fill(RoundRect(x, y, x + 20, y + 20, 4), kTiles[row * 3 + column]);
    }
  }
  return canvas;
}

}  // namespace kelvara::resgen
