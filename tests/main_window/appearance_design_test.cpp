// The main window as designed: what the settings start from and what the
// position strip looks like before anything is applied.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "main_window/main_window.h"
#include "main_window/main_window_design.h"

namespace kelvara::testing {
namespace {

using ui::Alignment;
using ui::ControlKind;
using ui::Font;
using ui::Rect;

constexpr ui::Colour kGrey = 12632256;
const Font kCaptionFont{"ＭＳ Ｐゴシック", 9.75f, true, false};
const Font kAmountFont{"ＭＳ Ｐゴシック", 8.25f, false, false};

class Design : public ::testing::Test {
 protected:
  const ui::Control& operator[](const std::string& name) const { return window.form()[name]; }
  FakePlatform fake;
  MainWindow window{fake.platform()};
};

TEST_F(Design, WindowStartsHiddenInTheStartKey) {
  const ui::FormWindow frame = MainWindowFrame();
  EXPECT_EQ(frame.caption, "TavoroⅡ");
  EXPECT_EQ(frame.rect, (Rect{0, 0, 3630, 3675}));
  EXPECT_EQ(frame.back, 3347759u);
  EXPECT_FALSE(frame.visible);
  EXPECT_FALSE(frame.layered);
}

TEST_F(Design, Labels) {
  const struct {
    const char* name;
    const char* caption;
    Rect rect;
    Alignment alignment;
    Font font;
    ui::Colour fore;
  } cases[] = {
      {"lblTime",
       "Time",
       {360, 600, 2175, 495},
       Alignment::kCentre,
       Font{"ＭＳ Ｐゴシック", 24, true, false},
       kGrey},
      {"lblDate", "", {2190, 75, 1455, 255}, Alignment::kCentre, kCaptionFont, kGrey},
      {"lblMAge",
       "",
       {3030, 840, 255, 255},
       Alignment::kRight,
       Font{"Palatino Linotype", 9.75f, true, false},
       ui::Rgb(255, 255, 192)},
      {"Label1", "CPU", {120, 1365, 615, 255}, Alignment::kCentre, kCaptionFont, kGrey},
      {"Label2", "RAM", {120, 1965, 615, 255}, Alignment::kCentre, kCaptionFont, kGrey},
      {"Label7", "Page File", {120, 2415, 615, 375}, Alignment::kCentre, kCaptionFont, kGrey},
      {"Label3", "DISK", {120, 3165, 615, 255}, Alignment::kCentre, kCaptionFont, kGrey},
      {"Label4", "空き　領域", {120, 3660, 615, 375}, Alignment::kCentre, kCaptionFont, kGrey},
      {"lblCPer", "", {2640, 1605, 615, 255}, Alignment::kRight, kCaptionFont, kGrey},
      {"lblRPer", "", {2640, 2205, 615, 255}, Alignment::kRight, kCaptionFont, kGrey},
      {"lblPFPer", "", {2640, 2805, 615, 255}, Alignment::kRight, kCaptionFont, kGrey},
      {"lblDPer", "", {2640, 3405, 615, 255}, Alignment::kRight, kCaptionFont, kGrey},
      {"lblDSPer", "", {2640, 4005, 615, 255}, Alignment::kRight, kCaptionFont, kGrey},
      {"lblRamT", "", {720, 2205, 855, 255}, Alignment::kRight, kAmountFont, kGrey},
      {"Label5", "/", {1620, 2205, 135, 255}, Alignment::kCentre, kAmountFont, kGrey},
      {"lblRTotal", "", {1800, 2205, 1095, 255}, Alignment::kLeft, kAmountFont, kGrey},
      {"lblPTime", "", {720, 2805, 855, 255}, Alignment::kRight, kAmountFont, kGrey},
      {"Label8", "/", {1620, 2805, 135, 255}, Alignment::kCentre, kAmountFont, kGrey},
      {"lblPTotal", "", {1800, 2805, 975, 255}, Alignment::kLeft, kAmountFont, kGrey},
  };
  for (const auto& c : cases) {
    const ui::Control& label = (*this)[c.name];
    EXPECT_EQ(label.kind, ControlKind::kLabel) << c.name;
    EXPECT_EQ(label.caption, c.caption) << c.name;
    EXPECT_EQ(label.rect, c.rect) << c.name;
    EXPECT_EQ(label.alignment, c.alignment) << c.name;
    EXPECT_EQ(label.font, c.font) << c.name;
    EXPECT_EQ(label.fore, c.fore) << c.name;
    EXPECT_FALSE(label.opaque) << c.name;
    EXPECT_TRUE(label.visible) << c.name;
  }
}

TEST_F(Design, BarRowsAreEmptyBarsInGreyFrames) {
  const struct {
    const char *bar, *picture, *frame;
    float top;
  } rows[] = {{"PrscrTime", "CpuI", "PrscrTotal", 1320},
              {"RamT", "MemI", "RamTotal", 1920},
              {"PFT", "PFI", "PFTotal", 2520},
              {"DiskTime", "DscI", "DiskTotal", 3120},
              {"DSpce", "DspI", "DSTotal", 3720}};
  for (const auto& row : rows) {
    const ui::Control& bar = (*this)[row.bar];
    EXPECT_EQ(bar.kind, ControlKind::kShape);
    EXPECT_TRUE(bar.filled) << row.bar;
    EXPECT_EQ(bar.rect, (Rect{720, row.top, 0, 255})) << row.bar;
    EXPECT_EQ(bar.fore, kGrey);
    EXPECT_EQ(bar.back, kGrey);
    const ui::Control& picture = (*this)[row.picture];
    EXPECT_EQ(picture.kind, ControlKind::kPicture);
    EXPECT_EQ(picture.rect, (Rect{720, row.top, 0, 255})) << row.picture;
    EXPECT_TRUE(picture.stretch);
    EXPECT_EQ(picture.resource, "") << row.picture;
    EXPECT_EQ(picture.picture, 0u);
    const ui::Control& frame = (*this)[row.frame];
    EXPECT_EQ(frame.kind, ControlKind::kShape);
    EXPECT_FALSE(frame.filled) << row.frame;
    EXPECT_EQ(frame.rect, (Rect{720, row.top, 2595, 255})) << row.frame;
    EXPECT_EQ(frame.fore, kGrey);
  }
}

TEST_F(Design, ClockFacesAndHands) {
  for (const char* face : {"ClockBk", "ClockImage"}) {
    EXPECT_EQ((*this)[face].kind, ControlKind::kPicture);
    EXPECT_EQ((*this)[face].rect, (Rect{840, 30, 1125, 1125})) << face;
    EXPECT_TRUE((*this)[face].stretch) << face;
  }
  EXPECT_EQ((*this)["ClockBk"].resource, "clock_face");
  EXPECT_EQ((*this)["ClockImage"].resource, "");
  const struct {
    const char* name;
    float y1, y2;
    ui::Colour colour;
    int width;
  } hands[] = {{"LineS", 255, 595, ui::Rgb(238, 72, 101), 1},
               {"LineM", 240, 600, ui::Rgb(143, 143, 143), 2},
               {"LineH", 315, 595, ui::Rgb(105, 105, 105), 3}};
  for (const auto& hand : hands) {
    const ui::Control& line = (*this)[hand.name];
    EXPECT_EQ(line.kind, ControlKind::kLine);
    EXPECT_EQ(line.x1, 1395.0f) << hand.name;
    EXPECT_EQ(line.x2, 1395.0f) << hand.name;
    EXPECT_EQ(line.y1, hand.y1) << hand.name;
    EXPECT_EQ(line.y2, hand.y2) << hand.name;
    EXPECT_EQ(line.fore, hand.colour) << hand.name;
    EXPECT_EQ(line.line_width, hand.width) << hand.name;
  }
}

TEST_F(Design, ThirtyHiddenMoonPictures) {
  for (int age = 0; age < 30; ++age) {
    const std::string name = "Mp" + std::to_string(age);
    const ui::Control& picture = (*this)[name];
    EXPECT_EQ(picture.kind, ControlKind::kPicture);
    EXPECT_EQ(picture.rect, (Rect{2520, 300, 795, 795})) << name;
    EXPECT_TRUE(picture.stretch) << name;
    EXPECT_FALSE(picture.visible) << name;
    EXPECT_EQ(picture.resource, (age < 10 ? "moon/mp0" : "moon/mp") + std::to_string(age));
  }
  EXPECT_EQ(window.form().Find("Mp30"), nullptr);
}

TEST_F(Design, PositionStrip) {
  const ui::Control& handle = (*this)["PstnMove"];
  EXPECT_EQ(handle.kind, ControlKind::kPicture);
  EXPECT_EQ(handle.rect, (Rect{360, 4305, 480, 480}));
  EXPECT_TRUE(handle.stretch);
  EXPECT_EQ(handle.resource, "grip");
  const struct {
    const char *name, *caption;
    Rect rect;
  } buttons[] = {{"cmdPstnSave", "決定", {960, 4350, 615, 375}},
                 {"cmdFstPstn", "元の位置に戻す", {1680, 4350, 1575, 375}}};
  for (const auto& b : buttons) {
    const ui::Control& button = (*this)[b.name];
    EXPECT_EQ(button.kind, ControlKind::kButton);
    EXPECT_EQ(button.caption, b.caption);
    EXPECT_EQ(button.rect, b.rect) << b.name;
    EXPECT_EQ(button.back, ui::Rgb(182, 252, 204)) << b.name;
    EXPECT_TRUE(button.opaque);
    EXPECT_TRUE(button.visible);
    EXPECT_EQ(button.font, (Font{"ＭＳ Ｐゴシック", 9, false, false})) << b.name;
  }
}

TEST_F(Design, WorkingControlsLieHiddenRightOfTheWindow) {
  const struct {
    const char *name, *caption;
  } cases[] = {{"lblC", "C"},
               {"lblD", "D"},
               {"lblDs", "DS"},
               {"lblMClr", ""},
               {"cmdSave", "cmdSave"},
               {"Command2", "Command2"},
               {"TmrNN", ""},
               {"TmrRS", ""},
               {"txtAge", ""},
               {"WTop", ""},
               {"PFUl", ""}};
  for (const auto& c : cases) {
    const ui::Control& hidden = (*this)[c.name];
    EXPECT_EQ(hidden.caption, c.caption) << c.name;
    EXPECT_EQ(hidden.rect, (Rect{4200, 0, 615, 255})) << c.name;
    EXPECT_FALSE(hidden.visible) << c.name;
  }
}

}  // namespace
}  // namespace kelvara::testing
