#include "shapes.h"

#include <algorithm>
#include <utility>

#include "fixed_math.h"

namespace kelvara::resgen {

Shape Circle(Point centre, int64_t radius) {
  const int64_t cx = centre.x * kSub, cy = centre.y * kSub, r = radius * kSub;
  return [=](int64_t x, int64_t y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Shape Ellipse(Point centre, int64_t radius_x, int64_t radius_y) {
  const int64_t cx = centre.x * kSub, cy = centre.y * kSub;
  const int64_t rx2 = radius_x * kSub * radius_x * kSub, ry2 = radius_y * kSub * radius_y * kSub;
  return [=](int64_t x, int64_t y) {
    return (x - cx) * (x - cx) * ry2 + (y - cy) * (y - cy) * rx2 <= rx2 * ry2;
  };
}

Shape Rect(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  x0 *= kSub, y0 *= kSub, x1 *= kSub, y1 *= kSub;
  return [=](int64_t x, int64_t y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
}

Shape RoundRect(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t radius) {
  const int64_t r = radius * kSub;
  const int64_t left = x0 * kSub + r, right = x1 * kSub - r;
  const int64_t top = y0 * kSub + r, bottom = y1 * kSub - r;
  return [=](int64_t x, int64_t y) {
    const int64_t dx = x < left ? left - x : (x > right ? x - right : 0);
    const int64_t dy = y < top ? top - y : (y > bottom ? y - bottom : 0);
    return dx <= r && dy <= r && dx * dx + dy * dy <= r * r;
  };
}

Shape Polygon(std::vector<Point> vertices) {
  for (Point& v : vertices) v = {v.x * kSub, v.y * kSub};
  return [v = std::move(vertices)](int64_t x, int64_t y) {
    int winding = 0;
    for (size_t i = 0; i < v.size(); ++i) {
      const Point a = v[i], b = v[(i + 1) % v.size()];
      const int64_t side = (b.x - a.x) * (y - a.y) - (x - a.x) * (b.y - a.y);
      if (a.y <= y) {
        if (b.y > y && side > 0) ++winding;
      } else if (b.y <= y && side < 0) {
        --winding;
      }
    }
    return winding != 0;
  };
}

Shape Stroke(Point a, Point b, int64_t half_width) {
  const int64_t ax = a.x * kSub, ay = a.y * kSub, bx = b.x * kSub, by = b.y * kSub;
  const int64_t r = half_width * kSub;
  const int64_t ux = bx - ax, uy = by - ay, length2 = ux * ux + uy * uy;
  return [=](int64_t x, int64_t y) {
    const int64_t px = x - ax, py = y - ay;
    const int64_t along = px * ux + py * uy;
    if (along <= 0 || length2 == 0) return px * px + py * py <= r * r;
    if (along >= length2) return (x - bx) * (x - bx) + (y - by) * (y - by) <= r * r;
    const int64_t across = px * uy - py * ux;
    return across * across <= r * r * length2;
  };
}

Shape Ring(Point centre, int64_t outer_radius, int64_t inner_radius) {
  return Minus(Circle(centre, outer_radius), Circle(centre, inner_radius));
}

Shape Union(std::vector<Shape> parts) {
  return [p = std::move(parts)](int64_t x, int64_t y) {
    return std::any_of(p.begin(), p.end(), [&](const Shape& s) { return s(x, y); });
  };
}

Shape Union(std::initializer_list<Shape> parts) { return Union(std::vector<Shape>(parts)); }

Shape Intersect(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](int64_t x, int64_t y) { return a(x, y) && b(x, y); };
}

Shape Minus(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](int64_t x, int64_t y) { return a(x, y) && !b(x, y); };
}

Shape Rotate(Shape shape, Point centre, int64_t num, int64_t den) {
  const int64_t c = CosTurn(num, den), s = SinTurn(num, den);
  const int64_t cx = centre.x * kSub, cy = centre.y * kSub;
  // Each sample is turned back by the angle and tested against the unturned shape.
  return [=, shape = std::move(shape)](int64_t x, int64_t y) {
    const int64_t dx = x - cx, dy = y - cy;
    return shape(cx + DivRound(dx * c + dy * s, kOne), cy + DivRound(dy * c - dx * s, kOne));
  };
}

Shape Translate(Shape shape, int64_t dx, int64_t dy) {
  return [shape = std::move(shape), dx = dx * kSub, dy = dy * kSub](int64_t x, int64_t y) {
    return shape(x - dx, y - dy);
  };
}

Shape MirrorX(Shape shape, int64_t axis) {
  return [shape = std::move(shape), twice = 2 * axis * kSub](int64_t x, int64_t y) {
    return shape(twice - x, y);
  };
}

}  // namespace kelvara::resgen
