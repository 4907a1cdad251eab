// Twips to pixels at the window's DPI: the places every control lands on.
#include "platform/win32/host/scale.h"

#include <gtest/gtest.h>

namespace kelvara::win32::host {
namespace {

struct PxCase {
  int dpi;
  float twips;
  int pixels;
};

TEST(ScaleTest, TwipsBecomeWholePixelsAtTheWindowsDpi) {
  const PxCase cases[] = {
      {96, 3630, 242},   // the monitor's width
      {96, 4245, 283},   // its height with the page-file row
      {96, 7, 0},        // under half a pixel
      {96, 8, 1},        // over half
      {96, 7.5f, 1},     // a half goes away from zero
      {96, -150, -10},   // a place above the screen
      {144, 3630, 363},  // 150 %
      {192, 15, 2},      // 200 %
      {0, 15, 1},        // no DPI known: the design's
  };
  for (const PxCase& c : cases) {
    EXPECT_EQ(Scale(c.dpi).Px(c.twips), c.pixels) << c.dpi << " dpi, " << c.twips << " twips";
  }
}

TEST(ScaleTest, RectangleEdgesAreRoundedEachOnItsOwn) {
  const RECT bar = Scale(96).Rect(ui::Rect{720, 1320, 2595, 255});
  EXPECT_EQ(bar.left, 48);
  EXPECT_EQ(bar.top, 88);
  EXPECT_EQ(bar.right, 221);  // 3315 twips, not 48 + round(173)
  EXPECT_EQ(bar.bottom, 105);
  // Neighbours that touch in twips touch in pixels.
  EXPECT_EQ(Scale(120).Rect(ui::Rect{0, 0, 100, 10}).right,
            Scale(120).Rect(ui::Rect{100, 0, 100, 10}).left);
}

TEST(ScaleTest, PixelsBackToTwips) {
  EXPECT_FLOAT_EQ(Scale(96).Twips(20), 300);
  EXPECT_FLOAT_EQ(Scale(144).Twips(3), 30);
  EXPECT_EQ(Scale(96).FromDesignPx(3), 3);
  EXPECT_EQ(Scale(192).FromDesignPx(3), 6);
}

}  // namespace
}  // namespace kelvara::win32::host
