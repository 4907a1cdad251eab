// Smooth resizing of premultiplied pixels, byte for byte.
#include "platform/resample.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace kelvara::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Opaque grey pixels, one value each.
Bytes Greys(std::initializer_list<int> values) {
  Bytes out;
  for (const int v : values) {
    const auto b = static_cast<std::uint8_t>(v);
    out.insert(out.end(), {b, b, b, 255});
  }
  return out;
}

Bytes Repeat(Bytes pixel, int times) {
  Bytes out;
  for (int i = 0; i < times; ++i) out.insert(out.end(), pixel.begin(), pixel.end());
  return out;
}

Bytes Resized(const Bytes& from, int width, int height, int to_width, int to_height) {
  Bytes out(static_cast<std::size_t>(to_width * to_height * 4), 0xEE);
  EXPECT_TRUE(Resample({from.data(), width, height}, {out.data(), to_width, to_height}));
  return out;
}

struct Case {
  std::string name;
  Bytes from;
  int width, height;
  int to_width, to_height;
  Bytes expected;
};

TEST(ResampleTest, GivesTheseBytes) {
  const Bytes uniform{40, 80, 120, 200};
  const Case cases[] = {
      {"2 to 3 blends the middle", Greys({10, 30}), 2, 1, 3, 1, Greys({10, 20, 30})},
      {"2 to 4 by distance", Greys({0, 200}), 2, 1, 4, 1, Greys({0, 50, 150, 200})},
      {"4 to 2 averages pairs, halves up", Greys({10, 20, 101, 200}), 4, 1, 2, 1, Greys({15, 151})},
      {"3 to 2 by the share covered", Greys({0, 90, 180}), 3, 1, 2, 1, Greys({30, 150})},
      {"down as across", Greys({0, 200}), 1, 2, 1, 4, Greys({0, 50, 150, 200})},
      {"2x2 to 3x3", Greys({0, 90, 90, 180}), 2, 2, 3, 3,
       Greys({0, 45, 90, 45, 90, 135, 90, 135, 180})},
      {"a uniform colour grows uniform", Repeat(uniform, 15), 5, 3, 7, 2, Repeat(uniform, 14)},
      {"a uniform colour shrinks uniform", Repeat(uniform, 15), 5, 3, 2, 5, Repeat(uniform, 10)},
      {"one pixel fills any size", uniform, 1, 1, 3, 2, Repeat(uniform, 6)},
      {"a line of one pixel grows along", Greys({0, 60}), 2, 1, 4, 3,
       Repeat(Greys({0, 15, 45, 60}), 3)},
      {"to one pixel: the average", Greys({10, 20, 30, 41}), 4, 1, 1, 1, Greys({25})},
      {"channels stay apart", Bytes{10, 20, 30, 40, 0, 0, 0, 0, 100, 100, 100, 100, 50, 0, 25, 60},
       4, 1, 1, 1, Bytes{40, 30, 39, 50}},
      {"see-through blends premultiplied", Bytes{0, 0, 0, 0, 255, 0, 0, 255}, 2, 1, 3, 1,
       Bytes{0, 0, 0, 0, 128, 0, 0, 128, 255, 0, 0, 255}},
      {"the same size copies", Bytes{1, 2, 3, 4, 5, 6, 7, 8}, 2, 1, 2, 1,
       Bytes{1, 2, 3, 4, 5, 6, 7, 8}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Resized(c.from, c.width, c.height, c.to_width, c.to_height), c.expected) << c.name;
  }
}

TEST(ResampleTest, NoColourExceedsItsAlpha) {
  // Premultiplied pixels at the limit (colour == alpha) in a ragged pattern.
  Bytes from;
  for (int i = 0; i < 7 * 5; ++i) {
    const auto a = static_cast<std::uint8_t>((i * 73) % 256);
    from.insert(from.end(), {a, static_cast<std::uint8_t>(a / 2), a, a});
  }
  for (const auto& [w, h] : {std::pair{3, 2}, std::pair{11, 9}, std::pair{16, 3}}) {
    const Bytes out = Resized(from, 7, 5, w, h);
    for (std::size_t p = 0; p < out.size(); p += 4) {
      EXPECT_LE(out[p], out[p + 3]) << w << "x" << h << " at " << p / 4;
      EXPECT_LE(out[p + 2], out[p + 3]) << w << "x" << h << " at " << p / 4;
    }
  }
}

TEST(ResampleTest, AnEmptySideChangesNothing) {
  const Bytes from = Greys({1, 2});
  Bytes out(8, 0xEE);
  EXPECT_FALSE(Resample({from.data(), 0, 1}, {out.data(), 2, 1}));
  EXPECT_FALSE(Resample({from.data(), 2, 1}, {out.data(), 2, 0}));
  EXPECT_FALSE(Resample({nullptr, 2, 1}, {out.data(), 2, 1}));
  EXPECT_EQ(out, Bytes(8, 0xEE));
}

}  // namespace
}  // namespace kelvara::platform
