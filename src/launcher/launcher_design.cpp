#include "launcher/launcher_design.h"

#include <string>
#include <utility>

#include "ui/controls.h"

namespace kelvara {
namespace {

using ui::Control;
using ui::ControlKind;
using ui::Rect;
using ui::Rgb;

constexpr float kButtonSize = 720;  // a 48 x 48 icon at its own size
constexpr const char* kLabelFont = ui::kGothicFont;

Control Button(const char* name, const char* picture, float left, float top) {
  return ui::MakePicture(name, {left, top, kButtonSize, kButtonSize},
                         std::string("launcher/") + picture, false);
}

Control Label(const char* name, const char* caption, Rect rect, float size = 9.75f) {
  Control c = ui::MakeLabel(name, caption, rect, ui::Alignment::kCentre,
                            {kLabelFont, size, true, false}, Rgb(128, 255, 128));
  c.back = Rgb(0, 0, 0);
  c.opaque = true;
  return c;
}

Control Line(const char* name, float y) {
  return ui::MakeLine(name, 240, y, 7320, y, Rgb(187, 226, 227));
}

}  // namespace

ui::FormWindow LauncherFrame() {
  ui::FormWindow w;
  w.caption = "Tavoroらんちゃー";
  // Designed by its client area, so the icons' rows fit inside whatever
  // frame the system draws.
  w.rect = {0, 0, 7605, 5535};
  w.client_sized = true;
  w.back = Rgb(240, 250, 251);
  return w;
}

std::vector<Control> LauncherDesign() {
  std::vector<Control> out;
  // The computer, favourites and libraries.
  out.push_back(Button("Image1", "computer", 1680, 120));
  out.push_back(Label("Label1", "コンピューター", {1320, 960, 1455, 255}));
  out.push_back(Button("Image11", "favourites", 3480, 120));
  out.push_back(Label("Label7", "お気に入り", {3240, 960, 1215, 255}));
  out.push_back(Button("Image2", "libraries", 5280, 120));
  out.push_back(Label("Label2", "ライブラリ", {5160, 960, 1095, 255}));
  out.push_back(Line("Line1", 1320));
  // The user's media folders.
  out.push_back(Button("Image3", "documents", 720, 1440));
  out.push_back(Label("Label3", "ドキュメント", {480, 2280, 1215, 255}));
  out.push_back(Button("Image4", "pictures", 2520, 1440));
  out.push_back(Label("Label4", "ピクチャ", {2400, 2280, 975, 255}));
  out.push_back(Button("Image5", "videos", 4320, 1440));
  out.push_back(Label("Label5", "ビデオ", {4200, 2280, 855, 255}));
  out.push_back(Button("Image6", "music", 6120, 1440));
  out.push_back(Label("Label6", "ミュージック", {5880, 2280, 1215, 255}));
  out.push_back(Line("Line2", 2640));
  // Program folders.
  out.push_back(Button("Image7", "all_users_programs", 1680, 2760));
  out.push_back(Label("Label8", "プログラム", {1440, 3600, 1215, 255}));
  out.push_back(Label("Label14", "( All User )", {1440, 3840, 1215, 255}, 9));
  out.push_back(Button("Image8", "user_programs", 3480, 2760));
  out.push_back(Label("Label9", "プログラム", {3300, 3600, 1095, 255}));
  out.push_back(Label("Label15", "(User)", {3300, 3840, 1095, 255}, 9));
  out.push_back(Button("Image9", "all_users_startup", 5280, 2760));
  out.push_back(Label("Label10", "スタートアップ", {4920, 3600, 1455, 255}));
  out.push_back(Line("Line3", 4160));
  // System tools.
  out.push_back(Button("Image10", "control_panel", 720, 4280));
  out.push_back(Label("Label11", "コントロールパネル", {240, 5120, 1695, 255}));
  out.push_back(Button("Image12", "administrative_tools", 2520, 4280));
  out.push_back(Label("Label12", "管理ツール", {2280, 5120, 1095, 255}));
  out.push_back(Button("Image13", "task_manager", 4320, 4280));
  out.push_back(Label("Label13", "タスクマネージャ", {3840, 5120, 1695, 255}));
  out.push_back(Button("Image14", "system_information", 6120, 4280));
  out.push_back(Label("Label16", "システム情報", {5760, 5120, 1455, 255}));
  return out;
}

const std::vector<LauncherStart>& LauncherStarts() {
  using platform::kShow;
  using platform::kShowNormal;
  static const std::vector<LauncherStart> starts = {
      {"Image1", platform::kComputerFolder, platform::kComputerFolder, kShowNormal},
      {"Image11", "shell:Favorites", "shell:Favorites", kShowNormal},
      {"Image2", "shell:Libraries", "shell:Libraries", kShowNormal},
      {"Image3", "shell:Personal", "shell:Personal", kShowNormal},
      {"Image4", "shell:My Pictures", "shell:My Pictures", kShowNormal},
      {"Image5", "shell:My Video", "shell:My Video", kShowNormal},
      {"Image6", "shell:My Music", "shell:My Music", kShowNormal},
      {"Image7", "shell:Common Programs", "shell:Common Programs", kShowNormal},
      {"Image8", "shell:Programs", "shell:Programs", kShowNormal},
      {"Image9", "shell:Common Startup", "shell:Common Startup", kShowNormal},
      {"Image10", "control.exe", "c:\\", kShowNormal},
      {"Image12", "shell:Common Administrative Tools", "shell:Common Administrative Tools",
       kShowNormal},
      // Deliberately in the working directory, with no parameters.
      {"Image13", "taskmgr.exe", "taskmgr.exe /7", kShow},
      {"Image14", "msinfo32.exe", "c:\\", kShowNormal},
  };
  return starts;
}

}  // namespace kelvara
