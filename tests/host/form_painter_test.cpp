// What the host paints for each kind of lightweight control, pixel by pixel,
// and that painting leaves no GDI object behind.
#include "platform/win32/host/form_painter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host_support.h"
#include "main_window/main_window_design.h"
#include "platform/win32/text.h"

namespace kelvara::win32::host {
namespace {

using testing::Canvas;
using ui::Control;
using ui::ControlKind;

constexpr COLORREF kKey = RGB(182, 192, 192);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kSentinel = RGB(1, 2, 3);
constexpr RECT kEverything{0, 0, 100, 60};

Control Shape(ui::Rect rect, bool filled, COLORREF fore, COLORREF back) {
  Control c;
  c.name = "shape";
  c.kind = ControlKind::kShape;
  c.rect = rect;
  c.filled = filled;
  c.fore = fore;
  c.back = back;
  return c;
}

Control Label(ui::Rect rect, std::string caption, ui::Alignment alignment) {
  Control c;
  c.name = "label";
  c.kind = ControlKind::kLabel;
  c.rect = rect;
  c.caption = std::move(caption);
  c.alignment = alignment;
  c.fore = kBlue;
  c.font = ui::Font{kClockFont, 12, true, false};
  return c;
}

ui::FormWindow Window() {
  ui::FormWindow w;
  w.rect = {0, 0, 1500, 900};
  w.back = kKey;
  return w;
}

// A picture file: `pixels` left to right in one row, as a 24-bit BMP.
std::string WriteBmp(const std::vector<COLORREF>& pixels) {
  return testing::WriteBmp("kelvara-host-picture.bmp", static_cast<int>(pixels.size()), 1,
                           [&pixels](int x, int) { return pixels[static_cast<std::size_t>(x)]; });
}

class FormPainterTest : public ::testing::Test {
 protected:
  void Paint(const ui::Form& form, const RECT& area = kEverything) {
    painter_.Paint(canvas_.dc(), Scale(96), form, area);
  }

