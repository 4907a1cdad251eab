#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "settings/settings_fixture.h"

namespace kelvara::testing {
namespace {

using Swatches = std::vector<std::pair<const char*, ui::Colour>>;

using SettingsLoad = SettingsTest;

TEST_F(SettingsLoad, ColourModesSwatchesAndSwitchesFromTheFields) {
  const struct {
    const char* name;
    SettingsRecord fields;
    const char* checked;
    const char* disabled;
    Swatches swatches;  // the others stay grey
    const char* switches;
  } cases[] = {
      {"all items",
       {.AllClor = "255", .CVw = "on", .MVw = "off", .BClor = "245", .MAgeVw = "off"},
       "Check1",
       "Frame4",
       {{"Text2", 255}, {"Bc", 245}},
       "表示 非表示 非表示 表示"},
      {"per item",
       {.DATEClor = "65280",
        .TimeClor = "16711680",
        .CClor = "1",
        .RClor = "2",
        .DClor = "3",
        .DSClor = "4",
        .MVw = "on",
        .PFVw = "off",
        .PClor = "5"},
       "Check2",
       "Frame3",
       {{"Text1", 65280},
        {"Text7", 16711680},
        {"Text3", 1},
        {"Text4", 2},
        {"Text5", 3},
        {"Text6", 4},
        {"Text8", 5}},
       "非表示 表示 表示 非表示"},
      // Checking the all-items box clears the date colour before it is seen.
      {"both",
       {.AllClor = "255", .DATEClor = "65280"},
       "Check1",
       "Frame4",
       {{"Text2", 255}},
       "非表示 非表示 表示 表示"},
      {"only time", {.TimeClor = "255"}, "", "", {{"Text7", 255}}, "非表示 非表示 表示 表示"},
      {"only page file", {.PClor = "5"}, "", "", {{"Text8", 5}}, "非表示 非表示 表示 表示"},
      {"empty", {}, "Check1", "Frame4", {}, "非表示 非表示 表示 表示"},
      {"not colours",
       {.AllClor = "abc", .BClor = "-1"},
       "Check1",
       "Frame4",
       {},
       "非表示 非表示 表示 表示"},
  };
  for (const auto& c : cases) {
    Open(c.fields);
    EXPECT_EQ(Checked(), c.checked) << c.name;
    EXPECT_EQ(Unusable({"Frame3", "Frame4"}), c.disabled) << c.name;
    for (const char* swatch :
         {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Bc"}) {
      ui::Colour expected = 12632256;
      for (const auto& [name, colour] : c.swatches) {
        if (std::string(name) == swatch) expected = colour;
      }
      EXPECT_EQ(C(swatch).back, expected) << c.name << " " << swatch;
    }
    EXPECT_EQ(
        Text("cboCVw") + " " + Text("cboMVw") + " " + Text("cboMAgeVw") + " " + Text("Combo1"),
        c.switches)
        << c.name;
    // Showing a switch is not choosing it: the fields keep their texts.
    EXPECT_EQ(Text("CVw") + Text("MVw") + Text("PFVw"), c.fields.CVw + c.fields.MVw + c.fields.PFVw)
        << c.name;
  }
}

TEST_F(SettingsLoad, PlaceTimeSampleAndCopiesOfTheMainWindow) {
  main.form().SetFore(main.form()["lblMAge"], 0x123456);
  main.SetText("Fil", "C:\\a.qmx");
  Open({.WTop = "886.15",
        .ClFntN = "Arial",
        .ClFntSt = "斜体",
        .FSize = "10",
        .RTUl = "4096",
        .PFUl = "2048"});
  EXPECT_EQ(form().window().rect, (ui::Rect{3367.5f, 1732.5f, 8625, 8055}));
  EXPECT_EQ(Text("lblTime"), "9:30:45");
  EXPECT_EQ(C("MAClor").back, 0x123456u);
  EXPECT_EQ(Text("Fil") + "|" + Text("WTop") + "|" + Text("RTUl") + "|" + Text("PFUl"),
            "C:\\a.qmx|886.15|4096|2048");
  // The style comes before the size, so the sample shows it at 24 points.
  EXPECT_EQ(C("lblTime").font, (ui::Font{"Arial", 24, false, true}));
}

TEST_F(SettingsLoad, FontRowAndClockRowsByWindowsVersion) {
  const struct {
    platform::WindowsVersion version;
    const char* os;
    const char* hidden;
    float clock_top;
  } cases[] = {
      {{5, 1}, "5.1", "", 600},
      {{6, 0}, "6.0", "Label10 Label11 Label14 Label20 Command17 ClFntN ClFntSt FSize", 960},
      {{6, 1}, "6.1", "Label10 Label11 Label14 Label20 Command17 ClFntN ClFntSt FSize", 960},
      {{10, 0}, "10.0", "Label10 Label11 Label14 Label20 Command17 ClFntN ClFntSt FSize", 960},
  };
  for (const auto& c : cases) {
    fake.version = c.version;
    Open({.ClSW = "デジタル時計"});
    EXPECT_EQ(Text("OsVer"), c.os);
    EXPECT_EQ(Hidden({"Label10", "Label11", "Label14", "Label20", "Command17", "ClFntN", "ClFntSt",
                      "FSize"}),
              c.hidden)
        << c.os;
    EXPECT_EQ(C("ClSw").rect.top, c.clock_top) << c.os;
    EXPECT_EQ(C("cboCVw").rect.top, c.clock_top - 360) << c.os;
    EXPECT_EQ(C("Label9").rect.top, c.clock_top + 45) << c.os;
    EXPECT_EQ(C("Label7").rect.top, c.clock_top - 315) << c.os;
  }
}

TEST_F(SettingsLoad, AFailedVersionQueryLeavesTheDesignAndSavesNothing) {
  fake.version = std::nullopt;
  main.SetText("Fil", StorePath());
  Open({.AllClor = "255", .CVw = "on"});
  EXPECT_EQ(Text("Fil") + Text("AllClor") + Text("OsVer") + Text("cboCVw"), "");
  EXPECT_EQ(C("Text2").back, 12632256u);
  EXPECT_EQ(Checked(), "");
  EXPECT_EQ(form().window().rect.left, 0);
  EXPECT_FALSE(C("Command6").enabled);
  Press("Command6");
  EXPECT_TRUE(fake.calls.empty());
  EXPECT_EQ(main.Text("AllClor"), "255");
}

TEST_F(SettingsLoad, ClockKindControls) {
  fake.version = platform::WindowsVersion{5, 1};
  fake.picture_files = {{"face.bmp", 9}};
  const struct {
    SettingsRecord fields;
    const char* hidden;
    const char* unusable;
    ui::PictureId face;
    ui::Colour hour, minute, second;
  } cases[] = {
      {{.ClSW = "デジタル時計", .HClor = "255"},
       "Command27 ClockBk ClockImage LineH",
       "Command18 Command22 ClImage Hc",
       0,
       0x404040,
       0x808080,
       0x6548EE},
      {{.ClSW = "アナログ時計", .MClor = "", .HClor = "255", .SClor = "abc"},
       "lblTime Label20",
       "Command17 ClFntN",
       0,
       255,
       0x808080,
       0x6548EE},
      {{.ClSW = "アナログ時計", .ClImage = "face.bmp"},
       "lblTime Label20 ClockBk",
       "Command17 ClFntN",
       9,
       0x404040,
       0x808080,
       0x6548EE},
      {{.ClSW = "アナログ時計", .ClImage = "gone.bmp"},
       "lblTime Label20",
       "Command17 ClFntN",
       0,
       0x404040,
       0x808080,
       0x6548EE},
      {{.ClSW = "時計"}, "", "", 0, 0x404040, 0x808080, 0x6548EE},
  };
  for (const auto& c : cases) {
    Open(c.fields);
    const std::string kind = c.fields.ClSW + c.fields.ClImage;
    EXPECT_EQ(Hidden({"lblTime", "Label20", "Command27", "ClockBk", "ClockImage", "LineH"}),
              c.hidden)
        << kind;
    EXPECT_EQ(Unusable({"Command17", "ClFntN", "Command18", "Command22", "ClImage", "Hc"}),
              c.unusable)
        << kind;
    EXPECT_EQ(C("ClockImage").picture, c.face) << kind;
    EXPECT_EQ(C("LineH").fore, c.hour) << kind;
    EXPECT_EQ(C("LineM").fore, c.minute) << kind;
    EXPECT_EQ(C("LineS").fore, c.second) << kind;
  }
  // Typed or chosen from the list, the kind applies at once.
  form().SetCaption(C("ClSw"), "アナログ時計");
  EXPECT_EQ(Hidden({"lblTime", "Command27"}), "lblTime");
  form().SetSelected(C("ClSw"), 0);
  EXPECT_EQ(Hidden({"lblTime", "Command27"}), "Command27");
}

TEST_F(SettingsLoad, MeterPicturesThatNoLongerLoadLeaveAnEmptyPreview) {
  fake.picture_files = {{"c.bmp", 7}, {"p.bmp", 8}};
  Open({.CpuImg = "c.bmp", .MemImg = "gone.bmp", .DscImg = "p.bmp", .PFImg = "p.bmp"});
  std::erase_if(opening_calls,
                [](const std::string& call) { return !call.starts_with("Picture"); });
  EXPECT_EQ(opening_calls, (std::vector<std::string>{"Picture.Load c.bmp", "Picture.Load gone.bmp",
                                                     "Picture.Load p.bmp", "Picture.Load p.bmp"}));
  EXPECT_EQ(std::vector<ui::PictureId>({C("CpuI").picture, C("MemI").picture, C("DscI").picture,
                                        C("DspI").picture, C("PFI").picture}),
            (std::vector<ui::PictureId>{7, 0, 8, 0, 8}));
  EXPECT_TRUE(fake.messages.empty());
  EXPECT_EQ(Text("MemImg"), "gone.bmp");
}

}  // namespace
}  // namespace kelvara::testing
