#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "settings/settings_fixture.h"

namespace kelvara::testing {
namespace {

using Strings = std::vector<std::string>;

const struct ColourRow {
  const char *set, *clear, *swatch, *field, *hand;
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

TEST_F(SettingsTest, EveryColourChosenCancelledAndCleared) {
  for (const ColourRow& row : kColourRows) {
    for (const std::optional<ui::Colour> answer : {std::optional<ui::Colour>(255), {}}) {
      Open({.BClor = "1"});
      const ui::Colour initial = C(row.swatch).back;
      const ui::Colour colour = answer.value_or(initial);  // a cancel keeps the initial one
      fake.colour_choices.assign(answer.has_value(), colour);
      Press(row.set);
      const std::string what = std::string(row.set) + (answer ? " chosen" : " cancelled");
      EXPECT_EQ(TakeCalls(),
                Strings{"Pickers.Colour owner=frmSetup initial=" + std::to_string(initial)})
          << what;
      const std::string text = std::to_string(colour);
      EXPECT_EQ(C(row.swatch).back, colour) << what;
      EXPECT_EQ(*row.field ? Text(row.field) : text, text) << what;
      EXPECT_EQ(*row.hand ? C(row.hand).fore : colour, colour) << what;
      const std::string key = row.transparency                    ? std::to_string(colour - 10)
                              : std::string(row.field) == "BClor" ? text
                                                                  : "1";
      EXPECT_EQ(Text("BClor") + " " + std::to_string(C("Bc").back), key + " " + key) << what;
      EXPECT_EQ(Text("CSet"), "") << what;
      if (!*row.clear) continue;
      Press(row.clear);
      EXPECT_EQ(Text(row.field) + std::to_string(C(row.swatch).back), "12632256") << row.clear;
      EXPECT_EQ(Text("BClor"), row.transparency ? "12632246" : "1") << row.clear;
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

TEST_F(SettingsTest, ColourModeSequences) {
  // Boxes clicked and colour buttons answered with 255, then: the boxes checked |
  // the frames disabled | AllClor, DATEClor, TimeClor, PClor.
  const struct {
    SettingsRecord fields;
    std::vector<const char*> steps;
    const char* state;
  } cases[] = {
      {{.DATEClor = "1", .TimeClor = "2", .PClor = "3"}, {"Check1"}, "Check1|Frame4||||3"},
      {{.AllClor = "7", .PClor = "3"}, {"Check2"}, "Check2|Frame3||||3"},
      // A true switch clears the chosen mode's colours too.
      {{.AllClor = "7"}, {"Command13", "Check2"}, "Check2|Frame3||||"},
      {{.AllClor = "7"}, {"Check1"}, "Check1|Frame4|7|||"},
      {{.DATEClor = "1", .TimeClor = "2"}, {"Check2"}, "Check2|Frame3||1|2|"},
      {{.TimeClor = "2"}, {"Command1", "Check1"}, "Check1|Frame4|255|||"},
      {{.TimeClor = "2"}, {"Command1", "Check2"}, "Check2|Frame3|||2|"},
      {{.TimeClor = "2"}, {"Check2", "Command13", "Check1", "Command1"}, "Check1|Frame4|255|||"},
  };
  for (const auto& c : cases) {
    Open(c.fields);
    for (const char* step : c.steps) {
      fake.colour_choices = {255};
      std::string(step).starts_with("Check") ? Click(step) : Press(step);
    }
    EXPECT_EQ(Checked() + "|" + Unusable({"Frame3", "Frame4"}) + "|" + Text("AllClor") + "|" +
                  Text("DATEClor") + "|" + Text("TimeClor") + "|" + Text("PClor"),
              c.state);
    for (const ColourRow& row : kColourRows) {
      if (!*row.clear) continue;
      EXPECT_EQ(Text(row.field).empty(), C(row.swatch).back == 12632256) << c.state << row.swatch;
    }
  }
}

TEST_F(SettingsTest, EveryPictureCancelledUnreadableChosenAndCleared) {
  const std::string picker =
      "Pickers.File owner=frmSetup filter=アイコン (*.ico)|*.ico|ビットマップ (*.bmp)|*.bmp|"
      "JPEGイメージ (*.JPG)|*.JPG|GIFイメージ (*.GIF)|*GIF|すべてのピクチャファイル (*.*)|*.*| "
      "index=5 folder=C:\\Tools";
  main.SetText("CDir", "C:\\Tools");
  fake.picture_files = {{"a.bmp", 5}};
  for (const auto& [browse, clear, preview, field] :
       {std::tuple{"Command22", "", "ClockImage", "ClImage"},
        {"Command23", "Command30", "CpuI", "CpuImg"},
        {"Command24", "Command31", "MemI", "MemImg"},
        {"Command32", "Command33", "PFI", "PFImg"},
        {"Command25", "Command28", "DscI", "DscImg"},
        {"Command26", "Command29", "DspI", "DspImg"}}) {
    Open({.ClSW = "アナログ時計"});
    fake.file_choices = {"", "bad.png", "a.bmp", "bad.png"};
    // Cancelled; unreadable; chosen; unreadable after a choice. Then: the field
    // and preview after each, and whether the built-in face shows.
    std::string after;
    for (int i = 0; i < 4; ++i) {
      Press(browse);
      after += Text(field) + ":" + std::to_string(C(preview).picture) + " ";
    }
    EXPECT_EQ(after + (form().Shown(C("ClockBk")) ? "face" : "no face"),
              std::string(":0 :0 a.bmp:5 a.bmp:5 ") + (*clear ? "face" : "no face"));
    EXPECT_EQ(TakeCalls().front(), picker);
    EXPECT_EQ(Text("GrpSW"), "");
    EXPECT_EQ(fake.messages,
              Strings(2, "TavoroII|画像を読み込めませんでした。\rbad.png\r読み込めません"));
    fake.messages.clear();
    if (!*clear) continue;
    Press(clear);
    EXPECT_EQ(Text(field) + std::to_string(C(preview).picture), "0") << clear;
    EXPECT_EQ(TakeCalls(), Strings{"Picture.Release 5"}) << clear;
  }
}

// A path the store would not keep as it is (a character written as "?" or by
// best fit, more bytes than the field) is refused as it is chosen, though the
// picture loads: field and preview keep what they had.
TEST_F(SettingsTest, PicturePathsTheStoreCannotKeepAreRefused) {
  std::string kanji;
  for (int i = 0; i < 136; ++i) kanji += "画";        // 2 bytes each in the code page, 3 in UTF-8
  const std::string fits = "C:\\" + kanji + "a.bmp";  // 280 bytes
  const std::string too_long = "C:\\" + kanji + "ab.bmp";  // 281 bytes
  const std::string unsavable = "画像のパスに、保存できない文字が含まれています。\r";
  const struct {
    std::string path, message;  // no message: accepted
  } rows[] = {
      {"C:\\Users\\José\\a.bmp", unsavable + "C:\\Users\\José\\a.bmp"},  // é: "?"
      {"C:\\사진\\a.bmp", unsavable + "C:\\사진\\a.bmp"},                // Hangul: "?"
      {"C:\\波〜\\a.bmp", unsavable + "C:\\波〜\\a.bmp"},                // reads back as ～
      {fits, ""},
      {too_long, "画像のパスが長すぎます (280 バイトまで)。\r" + too_long},
  };
  for (const auto& row : rows) {
    fake.picture_files = {{"old.bmp", 3}, {row.path, 7}};
    Open({.CpuImg = "old.bmp"});
    fake.file_choices = {row.path};
    Press("Command23");
    const bool refused = !row.message.empty();
    EXPECT_EQ(fake.messages, refused ? Strings{"TavoroII|" + row.message} : Strings{}) << row.path;
    EXPECT_EQ(fake.message_owners, refused ? Strings{"frmSetup"} : Strings{}) << row.path;
    EXPECT_EQ(Text("CpuImg") + ":" + std::to_string(C("CpuI").picture),
              refused ? "old.bmp:3" : row.path + ":7");
    fake.messages.clear();
    fake.message_owners.clear();
  }
}

TEST_F(SettingsTest, SamePictureForEveryMeter) {
  fake.picture_files = {{"a.bmp", 5}, {"c.bmp", 6}};
  for (const auto& [fields, browse, meters] :
       {std::tuple{SettingsRecord{}, "Command23", "a.bmp:5 a.bmp:5 a.bmp:5 a.bmp:5 a.bmp:5 "},
        {SettingsRecord{}, "Command24", ":0 a.bmp:5 :0 :0 :0 "},
        {SettingsRecord{.CpuImg = "c.bmp"}, "", "c.bmp:6 c.bmp:6 c.bmp:6 c.bmp:6 c.bmp:6 "},
        {SettingsRecord{.MemImg = "c.bmp"}, "", ":0 c.bmp:6 :0 :0 :0 "}}) {
    Open(fields);
    Click("Check3");
    fake.file_choices = {"a.bmp"};
    if (*browse) Press(browse);
    std::string seen;
    for (const char* meter : {"Cpu", "Mem", "Dsc", "Dsp", "PF"}) {
      seen += Text(std::string(meter) + "Img") + ":" +
              std::to_string(C(std::string(meter) + "I").picture) + " ";
    }
    EXPECT_EQ(seen, meters);
  }
}

TEST_F(SettingsTest, BuiltInClockAgain) {
  fake.picture_files = {{"face.bmp", 9}};
  Open({.ClSW = "アナログ時計", .HClor = "255", .ClImage = "face.bmp"});
  TakeCalls();
  Press("Command27");
  EXPECT_EQ(TakeCalls(), Strings{"Picture.Release 9"});
  EXPECT_EQ(Text("ClImage") + Hidden({"ClockBk"}) + std::to_string(C("ClockImage").picture), "0");
  for (const auto& [line, field, swatch, colour] : {std::tuple{"LineH", "HClor", "Hc", 6908265u},
                                                    {"LineM", "MClor", "Mc", 9408399u},
                                                    {"LineS", "SClor", "Sc", 6637806u}}) {
    EXPECT_EQ(Text(field), std::to_string(colour)) << field;
    EXPECT_EQ(C(line).fore, colour) << line;
    EXPECT_EQ(C(swatch).back, colour) << swatch;
  }
}

TEST_F(SettingsTest, FontPickerPresetResultAndSample) {
  const platform::FontChoice both{"Arial", 10.5f, true, true}, bold{"Arial", 12, true, false};
  // The preset's marks (none: no picker), then ClFntN|FSize|ClFntSt and the sample.
  const struct {
    unsigned major;
    const char* style;
    std::optional<platform::FontChoice> answer;
    const char* marks;
    const char* result;
  } cases[] = {
      {5, "", both, "bold=1 italic=0", "Arial|10.5|太字 斜体 Arial 10.5 BI"},
      {5, "標準", both, "bold=0 italic=0", "Arial|10.5|太字 斜体 Arial 10.5 BI"},
      {5, "斜体", std::nullopt, "bold=0 italic=1", "ＭＳ Ｐゴシック|24|斜体 ＭＳ Ｐゴシック 24 I"},
      // The same style again: the sample takes the size but not the name.
      {5, "太字 斜体", both, "bold=1 italic=1", "Arial|10.5|太字 斜体 ＭＳ Ｐゴシック 10.5 BI"},
      {5, "太字", bold, "bold=1 italic=0", "Arial|12|太字 ＭＳ Ｐゴシック 12 B"},
      {5, "他", bold, "bold=- italic=-", "Arial|12|太字 Arial 12 B"},
      {6, "太字", bold, "", "ＭＳ Ｐゴシック|24|太字 ＭＳ Ｐゴシック 24 B"},
  };
  for (const auto& c : cases) {
    fake.version = platform::WindowsVersion{c.major, 1};
    Open({.ClFntSt = c.style, .ClSW = "デジタル時計"});
    fake.font_choices.assign(c.answer.has_value(), c.answer.value_or(both));
    Press("Command17");
    EXPECT_EQ(TakeCalls(),
              *c.marks ? Strings{std::string("Pickers.Font owner=frmSetup name=ＭＳ Ｐゴシック "
                                             "size=24 ") +
                                 c.marks}
                       : Strings{})
        << c.style;
    const ui::Font& f = C("lblTime").font;
    std::ostringstream seen;
    seen << Text("ClFntN") << "|" << Text("FSize") << "|" << Text("ClFntSt") << " " << f.name << " "
         << f.size << " " << (f.bold ? "B" : "") << (f.italic ? "I" : "");
    EXPECT_EQ(seen.str(), c.result) << c.style;
  }
}

}  // namespace
}  // namespace kelvara::testing
