#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

// Shapes are inside-tests on a picture's design grid. Points and lengths are
// whole design units; the tests run on a grid kSub times finer, which is where
// the painter's samples land.
namespace kelvara::resgen {

inline constexpr int64_t kSub = 16;

struct Point {
  int64_t x, y;
};

// Inside-test at a sample point given in sub-units.
using Shape = std::function<bool(int64_t x, int64_t y)>;

Shape Circle(Point centre, int64_t radius);
Shape Ellipse(Point centre, int64_t radius_x, int64_t radius_y);
// Half-open: covers x0 <= x < x1, y0 <= y < y1.
Shape Rect(int64_t x0, int64_t y0, int64_t x1, int64_t y1);
Shape RoundRect(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t radius);
// Non-zero winding, so the vertices may run either way.
Shape Polygon(std::vector<Point> vertices);
// A stroke from a to b with round ends, half_width from its centre line.
Shape Stroke(Point a, Point b, int64_t half_width);
Shape Ring(Point centre, int64_t outer_radius, int64_t inner_radius);

Shape Union(std::initializer_list<Shape> parts);
Shape Union(std::vector<Shape> parts);
Shape Intersect(Shape a, Shape b);
Shape Minus(Shape a, Shape b);

// The shape turned clockwise (on screen, y down) by num/den of a turn about centre.
Shape Rotate(Shape shape, Point centre, int64_t num, int64_t den);
Shape Translate(Shape shape, int64_t dx, int64_t dy);
// Left and right swapped about the vertical line x = axis.
Shape MirrorX(Shape shape, int64_t axis);

}  // namespace kelvara::resgen
