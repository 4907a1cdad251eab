#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/settings_fixture.h"

namespace kelvara::testing {
namespace {

using Strings = std::vector<std::string>;
constexpr ui::Colour kGrey = 12632256;

const struct ColourRow {
  const char* set;
  const char* clear;
  const char* swatch;
  const char* field;
  const char* hand;
  bool transparency;
} kColourRows[] = {
    {"Command1", "Command7", "Text2", "AllClor", "", true},
    {"Command13", "Command15", "Text1", "DATEClor", "", false},
    {"Command14", "Command16", "Text7", "TimeClor", "", true},
    {"Command2", "Command8", "Text3", "CClor", "", false},
    {"Command3", "Command9", "Text4", "RClor", "", false},
    {"Command34", "Command35", "Text8", "PClor", "", false},
    {"Command11", "Command12", "Text5", "DClor", "", false},
    {"Command4", "Command10", "Text6", "DSClor", "", false},
    {"Command21", "", "Bc", "BClor", "", false},
    {"Command19", "", "Hc", "HClor", "LineH", false},
    {"Command18", "", "Mc", "MClor", "LineM", false},
    {"Command20", "", "Sc", "SClor", "LineS", false},
    {"Command36", "", "MAClor", "", "", false},
};

TEST_F(SettingsTest, EveryColourChosenOrCancelled) {
  for (const ColourRow& row : kColourRows) {
    for (const bool chosen : {true, false}) {
      Open({.BClor = "1"});
      const ui::Colour initial = C(row.swatch).back;
      const ui::Colour colour = chosen ? 255 : initial;
      fake.colour_choices = chosen ? std::vector<std::uint32_t>{255} : std::vector<std::uint32_t>{};
      Press(row.set);
      const std::string what = std::string(row.set) + (chosen ? " chosen" : " cancelled");
      EXPECT_EQ(TakeCalls(),
                Strings{"Pickers.Colour owner=frmSetup initial=" + std::to_string(initial)})
          << what;
      EXPECT_EQ(C(row.swatch).back, colour) << what;
      if (*row.field) {
        EXPECT_EQ(Text(row.field), std::to_string(colour)) << what;
      }
      if (*row.hand) {
        EXPECT_EQ(C(row.hand).fore, colour) << what;
      }
      const std::string key = row.transparency                    ? std::to_string(colour - 10)
                              : std::string(row.field) == "BClor" ? std::to_string(colour)
                                                                  : "1";
      EXPECT_EQ(Text("BClor"), key) << what;
      EXPECT_EQ(std::to_string(C("Bc").back), key) << what;
      EXPECT_EQ(Text("CSet"), "") << what;
    }
  }
}

TEST_F(SettingsTest, TransparencyFollowsTheWholeColourValue) {
  for (const auto& [button, answer, key] : {std::tuple{"Command14", 0u, "10"},
                                            {"Command14", 14u, "24"},
                                            {"Command1", 5u, "15"},
                                            {"Command1", 15u, "5"},
                                            {"Command14", 12632256u, "12632246"}}) {
    Open();
    fake.colour_choices = {answer};
    Press(button);
    EXPECT_EQ(Text("BClor"), key) << button << " " << answer;
  }
}

TEST_F(SettingsTest, ClearingAColourRow) {
  for (const ColourRow& row : kColourRows) {
    if (!*row.clear) continue;
    Open({.BClor = "1"});
    fake.colour_choices = {255};
    Press(row.set);
    Press(row.clear);
    EXPECT_EQ(Text(row.field), "") << row.clear;
    EXPECT_EQ(C(row.swatch).back, kGrey) << row.clear;
    EXPECT_EQ(Text("BClor"), row.transparency ? "12632246" : "1") << row.clear;
  }
}

TEST_F(SettingsTest, ColourModeSequences) {
  const struct {
    const char* name;
    SettingsRecord fields;
    std::vector<const char*> steps;  // boxes clicked, colour buttons answered with 255
    const char* checked;
    const char* disabled;
    const char* colours;  // AllClor|DATEClor|TimeClor|PClor
  } cases[] = {
      {"per item to all",
       {.DATEClor = "1", .TimeClor = "2", .PClor = "3"},
       {"Check1"},
       "Check1",
       "Frame4",
       "|||3"},
      {"all to per item", {.AllClor = "7", .PClor = "3"}, {"Check2"}, "Check2", "Frame3", "|||3"},
      // A true switch clears the chosen mode's colours too.
      {"switch clears both", {.AllClor = "7"}, {"Command13", "Check2"}, "Check2", "Frame3", "|||"},
      {"all again", {.AllClor = "7"}, {"Check1"}, "Check1", "Frame4", "7|||"},
      {"per item again",
       {.DATEClor = "1", .TimeClor = "2"},
       {"Check2"},
       "Check2",
       "Frame3",
       "|1|2|"},
      {"none to all", {.TimeClor = "2"}, {"Command1", "Check1"}, "Check1", "Frame4", "255|||"},
      {"none to per item", {.TimeClor = "2"}, {"Command1", "Check2"}, "Check2", "Frame3", "||2|"},
      {"there and back",
       {.TimeClor = "2"},
       {"Check2", "Command13", "Check1", "Command1"},
       "Check1",
       "Frame4",
       "255|||"},
  };
  for (const auto& c : cases) {
    Open(c.fields);
    for (const char* step : c.steps) {
      fake.colour_choices = {255};
      std::string(step).starts_with("Check") ? Click(step) : Press(step);
    }
    EXPECT_EQ(Checked(), c.checked) << c.name;
    EXPECT_EQ(Unusable({"Frame3", "Frame4"}), c.disabled) << c.name;
    EXPECT_EQ(
        Text("AllClor") + "|" + Text("DATEClor") + "|" + Text("TimeClor") + "|" + Text("PClor"),
        c.colours)
        << c.name;
    for (const ColourRow& row : kColourRows) {
      if (!*row.clear) continue;
      EXPECT_EQ(Text(row.field).empty(), C(row.swatch).back == kGrey)
          << c.name << " " << row.swatch;
    }
  }
}

const struct PictureRow {
  const char* browse;
  const char* clear;
  const char* preview;
  const char* field;
} kPictureRows[] = {
    {"Command22", "", "ClockImage", "ClImage"},   {"Command23", "Command30", "CpuI", "CpuImg"},
    {"Command24", "Command31", "MemI", "MemImg"}, {"Command32", "Command33", "PFI", "PFImg"},
    {"Command25", "Command28", "DscI", "DscImg"}, {"Command26", "Command29", "DspI", "DspImg"},
};

TEST_F(SettingsTest, EveryPictureCancelledChosenUnreadableAndCleared) {
  const std::string picker =
      "Pickers.File owner=frmSetup filter=アイコン (*.ico)|*.ico|ビットマップ (*.bmp)|*.bmp|"
      "JPEGイメージ (*.JPG)|*.JPG|GIFイメージ (*.GIF)|*GIF|すべてのピクチャファイル (*.*)|*.*| "
      "index=5 folder=C:\\Tools";
  main.SetText("CDir", "C:\\Tools");
  fake.picture_files = {{"C:\\p\\a.bmp", 5}};
  for (const PictureRow& row : kPictureRows) {
    Open({.ClSW = "アナログ時計"});
    Press(row.browse);
    EXPECT_EQ(TakeCalls(), Strings{picker}) << row.browse;
    EXPECT_EQ(Text(row.field) + Text("GrpSW"), "") << row.browse;
    fake.file_choices = {"C:\\p\\bad.png", "C:\\p\\a.bmp", "C:\\p\\bad.png"};
    Press(row.browse);
    EXPECT_EQ(Text(row.field) + std::to_string(C(row.preview).picture), "0") << row.browse;
    EXPECT_TRUE(form().Shown(C("ClockBk"))) << row.browse;
    EXPECT_EQ(fake.messages,
              Strings{"TavoroII|画像を読み込めませんでした。\rC:\\p\\bad.png\r読み込めません"})
        << row.browse;
    Press(row.browse);
    Press(row.browse);  // unreadable again: the chosen one stays
    EXPECT_EQ(Text(row.field), "C:\\p\\a.bmp") << row.browse;
    EXPECT_EQ(C(row.preview).picture, 5u) << row.browse;
    EXPECT_EQ(form().Shown(C("ClockBk")), *row.clear != 0) << row.browse;
    EXPECT_EQ(fake.messages.size(), 2u) << row.browse;
    fake.messages.clear();
    if (!*row.clear) continue;
    TakeCalls();
    Press(row.clear);
    EXPECT_EQ(Text(row.field), "") << row.clear;
    EXPECT_EQ(C(row.preview).picture, 0u) << row.clear;
    EXPECT_EQ(TakeCalls(), Strings{"Picture.Release 5"}) << row.clear;
  }
}

TEST_F(SettingsTest, SamePictureForEveryMeter) {
  fake.picture_files = {{"a.bmp", 5}, {"c.bmp", 6}};
  const struct {
    const char* name;
    SettingsRecord fields;
    const char* browse;  // none: only the box is checked
    const char* meters;  // CpuImg|MemImg|DscImg|DspImg|PFImg afterwards
  } cases[] = {
      {"CPU chosen", {}, "Command23", "a.bmp|a.bmp|a.bmp|a.bmp|a.bmp"},
      {"RAM chosen", {}, "Command24", "|a.bmp|||"},
      {"CPU set", {.CpuImg = "c.bmp"}, "", "c.bmp|c.bmp|c.bmp|c.bmp|c.bmp"},
      {"CPU empty", {.MemImg = "c.bmp"}, "", "|c.bmp|||"},
  };
  for (const auto& c : cases) {
    Open(c.fields);
    Click("Check3");
    fake.file_choices = {"a.bmp"};
    if (*c.browse) Press(c.browse);
    EXPECT_EQ(Text("CpuImg") + "|" + Text("MemImg") + "|" + Text("DscImg") + "|" + Text("DspImg") +
                  "|" + Text("PFImg"),
              c.meters)
        << c.name;
    for (const char* meter : {"CpuI", "MemI", "DscI", "DspI", "PFI"}) {
      const std::string& path = Text(std::string(meter) + "mg");
      EXPECT_EQ(C(meter).picture, path.empty() ? 0u : fake.picture_files.at(path)) << c.name;
    }
  }
}

TEST_F(SettingsTest, BuiltInClockAgain) {
  fake.picture_files = {{"face.bmp", 9}};
  Open({.ClSW = "アナログ時計", .HClor = "255", .ClImage = "face.bmp"});
  TakeCalls();
  Press("Command27");
  EXPECT_EQ(TakeCalls(), Strings{"Picture.Release 9"});
  EXPECT_EQ(Text("ClImage"), "");
  EXPECT_EQ(Hidden({"ClockBk"}) + std::to_string(C("ClockImage").picture), "0");
  for (const auto& [line, field, swatch, colour] : {std::tuple{"LineH", "HClor", "Hc", 6908265u},
                                                    {"LineM", "MClor", "Mc", 9408399u},
                                                    {"LineS", "SClor", "Sc", 6637806u}}) {
    EXPECT_EQ(C(line).fore, colour) << line;
    EXPECT_EQ(Text(field), std::to_string(colour)) << field;
    EXPECT_EQ(C(swatch).back, colour) << swatch;
  }
}

TEST_F(SettingsTest, FontPickerPresetResultAndSample) {
  const platform::FontChoice both{"Arial", 10.5f, true, true};
  const platform::FontChoice bold{"Arial", 12, true, false};
  const struct {
    unsigned major;
    const char* style;
    std::optional<platform::FontChoice> answer;
    const char* marks;   // the preset's bold and italic; empty: no picker
    const char* fields;  // ClFntN|FSize|ClFntSt afterwards
    ui::Font sample;
  } cases[] = {
      {5, "", both, "bold=1 italic=0", "Arial|10.5|太字 斜体", {"Arial", 10.5f, true, true}},
      {5, "標準", both, "bold=0 italic=0", "Arial|10.5|太字 斜体", {"Arial", 10.5f, true, true}},
      {5,
       "斜体",
       std::nullopt,
       "bold=0 italic=1",
       "ＭＳ Ｐゴシック|24|斜体",
       {"ＭＳ Ｐゴシック", 24, false, true}},
      {5,
       "太字 斜体",
       both,
       "bold=1 italic=1",
       "Arial|10.5|太字 斜体",
       {"ＭＳ Ｐゴシック", 10.5f, true, true}},
      // The same style: the sample takes the size but not the name.
      {5, "太字", bold, "bold=1 italic=0", "Arial|12|太字", {"ＭＳ Ｐゴシック", 12, true, false}},
      {5, "他", bold, "bold=- italic=-", "Arial|12|太字", {"Arial", 12, true, false}},
      {6, "太字", bold, "", "ＭＳ Ｐゴシック|24|太字", {"ＭＳ Ｐゴシック", 24, true, false}},
  };
  for (const auto& c : cases) {
    fake.version = platform::WindowsVersion{c.major, 1};
    Open({.ClFntSt = c.style, .ClSW = "デジタル時計"});
    if (c.answer) fake.font_choices = {*c.answer};
    Press("Command17");
    EXPECT_EQ(TakeCalls(), *c.marks ? Strings{std::string("Pickers.Font owner=frmSetup "
                                                          "name=ＭＳ Ｐゴシック size=24 ") +
                                              c.marks}
                                    : Strings{})
        << c.style;
    EXPECT_EQ(Text("ClFntN") + "|" + Text("FSize") + "|" + Text("ClFntSt"), c.fields) << c.style;
    EXPECT_EQ(C("lblTime").font, c.sample) << c.style;
    fake.font_choices.clear();
  }
}

}  // namespace
}  // namespace kelvara::testing
