#include "painter.h"

#include <algorithm>

namespace kelvara::resgen {
namespace {

constexpr int kSamples = 8;

// Sample i of a pixel sits at the centre of its 1/kSamples strip.
std::vector<int64_t> SamplePositions(int pixels, int64_t design_size) {
  std::vector<int64_t> positions;
  const int64_t count = int64_t{pixels} * kSamples;
  for (int64_t i = 0; i < count; ++i) {
    positions.push_back((2 * i + 1) * design_size * kSub / (2 * count));
  }
  return positions;
}

}  // namespace

Painter::Painter(Canvas& canvas, int64_t design_size)
    : canvas_(canvas),
      design_size_(design_size),
      sample_x_(SamplePositions(canvas.width(), design_size)),
      sample_y_(SamplePositions(canvas.height(), design_size)) {}

template <typename ColourAt>
void Painter::FillWith(const Shape& shape, ColourAt colour_at) {
  for (int py = 0; py < canvas_.height(); ++py) {
    for (int px = 0; px < canvas_.width(); ++px) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          if (shape(sample_x_[static_cast<size_t>(px * kSamples + sx)],
                    sample_y_[static_cast<size_t>(py * kSamples + sy)])) {
            ++hits;
          }
        }
      }
      const int coverage = (hits * 255 + kSamples * kSamples / 2) / (kSamples * kSamples);
      if (coverage > 0) canvas_.Blend(px, py, colour_at(px, py), coverage);
    }
  }
}

void Painter::Fill(const Shape& shape, Rgba colour) {
  FillWith(shape, [colour](int, int) { return colour; });
}

int64_t Painter::CentreOf(int pixel, int pixels) const {
  return (2 * int64_t{pixel} + 1) * design_size_ * kSub / (2 * int64_t{pixels});
}

void Painter::FillShaded(const Shape& shape,
                         const std::function<Rgba(int64_t x, int64_t y)>& colour_at) {
  FillWith(shape, [&](int px, int py) {
    return colour_at(CentreOf(px, canvas_.width()), CentreOf(py, canvas_.height()));
  });
}

void Painter::FillVertical(const Shape& shape, Rgba top, Rgba bottom, int64_t y_top,
                           int64_t y_bottom) {
  const int64_t span = std::max<int64_t>(1, (y_bottom - y_top) * kSub);
  FillWith(shape, [&](int, int py) {
    const int64_t centre = CentreOf(py, canvas_.height());
    const int64_t weight = std::clamp<int64_t>((centre - y_top * kSub) * 256 / span, 0, 256);
    return Mix(top, bottom, static_cast<int>(weight));
  });
}

}  // namespace kelvara::resgen
