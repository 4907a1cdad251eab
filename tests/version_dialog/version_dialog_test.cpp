#include "version_dialog/version_dialog.h"

#include <gtest/gtest.h>

#include "program/program_fixture.h"
#include "ui/centre.h"
#include "version_dialog/version_dialog_design.h"

namespace kelvara::testing {
namespace {

using Strings = std::vector<std::string>;

class VersionDialogTest : public ProgramTest {
 protected:
  VersionDialog& Open() {
    Choose("verInfo");
    TakeCalls();
    TakeEvents();
    return static_cast<VersionDialog&>(*windows().Find("frmVInfo"));
  }
};

const char* const kOpenAddress =
    "Shell.Execute hwnd=frmVInfo verb=<null> file=https://github.com/kelvara/kelvara "
    "params=<null> dir=https://github.com/kelvara/kelvara show=1";

TEST_F(VersionDialogTest, OnlyTheOverlayOverTheAddressOpensIt) {
  const struct {
    float x, y;
    bool opens;
  } cases[] = {
      {360, 2080, true},
      {4334.9f, 2334.9f, true},
      {2000, 2200, true},
      {359.9f, 2200, false},
      {4335, 2200, false},
      {2000, 2079.9f, false},
      {2000, 2335, false},
      // The address label's own ends, outside the overlay.
      {130, 2100, false},
      {4560, 2100, false},
      // The credit, the version and the logo.
      {2500, 1800, false},
      {2500, 1200, false},
      {600, 600, false},
  };
  for (const auto& c : cases) {
    VersionDialog& dialog = Open();
    dialog.ClickAt(c.x, c.y);
    EXPECT_EQ(TakeCalls(), c.opens ? Strings{kOpenAddress} : Strings{}) << c.x << ", " << c.y;
    EXPECT_EQ(TakeEvents(), c.opens ? Strings{"unload frmVInfo"} : Strings{}) << c.x << ", " << c.y;
    windows().Unload("frmVInfo");
  }
}

TEST_F(VersionDialogTest, OkClosesWithoutOpeningAnything) {
  Open().form().Press("Command1");
  EXPECT_TRUE(fake.calls.empty());
  EXPECT_EQ(TakeEvents(), Strings{"unload frmVInfo"});
}

TEST_F(VersionDialogTest, CentredEachTimeItIsCreated) {
  // No host measures a frame here: its client area is all there is.
  const struct {
    platform::ScreenSize screen;
    ui::Rect rect;
  } cases[] = {
      {{15360, 11520}, {5332.5f, 4252.5f, 4695, 3015}},
      {{28800, 16200}, {12052.5f, 6592.5f, 4695, 3015}},
  };
  for (const auto& c : cases) {
    fake.screen = c.screen;
    EXPECT_EQ(Open().form().window().rect, c.rect);
    windows().Unload("frmVInfo");
  }
}

TEST(VersionDialogFrameTest, ItsClientAreaIsDesignedAndItsFrameCentredWithIt) {
  const struct {
    float frame_width, frame_height;
    ui::Rect rect;
  } cases[] = {
      {0, 0, {5332.5f, 4252.5f, 4695, 3015}},
      {90, 480, {5287.5f, 4012.5f, 4695, 3015}},   // a thin frame at 96 dpi
      {240, 585, {5212.5f, 3960, 4695, 3015}},     // a wide one at 96 dpi
      {120, 450, {5272.5f, 4027.5f, 4695, 3015}},  // 8 x 30 pixels at 144 dpi
  };
  for (const auto& c : cases) {
    ui::Form form("frmVInfo", VersionDialogFrame(), VersionDialogDesign());
    EXPECT_TRUE(form.window().client_sized);
    form.SetWindowFrame(c.frame_width, c.frame_height);
    ui::CentreOnScreen(form, 15360, 11520);
    EXPECT_EQ(form.window().rect, c.rect) << c.frame_width << " x " << c.frame_height;
    EXPECT_EQ(form.window().OuterWidth(), 4695 + c.frame_width);
    EXPECT_EQ(form.window().OuterHeight(), 3015 + c.frame_height);
  }
}

TEST_F(VersionDialogTest, ARepeatedRequestBringsItForwardWhereItIs) {
  Open();
  windows().Find("frmVInfo")->form().SetWindowLeft(100);
  Choose("verInfo");
  EXPECT_EQ(TakeEvents(), Strings{"forward frmVInfo"});
  EXPECT_EQ(windows().Find("frmVInfo")->form().window().rect.left, 100);
}

TEST_F(VersionDialogTest, DesignFromTopToBottomOfTheStack) {
  const struct {
    const char* name;
    ui::ControlKind kind;
    const char* caption;
    ui::Rect rect;
    ui::Colour fore;
    ui::Alignment alignment;
    ui::Font font;
  } cases[] = {
      {"Command1",
       ui::ControlKind::kButton,
       "O K",
       {1800, 2520, 1095, 375},
       0,
       ui::Alignment::kLeft,
       {"ＭＳ Ｐゴシック", 11.25f, false, false}},
      {"Image2",
       ui::ControlKind::kPicture,
       "",
       {360, 2080, 3975, 255},
       0,
       ui::Alignment::kLeft,
       {}},
      {"Label4",
       ui::ControlKind::kLabel,
       "作者 / kelvara",
       {1920, 1710, 2295, 375},
       ui::Rgb(128, 128, 128),
       ui::Alignment::kCentre,
       {"ＭＳ Ｐゴシック", 12, false, false}},
      {"Label5",
       ui::ControlKind::kLabel,
       "https://github.com/kelvara/kelvara",
       {120, 2040, 4455, 255},
       ui::Rgb(0, 0, 255),
       ui::Alignment::kCentre,
       {"Comic Sans MS", 9.75f, true, false}},
      {"Label3",
       ui::ControlKind::kLabel,
       "ver 3.3",
       {1960, 1040, 2175, 480},
       ui::Rgb(255, 128, 0),
       ui::Alignment::kCentre,
       {"ＭＳ Ｐゴシック", 20.25f, true, false}},
      {"Label2",
       ui::ControlKind::kLabel,
       "TavoroⅡ",
       {1660, 180, 2895, 855},
       ui::Rgb(111, 189, 253),
       ui::Alignment::kLeft,
       {"ＭＳ Ｐゴシック", 36, true, false}},
      {"Label1",
       ui::ControlKind::kLabel,
       "TavoroⅡ",
       {1720, 240, 2895, 855},
       ui::Rgb(192, 207, 233),
       ui::Alignment::kLeft,
       {"ＭＳ Ｐゴシック", 36, true, false}},
      {"Image1",
       ui::ControlKind::kPicture,
       "",
       {240, 165, 1200, 1200},
       0,
       ui::Alignment::kLeft,
       {}},
  };
  VersionDialog dialog(fake.platform(), windows());
  const auto& controls = dialog.form().controls();
  ASSERT_EQ(controls.size(), std::size(cases));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const auto& c = cases[i];
    const ui::Control& got = controls[controls.size() - 1 - i];  // stored bottom first
    EXPECT_EQ(got.name, c.name);
    EXPECT_EQ(got.kind, c.kind) << c.name;
    EXPECT_EQ(got.caption, c.caption) << c.name;
    EXPECT_EQ(got.rect, c.rect) << c.name;
    EXPECT_EQ(got.fore, c.fore) << c.name;
    EXPECT_EQ(got.alignment, c.alignment) << c.name;
    if (c.kind != ui::ControlKind::kPicture) {
      EXPECT_EQ(got.font, c.font) << c.name;
    }
    EXPECT_EQ(got.opaque, c.kind == ui::ControlKind::kButton) << c.name;
  }
  EXPECT_EQ(dialog.form()["Command1"].back, ui::Rgb(224, 222, 224));
  EXPECT_EQ(dialog.form()["Image1"].resource, "logo");
  EXPECT_TRUE(dialog.form()["Image1"].stretch);
  EXPECT_EQ(dialog.form()["Image2"].resource, "");
  EXPECT_TRUE(dialog.form()["Image2"].visible);
  // The pointing hand over the address, and nowhere else.
  for (const ui::Control& c : controls) {
    EXPECT_EQ(c.cursor, c.name == "Image2" ? "hand" : "") << c.name;
  }
  EXPECT_EQ(dialog.form().window().caption, "バージョン情報");
  EXPECT_EQ(dialog.form().window().back, ui::Rgb(236, 236, 208));
}

}  // namespace
}  // namespace kelvara::testing
