#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <tuple>

#include "settings/settings_design.h"
#include "settings/settings_fixture.h"

namespace kelvara::testing {
namespace {

using ui::ControlKind;

bool Inside(const ui::Rect& r, float width, float height) {
  return r.left >= 0 && r.top >= 0 && r.left + r.width <= width && r.top + r.height <= height;
}

TEST_F(SettingsTest, EveryControlLiesInsideItsFrameOrTheWindowAndIsNamedOnce) {
  SettingsDialog dialog(main, fake.platform(), windows());
  const ui::Form& f = dialog.form();
  EXPECT_EQ(f.window().caption, "設定");
  EXPECT_EQ(f.window().back, 0xFFFFFFu);
  std::set<std::string> names;
  int frames = 0, hidden = 0;
  for (const ui::Control& c : f.controls()) {
    EXPECT_TRUE(names.insert(c.name).second) << c.name;
    const ui::Control* frame = f.Container(c);
    EXPECT_EQ(frame == nullptr, c.container.empty()) << c.name << " names no frame";
    frames += c.kind == ControlKind::kFrame;
    if (!c.visible) {
      ++hidden;
      EXPECT_GE(f.WindowRect(c).left, 8625) << c.name << " lies in sight";
    } else if (c.kind == ControlKind::kLine) {
      EXPECT_TRUE(Inside({std::min(c.x1, c.x2), std::min(c.y1, c.y2), std::abs(c.x2 - c.x1),
                          std::abs(c.y2 - c.y1)},
                         frame->rect.width, frame->rect.height))
          << c.name;
    } else {
      EXPECT_TRUE(frame ? Inside(c.rect, frame->rect.width, frame->rect.height)
                        : Inside(c.rect, 8625 - 90, 8055 - 480))
          << c.name;
    }
    if (c.kind == ControlKind::kButton) {
      EXPECT_TRUE(c.on_click) << c.name << " is not wired";
      EXPECT_TRUE(c.back == kPaleButton || c.back == kCreamButton) << c.name;
    }
    if (c.kind != ControlKind::kLine && c.kind != ControlKind::kPicture && c.visible) {
      EXPECT_EQ(c.font, (ui::Font{"ＭＳ Ｐゴシック", c.name == "lblTime" ? 24.0f : 9.0f,
                                  c.name == "lblTime", false}))
          << c.name;
    }
    EXPECT_EQ(c.cursor, c.name == "Label30" ? "hand" : "") << c.name;
  }
  EXPECT_EQ(frames, 7);
  EXPECT_EQ(hidden, 27);  // the working copy, CSet, GrpSW and OsVer
}

TEST_F(SettingsTest, CaptionsAndColoursAsDesigned) {
  const struct {
    const char* name;
    const char* caption;
    ui::Colour fore;
  } cases[] = {
      {"Frame1", "文字とメーター", 0},
      {"Frame2", "時計と月齢", 0},
      {"Frame5", "ウインドウ", 0},
      {"Frame6", "メーターの画像", 0},
      {"Frame7", "物理メモリとページファイル", 0},
      {"Check1", "すべて同じ色に設定する", 0},
      {"Check2", "項目別に色を設定する", 0},
      {"Check3", "すべて同じ画像に設定する", 0},
      {"Label20", "フォント、スタイルは日付時間共に適用、サイズは時間のみ適用されます。", 0xFF},
      {"Label27", "物理メモリ、ページファイルが2Gを超える場合に設定してください。", 0xFF},
      {"Label30", "[確認方法]", 0xFF0000},
      {"lblTime", "Time", 12632256},
      {"Command27", "初期画像に戻す", 0},
      {"Command19", "短針(時)", 0},
      {"Command18", "長針(分)", 0},
      {"Command20", "秒針", 0},
      {"Command36", "文字色", 0},
      {"Command6", "保存", 0},
      {"Command5", "キャンセル", 0},
      {"cmdUnld", "閉じる", 0},
  };
  SettingsDialog dialog(main, fake.platform(), windows());
  for (const auto& c : cases) {
    EXPECT_EQ(dialog.form()[c.name].caption, c.caption) << c.name;
    EXPECT_EQ(dialog.form()[c.name].fore, c.fore) << c.name;
  }
  for (const auto& [swatch, back] : {std::pair{"Hc", 0x404040u},
                                     {"Mc", 0x808080u},
                                     {"Sc", 0x6548EEu},
                                     {"Text8", 12632256u},
                                     {"MAClor", 12632256u}}) {
    EXPECT_EQ(dialog.form()[swatch].back, back) << swatch;
  }
  for (const auto& [line, width, colour] :
       {std::tuple{"LineH", 3, 0x404040u}, {"LineM", 2, 0x808080u}, {"LineS", 1, 0x6548EEu}}) {
    EXPECT_EQ(dialog.form()[line].line_width, width) << line;
    EXPECT_EQ(dialog.form()[line].fore, colour) << line;
  }
  EXPECT_EQ(dialog.form()["ClockBk"].resource, "clock_face");
  EXPECT_EQ(dialog.form()["cboCVw"].items, (std::vector<std::string>{"表示", "非表示"}));
  EXPECT_EQ(dialog.form()["ClSw"].items,
            (std::vector<std::string>{"デジタル時計", "アナログ時計"}));
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
