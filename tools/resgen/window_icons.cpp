#include "window_icons.h"

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

Canvas DrawGripIcon(int size) { return Canvas(size, size); }
Canvas DrawLauncherWindowIcon(int size) { return Canvas(size, size); }

}  // namespace kelvara::resgen
