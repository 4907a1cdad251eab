#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvara::resgen {

// Straight (not premultiplied) alpha, as icons store it.
struct Rgba {
  uint8_t r = 0, g = 0, b = 0, a = 0;
  friend bool operator==(const Rgba&, const Rgba&) = default;
};

constexpr Rgba Opaque(uint8_t r, uint8_t g, uint8_t b) { return {r, g, b, 255}; }
constexpr Rgba WithAlpha(Rgba c, uint8_t a) { return {c.r, c.g, c.b, a}; }

// Linear mix of two colours, weight 0 (all a) to 256 (all b).
Rgba Mix(Rgba a, Rgba b, int weight);

// A pixel of a canvas, from its top left: a cursor's hot spot.
struct HotSpot {
  int x = 0, y = 0;
  friend bool operator==(const HotSpot&, const HotSpot&) = default;
};

class Canvas {
 public:
  Canvas(int width, int height, Rgba ground = {});

  int width() const { return width_; }
  int height() const { return height_; }
  Rgba at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

  void Set(int x, int y, Rgba colour) {
    pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
  }
  // Lays colour over the pixel with its alpha scaled by coverage (0 to 255).
  void Blend(int x, int y, Rgba colour, int coverage);

  friend bool operator==(const Canvas&, const Canvas&) = default;

 private:
  int width_;
  int height_;
  std::vector<Rgba> pixels_;
};

}  // namespace kelvara::resgen
