#include "canvas.h"

namespace kelvara::resgen {
namespace {

uint8_t Channel(int64_t num, int64_t den) { return static_cast<uint8_t>((num + den / 2) / den); }

}  // namespace

Rgba Mix(Rgba a, Rgba b, int weight) {
  auto mix = [weight](uint8_t x, uint8_t y) {
    return Channel(int64_t{x} * (256 - weight) + int64_t{y} * weight, 256);
  };
  return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b), mix(a.a, b.a)};
}

Canvas::Canvas(int width, int height, Rgba ground)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), ground) {}

void Canvas::Blend(int x, int y, Rgba colour, int coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0) return;
  Rgba& dst = pixels_[static_cast<std::size_t>(y * width_ + x)];
  const int64_t src_a = (int64_t{colour.a} * coverage + 127) / 255;
  if (src_a == 0) return;
  // Everything in units of 255 * 255 so each channel is rounded once.
  const int64_t dst_weight = int64_t{dst.a} * (255 - src_a);
  const int64_t out_a = src_a * 255 + dst_weight;
  if (out_a == 0) return;
  auto over = [&](uint8_t s, uint8_t d) {
    return Channel(int64_t{s} * src_a * 255 + int64_t{d} * dst_weight, out_a);
  };
  dst = {over(colour.r, dst.r), over(colour.g, dst.g), over(colour.b, dst.b), Channel(out_a, 255)};
}

}  // namespace kelvara::resgen