  Canvas canvas_{100, 60};
  FontNames names_;
  GdiCache gdi_{names_};
  Win32Pictures pictures_;
  FormPainter painter_{gdi_, pictures_};
};

TEST_F(FormPainterTest, TheBackgroundIsTheWindowsColour) {
  canvas_.Fill(kSentinel);
  ui::Form form("f", Window(), {});
  Paint(form);
  EXPECT_EQ(canvas_.CountOther(kKey, kEverything, true), 0);
}

TEST_F(FormPainterTest, AFilledShapeHasItsFillInsideAndItsBorderAround) {
  ui::Form form("f", Window(), {Shape({30, 30, 150, 75}, true, kRed, kBlue)});
  Paint(form);
  // Pixels 2 to 11 across, 2 to 6 down.
  EXPECT_EQ(canvas_.At(2, 2), kRed);
  EXPECT_EQ(canvas_.At(11, 6), kRed);
  EXPECT_EQ(canvas_.At(5, 4), kBlue);
  EXPECT_EQ(canvas_.At(12, 4), kKey);
  EXPECT_EQ(canvas_.At(5, 7), kKey);
  EXPECT_EQ(canvas_.CountOther(kKey, RECT{2, 2, 12, 7}, false), 0);
}

TEST_F(FormPainterTest, AnOutlineShapeLeavesItsInsideAlone) {
  ui::Form form("f", Window(), {Shape({30, 30, 150, 75}, false, kRed, kBlue)});
  Paint(form);
  EXPECT_EQ(canvas_.At(2, 4), kRed);
  EXPECT_EQ(canvas_.At(5, 4), kKey);
}

TEST_F(FormPainterTest, NothingShowsOfAHiddenOrZeroWidthControl) {
  Control hidden = Shape({30, 30, 150, 75}, true, kRed, kBlue);
  hidden.visible = false;
  ui::Form form("f", Window(),
                {hidden, Shape({300, 300, 0, 255}, true, kRed, kBlue),
                 Shape({300, 300, 7, 255}, true, kRed, kBlue)});
  Paint(form);
  EXPECT_EQ(canvas_.CountOther(kKey, kEverything, true), 0);
}

TEST_F(FormPainterTest, LaterControlsLieAbove) {
  ui::Form form(
      "f", Window(),
      {Shape({0, 0, 300, 300}, true, kRed, kRed), Shape({150, 0, 300, 300}, true, kBlue, kBlue)});
  Paint(form);
  EXPECT_EQ(canvas_.At(5, 5), kRed);
  EXPECT_EQ(canvas_.At(15, 5), kBlue);
  EXPECT_EQ(canvas_.At(25, 5), kBlue);
}

TEST_F(FormPainterTest, OnlyTheAreaAskedForIsTouched) {
  canvas_.Fill(kSentinel);
  ui::Form form("f", Window(), {Shape({0, 0, 1500, 900}, true, kRed, kBlue)});
  Paint(form, RECT{0, 0, 10, 10});
  EXPECT_EQ(canvas_.At(5, 5), kBlue);
  EXPECT_EQ(canvas_.At(10, 5), kSentinel);
  EXPECT_EQ(canvas_.At(5, 10), kSentinel);
}

TEST_F(FormPainterTest, ALineRunsBetweenItsEnds) {
  Control line;
  line.name = "line";
  line.kind = ControlKind::kLine;
  line.x1 = 0, line.y1 = 300, line.x2 = 450, line.y2 = 300;
  line.fore = kGreen;
  ui::Form form("f", Window(), {line});
  Paint(form);
  EXPECT_EQ(canvas_.At(0, 20), kGreen);
  EXPECT_EQ(canvas_.At(15, 20), kGreen);
  EXPECT_EQ(canvas_.At(15, 19), kKey);
  EXPECT_EQ(canvas_.At(15, 21), kKey);
  EXPECT_EQ(canvas_.At(40, 20), kKey);
}

TEST_F(FormPainterTest, ACaptionStaysInsideItsLabel) {
  const ui::Rect rect{150, 150, 300, 300};  // pixels 10 to 29
  ui::Form form("f", Window(), {Label(rect, "WWWWWWWWWWWW", ui::Alignment::kLeft)});
  Paint(form);
  const RECT inside = Scale(96).Rect(rect);
  EXPECT_GT(canvas_.CountOther(kKey, inside, true), 20);
  EXPECT_EQ(canvas_.CountOther(kKey, inside, false), 0);
}

TEST_F(FormPainterTest, AnOpaqueLabelFillsItsBackground) {
  Control label = Label({150, 150, 300, 300}, "", ui::Alignment::kLeft);
  label.opaque = true;
  label.back = kGreen;
  ui::Form form("f", Window(), {label});
  Paint(form);
  EXPECT_EQ(canvas_.At(10, 10), kGreen);
  EXPECT_EQ(canvas_.At(29, 29), kGreen);
  EXPECT_EQ(canvas_.At(30, 30), kKey);
}

// The columns a caption's ink covers.
std::pair<int, int> InkColumns(const Canvas& canvas) {
  int first = canvas.width(), last = -1;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      if (canvas.At(x, y) == kKey) continue;
      first = std::min(first, x);
      last = std::max(last, x);
    }
  }
  return {first, last};
}

TEST_F(FormPainterTest, CaptionsAlignLeftRightAndCentre) {
  const ui::Rect rect{0, 0, 1500, 450};  // pixels 0 to 99
  ui::Form left("f", Window(), {Label(rect, "88", ui::Alignment::kLeft)});
  Paint(left);
  const auto [left_first, left_last] = InkColumns(canvas_);
  ui::Form right("f", Window(), {Label(rect, "88", ui::Alignment::kRight)});
  Paint(right);
  const auto [right_first, right_last] = InkColumns(canvas_);
  ui::Form centre("f", Window(), {Label(rect, "88", ui::Alignment::kCentre)});
  Paint(centre);
  const auto [centre_first, centre_last] = InkColumns(canvas_);

  EXPECT_LE(left_first, 3);
  EXPECT_GE(right_last, 96);
  const int ink = left_last - left_first;
  EXPECT_EQ(right_last - right_first, ink);
  EXPECT_NEAR((centre_first + centre_last) / 2.0, 49.5, 2.0);
}

