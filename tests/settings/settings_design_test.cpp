#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>

#include "settings/settings_design.h"
#include "settings/settings_fixture.h"

namespace kelvara::testing {
namespace {

using ui::ControlKind;

TEST_F(SettingsTest, DesignInvariants) {
  SettingsDialog dialog(main, fake.platform(), windows());
  const ui::Form& f = dialog.form();
  std::set<std::string> names;
  int frames = 0, hidden = 0;
  for (const ui::Control& c : f.controls()) {
    EXPECT_TRUE(names.insert(c.name).second) << c.name;
    const ui::Control* frame = f.Container(c);
    EXPECT_EQ(frame == nullptr, c.container.empty()) << c.name << " names no frame";
    frames += c.kind == ControlKind::kFrame;
    hidden += !c.visible;
    // Inside its frame, or the window's client area; hidden fields out of sight.
    const ui::Rect r = c.kind != ControlKind::kLine
                           ? c.rect
                           : ui::Rect{std::min(c.x1, c.x2), std::min(c.y1, c.y2),
                                      std::abs(c.x2 - c.x1), std::abs(c.y2 - c.y1)};
    const float width = frame ? frame->rect.width : 8625 - 90;
    const float height = frame ? frame->rect.height : 8055 - 480;
    if (c.visible) {
      EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left + r.width <= width &&
                  r.top + r.height <= height)
          << c.name;
    } else {
      EXPECT_GE(r.left, 8625) << c.name;
    }
    if (c.kind == ControlKind::kButton) {
      EXPECT_TRUE(c.on_click) << c.name << " is not wired";
      EXPECT_TRUE(c.back == kPaleButton || c.back == kCreamButton) << c.name;
    }
    if (c.kind != ControlKind::kLine && c.kind != ControlKind::kPicture && c.visible) {
      const bool sample = c.name == "lblTime";
      EXPECT_EQ(c.font, (ui::Font{"ＭＳ Ｐゴシック", sample ? 24.0f : 9.0f, sample, false}))
          << c.name;
    }
    EXPECT_EQ(c.cursor, c.name == "Label30" ? "hand" : "") << c.name;
  }
  EXPECT_EQ(frames, 7);
  EXPECT_EQ(hidden, 27);  // the working copy, CSet, GrpSW and OsVer
  EXPECT_EQ(f.window().caption, "設定");
  EXPECT_EQ(f.window().back, 0xFFFFFFu);
}

TEST_F(SettingsTest, CaptionsAndColoursAsDesigned) {
  SettingsDialog dialog(main, fake.platform(), windows());
  const ui::Form& f = dialog.form();
  std::string seen;
  for (const char* name :
       {"Frame1",   "Frame2",    "Frame5",    "Frame6",    "Frame7",    "Check1",    "Check2",
        "Check3",   "Command27", "Command19", "Command18", "Command20", "Command36", "Command6",
        "Command5", "cmdUnld",   "Label20",   "Label27",   "Label30",   "lblTime"}) {
    seen += std::string(name) + "=" + f[name].caption + " " + std::to_string(f[name].fore) + "\n";
  }
  EXPECT_EQ(seen,
            "Frame1=文字とメーター 0\nFrame2=時計と月齢 0\nFrame5=ウインドウ 0\n"
            "Frame6=メーターの画像 0\nFrame7=物理メモリとページファイル 0\n"
            "Check1=すべて同じ色に設定する 0\nCheck2=項目別に色を設定する 0\n"
            "Check3=すべて同じ画像に設定する 0\nCommand27=初期画像に戻す 0\n"
            "Command19=短針(時) 0\nCommand18=長針(分) 0\nCommand20=秒針 0\nCommand36=文字色 0\n"
            "Command6=保存 0\nCommand5=キャンセル 0\ncmdUnld=閉じる 0\n"
            "Label20=フォント、スタイルは日付時間共に適用、サイズは時間のみ適用されます。 255\n"
            "Label27=物理メモリ、ページファイルが2Gを超える場合に設定してください。 255\n"
            "Label30=[確認方法] 16711680\nlblTime=Time 12632256\n");
  // The hands' swatches and lines share their colours; unset swatches are grey.
  EXPECT_EQ(
      std::vector<ui::Colour>({f["Hc"].back, f["LineH"].fore, f["Mc"].back, f["LineM"].fore,
                               f["Sc"].back, f["LineS"].fore, f["Text8"].back, f["MAClor"].back}),
      (std::vector<ui::Colour>{0x404040, 0x404040, 0x808080, 0x808080, 0x6548EE, 0x6548EE, 12632256,
                               12632256}));
  EXPECT_EQ(std::vector<int>({f["LineH"].line_width, f["LineM"].line_width, f["LineS"].line_width}),
            (std::vector<int>{3, 2, 1}));
  EXPECT_EQ(f["ClockBk"].resource, "clock_face");
  EXPECT_EQ(f["Combo1"].items, (std::vector<std::string>{"表示", "非表示"}));
  EXPECT_EQ(f["ClSw"].items, (std::vector<std::string>{"デジタル時計", "アナログ時計"}));
}

TEST_F(SettingsTest, SwatchesAndFontFieldsTakeNoTyping) {
  SettingsDialog dialog(main, fake.platform(), windows());
  const ui::Form& f = dialog.form();
  for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8",
                           "Bc", "Hc", "Mc", "Sc", "MAClor", "ClFntN", "ClFntSt", "FSize"}) {
    for (char32_t typed : {U'1', U'a', U'\b', U'１'})
      EXPECT_FALSE(f.Accepts(f[name], typed)) << name;
  }
  for (const char* name : {"ClImage", "RTUl", "PFUl", "ClSw", "cboCVw"}) {
    EXPECT_TRUE(f.Accepts(f[name], U'1')) << name;
  }
}

}  // namespace
}  // namespace kelvara::testing
