#include "platform/resample.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace kelvara::platform {
namespace {

// One axis's weights are parts of this whole; two axes make 24 bits, which
// with 8-bit channels still fits 32 bits between the passes and 64 after.
constexpr std::int64_t kOne = 1 << 12;
constexpr int kBothShift = 24;

// The source pixels one output pixel takes, and how much of each.
struct Taps {
  std::vector<int> first;      // by output pixel
  std::vector<int> count;      // by output pixel
  std::vector<int> weight;     // all outputs' weights in order, each output's summing to kOne
  std::vector<int> weight_at;  // where each output's weights begin
};

void Add(Taps& taps, int first, std::initializer_list<int> weights) {
  taps.first.push_back(first);
  taps.count.push_back(static_cast<int>(weights.size()));
  taps.weight_at.push_back(static_cast<int>(taps.weight.size()));
  taps.weight.insert(taps.weight.end(), weights);
}

Taps Shrinking(int from, int to) {
  Taps taps;
  // In units of 1/(from * to) of the line: output i covers [i*from, (i+1)*from),
  // source j covers [j*to, (j+1)*to). Weights are cut from running totals so
  // that each output's sum is exactly kOne.
  for (std::int64_t i = 0; i < to; ++i) {
    const std::int64_t start = i * from, end = start + from;
    const auto first = static_cast<int>(start / to);
    const auto last = static_cast<int>((end - 1) / to);
    taps.first.push_back(first);
    taps.count.push_back(last - first + 1);
    taps.weight_at.push_back(static_cast<int>(taps.weight.size()));
    std::int64_t covered = 0;
    for (std::int64_t j = first; j <= last; ++j) {
      const std::int64_t overlap = std::min(end, (j + 1) * to) - std::max(start, j * to);
      const std::int64_t before = (covered * kOne + from / 2) / from;
      covered += overlap;
      const std::int64_t after = (covered * kOne + from / 2) / from;
      taps.weight.push_back(static_cast<int>(after - before));
    }
  }
  return taps;
}

Taps Growing(int from, int to) {
  Taps taps;
  // Output i's centre lies at source position ((2i + 1) * from - to) / (2 * to)
  // in pixel centres; beyond the first or last centre the edge pixel holds.
  const std::int64_t unit = 2 * static_cast<std::int64_t>(to);
  for (std::int64_t i = 0; i < to; ++i) {
    const std::int64_t at = (2 * i + 1) * from - to;
    if (at <= 0) {
      Add(taps, 0, {static_cast<int>(kOne)});
      continue;
    }
    const std::int64_t left = at / unit;
    if (left >= from - 1) {
      Add(taps, from - 1, {static_cast<int>(kOne)});
      continue;
    }
    const std::int64_t right = ((at - left * unit) * kOne + to) / unit;
    Add(taps, static_cast<int>(left), {static_cast<int>(kOne - right), static_cast<int>(right)});
  }
  return taps;
}

Taps Same(int size) {
  Taps taps;
  for (int i = 0; i < size; ++i) Add(taps, i, {static_cast<int>(kOne)});
  return taps;
}

Taps TapsFor(int from, int to) {
  if (to < from) return Shrinking(from, to);
  if (to > from) return Growing(from, to);
  return Same(from);
}

// Where a pass reads and writes: `lines` runs of pixels along the axis,
// `step` pixels between neighbours on a run, `line_step` between runs.
struct Walk {
  std::size_t step, line_step;
};

// One axis of the resize over all four channels. `Finish` turns a weighted
// sum into what is stored.
template <typename In, typename Out, typename Finish>
void Pass(const In* in, Walk in_walk, Out* out, Walk out_walk, std::size_t lines, const Taps& taps,
          Finish finish) {
  for (std::size_t line = 0; line < lines; ++line) {
    const In* run = in + line * in_walk.line_step * 4;
    Out* to = out + line * out_walk.line_step * 4;
    for (std::size_t o = 0; o < taps.first.size(); ++o, to += out_walk.step * 4) {
      std::uint64_t sum[4] = {};
      const In* pixel = run + static_cast<std::size_t>(taps.first[o]) * in_walk.step * 4;
      const int* weight = taps.weight.data() + taps.weight_at[o];
      for (int k = 0; k < taps.count[o]; ++k, pixel += in_walk.step * 4) {
        const auto w = static_cast<std::uint64_t>(weight[k]);
        for (int c = 0; c < 4; ++c) sum[c] += static_cast<std::uint64_t>(pixel[c]) * w;
      }
      for (int c = 0; c < 4; ++c) to[c] = finish(sum[c]);
    }
  }
}

}  // namespace

bool Resample(const PixelsView& from, const PixelsTarget& to) {
  if (from.data == nullptr || to.data == nullptr || from.width <= 0 || from.height <= 0 ||
      to.width <= 0 || to.height <= 0) {
    return false;
  }
  const Taps across = TapsFor(from.width, to.width);
  const Taps down = TapsFor(from.height, to.height);
  const auto from_w = static_cast<std::size_t>(from.width);
  const auto from_h = static_cast<std::size_t>(from.height);
  const auto to_w = static_cast<std::size_t>(to.width);
  const auto to_h = static_cast<std::size_t>(to.height);
  const auto keep = [](std::uint64_t sum) { return static_cast<std::uint32_t>(sum); };
  const auto round = [](std::uint64_t sum) {
    return static_cast<std::uint8_t>((sum + (std::uint64_t{1} << (kBothShift - 1))) >> kBothShift);
  };
  // The sums between the passes keep every bit, so the order changes nothing
  // but the size of what lies between them: the smaller way round is taken.
  std::vector<std::uint32_t> between;
  if (to_w * from_h <= from_w * to_h) {
    between.resize(to_w * from_h * 4);
    Pass(from.data, {1, from_w}, between.data(), {1, to_w}, from_h, across, keep);
    Pass(between.data(), {to_w, 1}, to.data, {to_w, 1}, to_w, down, round);
  } else {
    between.resize(from_w * to_h * 4);
    Pass(from.data, {from_w, 1}, between.data(), {from_w, 1}, from_w, down, keep);
    Pass(between.data(), {1, from_w}, to.data, {1, to_w}, to_h, across, round);
  }
  return true;
}

}  // namespace kelvara::platform