TEST_F(FormPainterTest, ACaptionFitsTheHeightDesignedForItsFont) {
  // One line of 24 point digits in the 495 twips the clock label has: all of
  // each digit shows, whichever Japanese face stands in for the designed one.
  Control digits = Label({0, 0, 1500, 495}, "88", ui::Alignment::kLeft);
  digits.font = ui::Font{kClockFont, 24, true, false};
  Control roomy = digits;
  roomy.rect.height = 900;
  ui::Form tight("f", Window(), {digits});
  Paint(tight);
  const int shown = canvas_.CountOther(kKey, kEverything, true);
  ui::Form free("f", Window(), {roomy});
  Paint(free);
  EXPECT_GT(shown, 100);
  EXPECT_EQ(shown, canvas_.CountOther(kKey, kEverything, true));
}

TEST_F(FormPainterTest, PicturesStretchOrKeepTheirOwnSize) {
  const platform::LoadedPicture loaded = pictures_.Load(WriteBmp({kRed, kBlue}));
  ASSERT_NE(loaded.id, 0u) << loaded.error;
  Control stretched;
  stretched.name = "stretched";
  stretched.kind = ControlKind::kPicture;
  stretched.rect = {0, 0, 600, 150};  // 40 x 10 pixels
  stretched.stretch = true;
  stretched.picture = loaded.id;
  Control own = stretched;
  own.name = "own";
  own.rect = {0, 300, 600, 150};
  own.stretch = false;
  ui::Form form("f", Window(), {stretched, own});
  Paint(form);
  EXPECT_EQ(canvas_.At(5, 5), kRed);
  EXPECT_EQ(canvas_.At(35, 5), kBlue);
  EXPECT_EQ(canvas_.At(0, 20), kRed);
  EXPECT_EQ(canvas_.At(1, 20), kBlue);
  EXPECT_EQ(canvas_.At(2, 20), kKey);
}

TEST_F(FormPainterTest, OurOwnPicturesComeByTheirFormName) {
  // This test program carries the program's resources.
  Control grip;
  grip.name = "grip";
  grip.kind = ControlKind::kPicture;
  grip.rect = {0, 0, 480, 480};  // 32 x 32, the grip's own size
  grip.stretch = true;
  grip.resource = "grip";
  ui::Form form("f", Window(), {grip});
  Paint(form);
  EXPECT_GT(canvas_.CountOther(kKey, RECT{0, 0, 32, 32}, true), 200);
  EXPECT_EQ(canvas_.CountOther(kKey, RECT{0, 0, 32, 32}, false), 0);

  form["grip"].resource = "no/such_picture";
  Paint(form);  // a name without a resource shows nothing and breaks nothing
  EXPECT_EQ(canvas_.CountOther(kKey, kEverything, true), 0);
}

TEST_F(FormPainterTest, PaintingTheMonitorOverAndOverHoldsNoMoreGdiObjects) {
  ui::Form form("frmDTMn", MainWindowFrame(), MainWindowDesign());
  Canvas canvas(250, 330);
  const RECT all{0, 0, 250, 330};
  const char* times[] = {"12:00:00", "12:00:01", "23:59:59"};
  auto paint_a_while = [&](int ticks) {
    for (int i = 0; i < ticks; ++i) {
      form.SetCaption(form["lblTime"], times[i % 3]);
      form.SetCaption(form["lblCPer"], std::to_string(i % 101) + "%");
      form.SetWidth(form["PrscrTime"], static_cast<float>(i % 2596));
      form.SetFore(form["Label1"], i % 2 == 0 ? kRed : kBlue);
      gdi_.Trim();
      painter_.Paint(canvas.dc(), Scale(96), form, all);
    }
  };
  paint_a_while(10);  // the fonts, pens and brushes of the design, made once
  const std::size_t cached = gdi_.size();
  const testing::GdiState before = testing::Gdi();
  paint_a_while(500);
  EXPECT_EQ(gdi_.size(), cached);
  EXPECT_TRUE(testing::Gdi() == before);
}

TEST(GdiCacheTest, AnEndlessRunOfColoursIsBounded) {
  FontNames names;
  GdiCache gdi(names);
  for (ui::Colour c = 0; c < 1000; ++c) {
    gdi.Brush(c);
    gdi.Trim();
  }
  EXPECT_LE(gdi.size(), GdiCache::kMostPerKind + 1);
}

}  // namespace
}  // namespace kelvara::win32::host
