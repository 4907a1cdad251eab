// What a batch of changes leaves to repaint: covered rectangles folded away.
#include "platform/win32/host/dirty_area.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace kelvara::win32::host {
namespace {

using Box = std::array<LONG, 4>;

std::vector<Box> Boxes(const std::vector<RECT>& rects) {
  std::vector<Box> out;
  for (const RECT& r : rects) out.push_back({r.left, r.top, r.right, r.bottom});
  return out;
}

struct AddCase {
  const char* what;
  std::vector<RECT> added;
  std::vector<Box> kept;
};

TEST(DirtyAreaTest, KeepsWhatNoOtherRectangleCovers) {
  const AddCase cases[] = {
      {"nothing", {}, {}},
      {"empty rectangles add nothing", {{5, 5, 5, 9}, {3, 8, 9, 8}, {9, 9, 2, 2}}, {}},
      {"the same rectangle twice is kept once", {{1, 2, 30, 40}, {1, 2, 30, 40}}, {{1, 2, 30, 40}}},
      {"one inside an earlier one adds nothing", {{0, 0, 10, 10}, {2, 2, 5, 10}}, {{0, 0, 10, 10}}},
      {"one covering earlier ones replaces them",
       {{2, 2, 5, 5}, {20, 20, 30, 30}, {6, 6, 10, 8}, {0, 0, 10, 10}},
       {{20, 20, 30, 30}, {0, 0, 10, 10}}},
      {"overlapping ones are both kept",
       {{0, 0, 10, 10}, {5, 5, 15, 15}},
       {{0, 0, 10, 10}, {5, 5, 15, 15}}},
      {"a bar's old and new place, then its caption",
       {{48, 88, 148, 105}, {48, 88, 98, 105}, {176, 107, 217, 124}},
       {{48, 88, 148, 105}, {176, 107, 217, 124}}},
  };
  for (const AddCase& c : cases) {
    DirtyArea area;
    for (const RECT& r : c.added) area.Add(r);
    EXPECT_EQ(Boxes(area.rects()), c.kept) << c.what;
    EXPECT_EQ(area.empty(), c.kept.empty()) << c.what;
  }
}

}  // namespace
}  // namespace kelvara::win32::host
