#include "hand_cursor.h"

#include "painter.h"

namespace kelvara::resgen {
namespace {

constexpr int64_t kGrid = 64;    // half-pixels of the 32-pixel cursor
constexpr int64_t kOutline = 2;  // one pixel at 32, two at 64

// Edges fall on whole pixels at 32 and 64 where they can, so the outline stays
// crisp; at 48 every other edge does.
// The hand is strokes and a palm; grow is added all round, so the same parts
// drawn grown in black and then plain in white give the outline.
Shape Hand(int64_t grow) {
  const int64_t g = grow;
  return Union({
      Stroke({21, 7}, {21, 34}, 5 + g),   // index finger, tip at the hot spot
      Stroke({31, 25}, {31, 34}, 5 + g),  // the folded fingers' knuckles
      Stroke({40, 27}, {40, 36}, 5 + g), Stroke({48, 30}, {48, 38}, 4 + g),
      RoundRect(16 - g, 30 - g, 52 + g, 58 + g, 8 + g),                   // palm
      Stroke({8, 34}, {19, 48}, 4 + g),                                   // thumb
      Polygon({{14 - g, 44}, {19, 56 + g}, {30, 56 + g}, {24, 40 - g}}),  // thumb's root
  });
}

}  // namespace

HotSpot HandHotSpot(int size) {
  // Just inside the finger's tip, which is at (21, 2) on the grid.
  return {static_cast<int>(21 * int64_t{size} / kGrid),
          static_cast<int>(3 * int64_t{size} / kGrid)};
}

Canvas DrawHandCursor(int size) {
  Canvas canvas(size, size);
  Painter paint(canvas, kGrid);
  paint.Fill(Hand(kOutline), Opaque(0, 0, 0));
  paint.Fill(Hand(0), Opaque(255, 255, 255));
  // Creases between the fingers, each on one whole pixel column.
  paint.Fill(Union({Stroke({27, 27}, {27, 34}, 1), Stroke({35, 28}, {35, 36}, 1),
                    Stroke({43, 30}, {43, 38}, 1)}),
             Opaque(0, 0, 0));
  return canvas;
}

}  // namespace kelvara::resgen
