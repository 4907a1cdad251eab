#include "emblem.h"

#include "painter.h"

namespace kelvara::resgen {
namespace {

constexpr int64_t kGrid = 96;
constexpr Point kDial{62, 58};
constexpr Rgba kDialogGround = Opaque(236, 236, 208);
constexpr Rgba kNight = Opaque(22, 36, 82);
constexpr Rgba kDusk = Opaque(52, 88, 164);
constexpr Rgba kGoldLight = Opaque(255, 228, 120);
constexpr Rgba kGoldDeep = Opaque(238, 166, 36);
constexpr Rgba kInk = Opaque(24, 30, 54);

// A four-pointed twinkle.
Shape Sparkle(Point c, int64_t reach) {
  return Union({Polygon({{c.x, c.y - reach}, {c.x + 2, c.y}, {c.x, c.y + reach}, {c.x - 2, c.y}}),
                Polygon({{c.x - reach, c.y}, {c.x, c.y - 2}, {c.x + reach, c.y}, {c.x, c.y + 2}})});
}

void PaintEmblem(Painter& paint, bool sparkles) {
  paint.FillVertical(RoundRect(2, 2, 94, 94, 18), kNight, kDusk, 2, 94);
  if (sparkles) {
    paint.Fill(Sparkle({72, 18}, 7), Opaque(255, 255, 255));
    paint.Fill(Sparkle({84, 34}, 4), WithAlpha(Opaque(255, 255, 255), 200));
  }
  paint.FillVertical(Minus(Circle({42, 50}, 36), Circle({60, 40}, 31)), kGoldLight, kGoldDeep, 14,
                     86);
  paint.Fill(Circle(kDial, 24), kInk);
  paint.FillVertical(Circle(kDial, 20), Opaque(255, 255, 255), Opaque(226, 232, 242), kDial.y - 20,
                     kDial.y + 20);
  // Ten past ten: the hour hand a sixth of the way from ten to eleven.
  paint.Fill(Rotate(Stroke(kDial, {kDial.x, kDial.y - 11}, 3), kDial, 61, 72), kInk);
  paint.Fill(Rotate(Stroke(kDial, {kDial.x, kDial.y - 16}, 2), kDial, 2, 12), kInk);
  paint.Fill(Circle(kDial, 3), Opaque(214, 60, 60));
}

}  // namespace

Canvas DrawProgramIcon(int size) {
  Canvas canvas(size, size);
  Painter paint(canvas, kGrid);
  PaintEmblem(paint, size >= 32);
  return canvas;
}

Canvas DrawLogo() {
  Canvas canvas(kLogoSize, kLogoSize, kDialogGround);
  Painter paint(canvas, kGrid);
  PaintEmblem(paint, true);
  return canvas;
}

}  // namespace kelvara::resgen
