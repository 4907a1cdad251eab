#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "canvas.h"
#include "shapes.h"

namespace kelvara::resgen {

// Fills shapes drawn on a design grid of design_size units a side onto a
// canvas of any size, anti-aliased by 8 x 8 samples a pixel.
class Painter {
 public:
  Painter(Canvas& canvas, int64_t design_size);

  void Fill(const Shape& shape, Rgba colour);
  // Colour runs from top at design row y_top to bottom at y_bottom, flat beyond.
  void FillVertical(const Shape& shape, Rgba top, Rgba bottom, int64_t y_top, int64_t y_bottom);
  // Colour chosen per pixel from the pixel's centre on the design grid, in sub-units.
  void FillShaded(const Shape& shape, const std::function<Rgba(int64_t x, int64_t y)>& colour_at);

 private:
  template <typename ColourAt>
  void FillWith(const Shape& shape, ColourAt colour_at);
  int64_t CentreOf(int pixel, int pixels) const;

  Canvas& canvas_;
  int64_t design_size_;
  std::vector<int64_t> sample_x_;  // sub-units, kSamples a pixel
  std::vector<int64_t> sample_y_;
};

}  // namespace kelvara::resgen
