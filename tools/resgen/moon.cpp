#include "moon.h"

#include "fixed_math.h"
#include "painter.h"

namespace kelvara::resgen {
namespace {

constexpr int64_t kGrid = kMoonSize * 10;
constexpr Point kCentre{kGrid / 2, kGrid / 2};
constexpr int64_t kRadius = 240;
constexpr int64_t kSynodicMonth = 2953;  // days, in hundredths

constexpr Rgba kUnlit = Opaque(28, 30, 38);
constexpr Rgba kLitCentre = Opaque(246, 242, 220);
constexpr Rgba kLitLimb = Opaque(196, 190, 160);
constexpr Rgba kMare = {120, 118, 104, 64};

// Lit where x >= cos(phase) * w, x across the disc from its centre and w the
// half-chord at that height: the limb is a half circle and the terminator a
// half ellipse. Waning phases are the same test with left and right swapped.
Shape LitPart(int age) {
  const bool waxing = 2 * int64_t{age} * 100 < kSynodicMonth;
  const int64_t cosine = DivRound(CosTurn(int64_t{age} * 100, kSynodicMonth), int64_t{1} << 15);
  const int64_t cx = kCentre.x * kSub, cy = kCentre.y * kSub, r = kRadius * kSub;
  return [=](int64_t x, int64_t y) {
    const int64_t across = waxing ? x - cx : cx - x;
    const int64_t down = y - cy;
    const int64_t half_chord2 = r * r - down * down;
    if (half_chord2 < 0 || across * across > half_chord2) return false;
    // across >= cosine * sqrt(half_chord2), cosine in Q15, squared to stay in integers.
    const int64_t lhs = across * across << 30;
    const int64_t rhs = cosine * cosine * half_chord2;
    if (cosine >= 0) return across >= 0 && lhs >= rhs;
    return across >= 0 || lhs <= rhs;
  };
}

// Less than half a percent lit is lost in the sun's glare; at this size it
// would only show as a smudge on the limb, so such an age shows a new moon.
bool VisiblyLit(int age) {
  const int64_t cosine = CosTurn(int64_t{age} * 100, kSynodicMonth);
  return (kOne - cosine) * 1000 >= 2 * kOne * 5;
}

// Brighter in the middle than at the limb, as the real moon looks.
Rgba SurfaceAt(int64_t x, int64_t y) {
  const int64_t dx = x - kCentre.x * kSub, dy = y - kCentre.y * kSub, r = kRadius * kSub;
  const int64_t d2 = dx * dx + dy * dy;
  const int64_t facing = d2 >= r * r ? 0 : ISqrt((r * r - d2) * 65536 / (r * r));  // 0 to 256
  return Mix(kLitLimb, kLitCentre, static_cast<int>(facing));
}

// The dark plains, placed roughly as they lie on the near side: a broad
// faint wash and darker cores inside it.
Shape MariaWash() {
  return Union({
      Rotate(Ellipse({140, 255}, 58, 96), {140, 255}, 1, 24),  // Procellarum
      Ellipse({205, 175}, 62, 50),                             // Imbrium
      Ellipse({258, 222}, 34, 24),                             // Vaporum
      Ellipse({302, 172}, 38, 34),                             // Serenitatis
      Ellipse({332, 242}, 46, 36),                             // Tranquillitatis
      Ellipse({360, 306}, 26, 40),                             // Fecunditatis
      Ellipse({294, 296}, 22, 18),                             // Nectaris
      Ellipse({232, 336}, 44, 26),                             // Nubium
      Ellipse({168, 362}, 20, 16),                             // Humorum
      Ellipse({396, 204}, 22, 18),                             // Crisium
  });
}

Shape MariaCores() {
  return Union({
      Ellipse({210, 172}, 42, 32),
      Ellipse({302, 170}, 24, 22),
      Ellipse({334, 240}, 30, 22),
      Ellipse({396, 204}, 15, 12),
      Ellipse({130, 265}, 30, 56),
  });
}

}  // namespace

Canvas DrawMoon(int age) {
  Canvas canvas(kMoonSize, kMoonSize, Opaque(0, 0, 0));
  Painter paint(canvas, kGrid);
  paint.Fill(Circle(kCentre, kRadius), kUnlit);
  if (!VisiblyLit(age)) return canvas;
  const Shape lit = LitPart(age);
  paint.FillShaded(lit, SurfaceAt);
  paint.Fill(Intersect(lit, MariaWash()), kMare);
  paint.Fill(Intersect(lit, MariaCores()), kMare);
  return canvas;
}

}  // namespace kelvara::resgen
