#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/settings_fixture.h"

namespace kelvara::testing {
namespace {

using SettingsLoad = SettingsTest;

TEST_F(SettingsLoad, ColourModesSwatchesAndSwitchesFromTheFields) {
  // Mode boxes checked | frames disabled | swatches not grey | the four switches.
  const struct {
    SettingsRecord fields;
    const char* state;
  } cases[] = {
      {{.AllClor = "255", .CVw = "on", .MVw = "off", .BClor = "245", .MAgeVw = "off"},
       "Check1|Frame4|Text2=255 Bc=245|表示 非表示 非表示 表示"},
      {{.DATEClor = "65280",
        .TimeClor = "9",
        .CClor = "1",
        .RClor = "2",
        .DClor = "3",
        .DSClor = "4",
        .MVw = "on",
        .PFVw = "off",
        .PClor = "5"},
       "Check2|Frame3|Text1=65280 Text3=1 Text4=2 Text5=3 Text6=4 Text7=9 Text8=5|"
       "非表示 表示 表示 非表示"},
      // Checking the all-items box clears the date colour before it is seen.
      {{.AllClor = "255", .DATEClor = "65280"}, "Check1|Frame4|Text2=255|非表示 非表示 表示 表示"},
      {{.TimeClor = "255"}, "||Text7=255|非表示 非表示 表示 表示"},
      {{.PClor = "5"}, "||Text8=5|非表示 非表示 表示 表示"},
      {{}, "Check1|Frame4||非表示 非表示 表示 表示"},
      {{.AllClor = "abc", .BClor = "-1"}, "Check1|Frame4||非表示 非表示 表示 表示"},
  };
  for (const auto& c : cases) {
    Open(c.fields);
    std::string swatches;
    for (const char* name :
         {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Bc"}) {
      if (C(name).back == 12632256) continue;
      swatches +=
          (swatches.empty() ? "" : " ") + std::string(name) + "=" + std::to_string(C(name).back);
    }
    EXPECT_EQ(Checked() + "|" + Unusable({"Frame3", "Frame4"}) + "|" + swatches + "|" +
                  Text("cboCVw") + " " + Text("cboMVw") + " " + Text("cboMAgeVw") + " " +
                  Text("Combo1"),
              c.state);
    // Showing a switch is not choosing it: the fields keep their texts.
    EXPECT_EQ(Text("CVw") + Text("MVw") + Text("PFVw"),
              c.fields.CVw + c.fields.MVw + c.fields.PFVw);
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
  const char* const kFontRow = "Label10 Label11 Label14 Label20 Command17 ClFntN ClFntSt FSize";
  for (const auto& [version, hidden, drop] : {std::tuple{platform::WindowsVersion{5, 1}, "", 0.0f},
                                              {{6, 0}, kFontRow, 360.0f},
                                              {{6, 1}, kFontRow, 360.0f},
                                              {{10, 0}, kFontRow, 360.0f}}) {
    fake.version = version;
    Open({.ClSW = "デジタル時計"});
    const std::string os = std::to_string(version.major) + "." + std::to_string(version.minor);
    EXPECT_EQ(Text("OsVer"), os);
    EXPECT_EQ(Hidden({"Label10", "Label11", "Label14", "Label20", "Command17", "ClFntN", "ClFntSt",
                      "FSize"}),
              hidden)
        << os;
    EXPECT_EQ(std::vector<float>({C("Label7").rect.top, C("cboCVw").rect.top, C("Label9").rect.top,
                                  C("ClSw").rect.top}),
              (std::vector<float>{285 + drop, 240 + drop, 645 + drop, 600 + drop}))
        << os;
  }
}

TEST_F(SettingsLoad, AFailedVersionQueryLeavesTheDesignAndSavesNothing) {
  fake.version = std::nullopt;
  main.SetText("Fil", StorePath());
  Open({.AllClor = "255", .CVw = "on"});
  EXPECT_EQ(Text("Fil") + Text("AllClor") + Text("OsVer") + Text("cboCVw") + Checked(), "");
  EXPECT_EQ(C("Text2").back, 12632256u);
  EXPECT_EQ(form().window().rect.left, 0);
  EXPECT_FALSE(C("Command6").enabled);
  Press("Command6");
  EXPECT_TRUE(fake.calls.empty());
  EXPECT_EQ(main.Text("AllClor"), "255");
}

TEST_F(SettingsLoad, ClockKindControls) {
  fake.version = platform::WindowsVersion{5, 1};
  fake.picture_files = {{"face.bmp", 9}};
  // Hidden | unusable | the face's picture and the three hands' colours.
  const struct {
    SettingsRecord fields;
    const char* state;
  } cases[] = {
      {{.ClSW = "デジタル時計", .HClor = "255"},
       "Command27 ClockBk ClockImage LineH|Command18 Command22 ClImage Hc|0 4210752 8421504 "
       "6637806"},
      {{.ClSW = "アナログ時計", .MClor = "", .HClor = "255", .SClor = "abc"},
       "lblTime Label20|Command17 ClFntN|0 255 8421504 6637806"},
      {{.ClSW = "アナログ時計", .ClImage = "face.bmp"},
       "lblTime Label20 ClockBk|Command17 ClFntN|9 4210752 8421504 6637806"},
      {{.ClSW = "アナログ時計", .ClImage = "gone.bmp"},
       "lblTime Label20|Command17 ClFntN|0 4210752 8421504 6637806"},
      {{.ClSW = "時計"}, "||0 4210752 8421504 6637806"},
  };
  for (const auto& c : cases) {
    Open(c.fields);
    EXPECT_EQ(Hidden({"lblTime", "Label20", "Command27", "ClockBk", "ClockImage", "LineH"}) + "|" +
                  Unusable({"Command17", "ClFntN", "Command18", "Command22", "ClImage", "Hc"}) +
                  "|" + std::to_string(C("ClockImage").picture) + " " +
                  std::to_string(C("LineH").fore) + " " + std::to_string(C("LineM").fore) + " " +
                  std::to_string(C("LineS").fore),
              c.state);
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
  std::erase_if(opening_calls, [](const std::string& s) { return !s.starts_with("Picture"); });
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
