#include "launcher/launcher.h"

#include <gtest/gtest.h>

#include "program/program_fixture.h"
#include "ui/centre.h"
#include "ui/hit_test.h"

namespace kelvara::testing {
namespace {

using Strings = std::vector<std::string>;
using ui::ClickAt;

class LauncherTest : public ProgramTest {
 protected:
  Launcher& Open() {
    main.SetText("OsVer", "6.2");
    Tray(515);
    TakeCalls();
    return static_cast<Launcher&>(*windows().Find("frmLnchr"));
  }
};

TEST_F(LauncherTest, CentredByItsOuterSizeOnAFullHdScreen) {
  fake.screen = {28800, 16200};
  const ui::FormWindow& w = Open().form().window();
  // Designed by its client area; no host here measures a frame around it.
  EXPECT_TRUE(w.client_sized);
  EXPECT_EQ(w.rect, (ui::Rect{10597.5f, 5332.5f, 7605, 5535}));
  EXPECT_TRUE(w.visible);
}

TEST_F(LauncherTest, AMeasuredFrameCentresTheOuterWindow) {
  const struct {
    float frame_width, frame_height;
    float left, top;
  } cases[] = {
      {90, 480, 10552.5f, 5092.5f},  // the outer size it used to be given
      {240, 585, 10477.5f, 5040},
  };
  for (const auto& c : cases) {
    Launcher launcher(main, fake.platform());
    launcher.form().SetWindowFrame(c.frame_width, c.frame_height);
    ui::CentreOnScreen(launcher.form(), 28800, 16200);
    EXPECT_EQ(launcher.form().window().rect, (ui::Rect{c.left, c.top, 7605, 5535}));
  }
}

TEST_F(LauncherTest, SeeThroughWindowWithItsCaptionAndColour) {
  Launcher launcher(main, fake.platform());
  EXPECT_FALSE(launcher.layered());
  EXPECT_EQ(launcher.alpha(), 255);
  Launcher& open = Open();
  EXPECT_TRUE(open.layered());
  EXPECT_EQ(open.alpha(), 195);
  EXPECT_FALSE(open.form().window().layered);  // no colour key
  EXPECT_EQ(open.form().window().caption, "Tavoroらんちゃー");
  EXPECT_EQ(open.form().window().back, ui::Rgb(240, 250, 251));
}

TEST_F(LauncherTest, UserLabelFromTheUserName) {
  const struct {
    const char* name;
    const char* caption;
  } cases[] = {{"taro", "( taro )"}, {"", "(  )"}, {"山田 花子", "( 山田 花子 )"}};
  for (const auto& c : cases) {
    main.SetText("UName", c.name);
    EXPECT_EQ(Open().form()["Label15"].caption, c.caption) << c.name;
    windows().Unload("frmLnchr");
  }
}

TEST_F(LauncherTest, UserLabelIsReadOnlyWhenTheLauncherLoads) {
  main.SetText("UName", "taro");
  Open();
  main.SetText("UName", "jiro");
  Tray(515);
  EXPECT_EQ(windows().Find("frmLnchr")->form()["Label15"].caption, "( taro )");
}

std::string Start(const std::string& file, const std::string& dir, int show) {
  return "Shell.Execute hwnd=frmLnchr verb=<null> file=" + file + " params=<null> dir=" + dir +
         " show=" + std::to_string(show);
}

TEST_F(LauncherTest, EachButtonOpensItsFolderOrTool) {
  const std::string computer = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
  const struct {
    const char* button;
    std::string start;
  } cases[] = {
      {"Image1", Start(computer, computer, 1)},
      {"Image11", Start("shell:Favorites", "shell:Favorites", 1)},
      {"Image2", Start("shell:Libraries", "shell:Libraries", 1)},
      {"Image3", Start("shell:Personal", "shell:Personal", 1)},
      {"Image4", Start("shell:My Pictures", "shell:My Pictures", 1)},
      {"Image5", Start("shell:My Video", "shell:My Video", 1)},
      {"Image6", Start("shell:My Music", "shell:My Music", 1)},
      {"Image7", Start("shell:Common Programs", "shell:Common Programs", 1)},
      {"Image8", Start("shell:Programs", "shell:Programs", 1)},
      {"Image9", Start("shell:Common Startup", "shell:Common Startup", 1)},
      {"Image10", Start("control.exe", "c:\\", 1)},
      {"Image12",
       Start("shell:Common Administrative Tools", "shell:Common Administrative Tools", 1)},
      {"Image13", Start("taskmgr.exe", "taskmgr.exe /7", 5)},
      {"Image14", Start("msinfo32.exe", "c:\\", 1)},
  };
  ui::Form& form = Open().form();
  for (const auto& c : cases) {
    const ui::Rect& r = form[c.button].rect;
    ClickAt(form, r.left + r.width / 2, r.top + r.height / 2);
    EXPECT_EQ(TakeCalls(), Strings{c.start}) << c.button;
  }
  EXPECT_TRUE(windows().IsLoaded("frmLnchr"));  // stays open after a click
}

TEST_F(LauncherTest, LabelsLinesAndGapsStartNothing) {
  ui::Form& form = Open().form();
  for (const ui::Control& c : form.controls()) {
    if (c.kind != ui::ControlKind::kLabel) continue;
    ClickAt(form, c.rect.left + 1, c.rect.top + 1);
    ClickAt(form, c.rect.left + c.rect.width - 1, c.rect.top + c.rect.height - 1);
  }
  ClickAt(form, 3000, 1320);  // on the first line
  ClickAt(form, 100, 100);
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(LauncherTest, ButtonsAreIconSizedPicturesInFourRows) {
  const struct {
    const char* button;
    float left, top;
    const char* picture;
  } cases[] = {
      {"Image1", 1680, 120, "launcher/computer"},
      {"Image11", 3480, 120, "launcher/favourites"},
      {"Image2", 5280, 120, "launcher/libraries"},
      {"Image3", 720, 1440, "launcher/documents"},
      {"Image4", 2520, 1440, "launcher/pictures"},
      {"Image5", 4320, 1440, "launcher/videos"},
      {"Image6", 6120, 1440, "launcher/music"},
      {"Image7", 1680, 2760, "launcher/all_users_programs"},
      {"Image8", 3480, 2760, "launcher/user_programs"},
      {"Image9", 5280, 2760, "launcher/all_users_startup"},
      {"Image10", 720, 4280, "launcher/control_panel"},
      {"Image12", 2520, 4280, "launcher/administrative_tools"},
      {"Image13", 4320, 4280, "launcher/task_manager"},
      {"Image14", 6120, 4280, "launcher/system_information"},
  };
  Launcher launcher(main, fake.platform());
  for (const auto& c : cases) {
    const ui::Control& b = launcher.form()[c.button];
    EXPECT_EQ(b.kind, ui::ControlKind::kPicture) << c.button;
    EXPECT_EQ(b.rect, (ui::Rect{c.left, c.top, 720, 720})) << c.button;
    EXPECT_EQ(b.resource, c.picture) << c.button;
    EXPECT_FALSE(b.stretch) << c.button;
  }
}

TEST_F(LauncherTest, CaptionLabelsGreenOnBlackBoldGothic) {
  const struct {
    const char* label;
    const char* caption;
    ui::Rect rect;
    float size;
  } cases[] = {
      {"Label1", "コンピューター", {1320, 960, 1455, 255}, 9.75f},
      {"Label7", "お気に入り", {3240, 960, 1215, 255}, 9.75f},
      {"Label2", "ライブラリ", {5160, 960, 1095, 255}, 9.75f},
      {"Label3", "ドキュメント", {480, 2280, 1215, 255}, 9.75f},
      {"Label4", "ピクチャ", {2400, 2280, 975, 255}, 9.75f},
      {"Label5", "ビデオ", {4200, 2280, 855, 255}, 9.75f},
      {"Label6", "ミュージック", {5880, 2280, 1215, 255}, 9.75f},
      {"Label8", "プログラム", {1440, 3600, 1215, 255}, 9.75f},
      {"Label14", "( All User )", {1440, 3840, 1215, 255}, 9},
      {"Label9", "プログラム", {3300, 3600, 1095, 255}, 9.75f},
      {"Label15", "(User)", {3300, 3840, 1095, 255}, 9},
      {"Label10", "スタートアップ", {4920, 3600, 1455, 255}, 9.75f},
      {"Label11", "コントロールパネル", {240, 5120, 1695, 255}, 9.75f},
      {"Label12", "管理ツール", {2280, 5120, 1095, 255}, 9.75f},
      {"Label13", "タスクマネージャ", {3840, 5120, 1695, 255}, 9.75f},
      {"Label16", "システム情報", {5760, 5120, 1455, 255}, 9.75f},
  };
  Launcher launcher(main, fake.platform());
  int labels = 0;
  for (const ui::Control& c : launcher.form().controls())
    labels += c.kind == ui::ControlKind::kLabel;
  EXPECT_EQ(labels, 16);
  for (const auto& c : cases) {
    const ui::Control& l = launcher.form()[c.label];
    EXPECT_EQ(l.caption, c.caption) << c.label;
    EXPECT_EQ(l.rect, c.rect) << c.label;
    EXPECT_EQ(l.font, (ui::Font{"ＭＳ Ｐゴシック", c.size, true, false})) << c.label;
    EXPECT_EQ(l.fore, ui::Rgb(128, 255, 128)) << c.label;
    EXPECT_EQ(l.back, ui::Rgb(0, 0, 0)) << c.label;
    EXPECT_TRUE(l.opaque) << c.label;
    EXPECT_EQ(l.alignment, ui::Alignment::kCentre) << c.label;
  }
}

TEST_F(LauncherTest, ThreeSeparatorLines) {
  Launcher launcher(main, fake.platform());
  for (const auto& [name, y] :
       {std::pair{"Line1", 1320.0f}, {"Line2", 2640.0f}, {"Line3", 4160.0f}}) {
    const ui::Control& line = launcher.form()[name];
    EXPECT_EQ(line.kind, ui::ControlKind::kLine) << name;
    EXPECT_EQ((std::vector<float>{line.x1, line.y1, line.x2, line.y2}),
              (std::vector<float>{240, y, 7320, y}))
        << name;
    EXPECT_EQ(line.fore, ui::Rgb(187, 226, 227)) << name;
    EXPECT_EQ(line.line_width, 1) << name;
  }
}

}  // namespace
}  // namespace kelvara::testing
