#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "main_window/applied_window.h"
#include "main_window/main_window_fixture.h"

namespace kelvara::testing {
namespace {

using Appearance = MainWindowTest;

constexpr ui::Colour kGreyText = 12632256;

// What each colour field paints, as the settings dialog promises the user.
struct Group {
  const char* field;
  std::vector<const char*> elements;
};
const std::array<Group, 7> kGroups = {{
    {"DATEClor", {"lblDate"}},
    {"TimeClor", {"lblTime"}},
    {"CClor", {"Label1", "PrscrTime", "PrscrTotal", "lblCPer"}},
    {"RClor", {"Label2", "RamT", "RamTotal", "lblRamT", "Label5", "lblRTotal", "lblRPer"}},
    {"DClor", {"Label3", "DiskTime", "DiskTotal", "lblDPer"}},
    {"DSClor", {"Label4", "DSpce", "DSTotal", "lblDSPer"}},
    {"PClor", {"Label7", "PFT", "PFTotal", "lblPFPer", "Label8", "lblPTotal", "lblPTime"}},
}};
const std::array<const char*, 5> kBars = {"PrscrTime", "RamT", "DiskTime", "DSpce", "PFT"};
const std::array<const char*, 5> kOutlines = {"PrscrTotal", "RamTotal", "DiskTotal", "DSTotal",
                                              "PFTotal"};

bool IsBar(const char* name) {
  return std::find(kBars.begin(), kBars.end(), std::string(name)) != kBars.end();
}
bool IsOutline(const char* name) {
  return std::find(kOutlines.begin(), kOutlines.end(), std::string(name)) != kOutlines.end();
}

// Checks the element's painted colour: text, line or border, and a bar's fill;
// an outline keeps its design fill.
void ExpectPainted(const AppliedWindow& w, const char* name, ui::Colour colour) {
  EXPECT_EQ(w[name].fore, colour) << name;
  if (IsBar(name)) {
    EXPECT_EQ(w[name].back, colour) << name;
  }
  if (IsOutline(name)) {
    EXPECT_EQ(w[name].back, kGreyText) << name;
  }
}

SettingsRecord WithField(const char* field, const std::string& value, SettingsRecord record = {}) {
  for (const StoreField& f : kStoreFields) {
    if (f.name == field) record.*f.member = value;
  }
  return record;
}

TEST_F(Appearance, FirstStartPutsTheDefaultsIntoTheFieldsAndShowsTheWindow) {
  StartFresh();
  const SettingsRecord expected{.CVw = "on",
                                .MVw = "on",
                                .ClFntN = "ＭＳ Ｐゴシック",
                                .ClFntSt = "太字",
                                .ClSW = "デジタル時計",
                                .BClor = "12632246",
                                .MClor = "9408399",
                                .HClor = "6908265",
                                .SClor = "6637806",
                                .FSize = "24",
                                .MAgeVw = "on",
                                .PFVw = "on",
                                .MAClor = "12648447"};
  EXPECT_EQ(window().Settings(), expected);
  const ui::FormWindow& w = form().window();
  EXPECT_TRUE(w.visible);
  EXPECT_TRUE(w.layered);
  EXPECT_EQ(w.colour_key, 12632246u);
  EXPECT_EQ(w.back, 12632246u);
  EXPECT_EQ(w.rect, (ui::Rect{11380, 886.15387f, 3630, 4245}));
  EXPECT_TRUE(control("TmrNN").enabled);
  EXPECT_EQ(control("TmrNN").interval, 500);
  for (const char* other : {"TmrRN", "TmrNP", "TmrRP", "TmrRS"}) {
    EXPECT_FALSE(control(other).enabled) << other;
    EXPECT_EQ(control(other).interval, 0) << other;
  }
  EXPECT_TRUE(fake.calls.empty()) << "no picture is loaded";
}

TEST_F(Appearance, FirstStartShowsTheDigitalClockTheMoonAndThePageFileRow) {
  StartFresh();
  EXPECT_EQ(control("lblDate").rect, (ui::Rect{360, 340, 2175, 375}));
  EXPECT_EQ(control("lblDate").font, (ui::Font{"ＭＳ Ｐゴシック", 14, true, false}));
  EXPECT_EQ(control("lblTime").font, (ui::Font{"ＭＳ Ｐゴシック", 24, true, false}));
  EXPECT_TRUE(control("lblTime").visible);
  for (const char* hidden : {"LineM", "LineH", "LineS", "ClockBk", "ClockImage"}) {
    EXPECT_FALSE(control(hidden).visible) << hidden;
  }
  EXPECT_EQ(text("txtAge"), "19");  // 19 May 2014
  EXPECT_TRUE(control("Mp19").visible);
  for (const char* row : {"Label7", "PFT", "PFTotal", "PFI", "lblPFPer", "lblPTotal"}) {
    EXPECT_TRUE(control(row).visible) << row;
  }
  EXPECT_EQ(control("DiskTime").rect.top, 3120.0f);
  // No colour is applied: the captions and bars keep their design grey.
  for (const Group& group : kGroups) {
    for (const char* element : group.elements) EXPECT_EQ(control(element).fore, kGreyText);
  }
}

TEST_F(Appearance, EmptyStoredFieldsAreFilledInWithWhatWasUsed) {
  const SettingsRecord empty{};
  StartWith(&empty);
  const SettingsRecord expected{.TimeClor = "12632256",
                                .CVw = "on",
                                .MVw = "on",
                                .ClFntSt = "太字",
                                .ClSW = "デジタル時計",
                                .BClor = "12632246",
                                .MClor = "9408399",
                                .HClor = "6908265",
                                .SClor = "6637806",
                                .MAClor = "12648447"};
  EXPECT_EQ(window().Settings(), expected) << "font name, size and the other switches stay empty";
  EXPECT_EQ(form().window().colour_key, 12632246u);
  EXPECT_EQ(form().window().back, 12632246u);
  EXPECT_EQ(form().window().rect, (ui::Rect{11380, 886.15387f, 3630, 4245}));
  EXPECT_TRUE(form().window().visible);
  EXPECT_TRUE(control("TmrNN").enabled);
  EXPECT_EQ(control("lblTime").font, (ui::Font{"ＭＳ Ｐゴシック", 24, true, false}));
  // Written back in the window only; the file keeps the empty fields.
  EXPECT_EQ(fake.files.at(StorePath()), EncodeRecord(empty));
}

TEST_F(Appearance, ColourKeyComesFromTheStoredKeyOrJustOffTheTimeColour) {
  const struct {
    SettingsRecord record;
    ui::Colour key;
    const char* key_text;
    const char* time_text;
  } cases[] = {
      {{.TimeClor = "10"}, 20, "20", "10"},
      {{.TimeClor = "14"}, 24, "24", "14"},  // below 15: + 10
      {{.TimeClor = "15"}, 5, "5", "15"},
      {{.TimeClor = "0"}, 10, "10", "0"},
      {{.TimeClor = "16777215"}, 16777205, "16777205", "16777215"},
      {{.TimeClor = "255", .BClor = "4210752"}, 4210752, "4210752", "255"},
      // The all-items colour paints the time first; the CPU colour comes later.
      {{.AllClor = "100", .CClor = "50"}, 90, "90", "100"},
      {{.DATEClor = "100"}, 12632246, "12632246", "12632256"},
      // A time colour that is no colour leaves the time grey.
      {{.TimeClor = "red"}, 12632246, "12632246", "red"},
      // A stored key that is no colour keeps the start-up key.
      {{.BClor = "0x00FF00"}, 3347759, "0x00FF00", "12632256"},
  };
  for (const auto& c : cases) {
    AppliedWindow w(c.record);
    EXPECT_EQ(w.window.form().window().colour_key, c.key) << c.key_text;
    EXPECT_EQ(w.window.form().window().back, c.key) << c.key_text;
    EXPECT_TRUE(w.window.form().window().layered);
    EXPECT_EQ(w.Text("BClor"), c.key_text);
    EXPECT_EQ(w.Text("TimeClor"), c.time_text);
  }
}

TEST_F(Appearance, AllItemsColourThenTheItemColourWins) {
  AppliedWindow w({.AllClor = "255", .CClor = "65280"});
  for (const Group& group : kGroups) {
    const ui::Colour expected = std::string(group.field) == "CClor" ? 65280 : 255;
    for (const char* element : group.elements) ExpectPainted(w, element, expected);
  }
  // Not in any group.
  EXPECT_EQ(w["lblMAge"].fore, 12648447u);
  EXPECT_EQ(w["LineS"].fore, 6637806u);
  EXPECT_EQ(w.Text("TimeClor"), "255");
  EXPECT_EQ(w.window.form().window().colour_key, 245u);
}

TEST_F(Appearance, EachItemColourPaintsItsGroupOnly) {
  for (const Group& painted : kGroups) {
    AppliedWindow w(WithField(painted.field, "16711680"));
    for (const Group& group : kGroups) {
      const bool mine = std::string(group.field) == painted.field;
      for (const char* element : group.elements) {
        ExpectPainted(w, element, mine ? 16711680 : kGreyText);
      }
    }
  }
}

TEST_F(Appearance, AColourThatIsNotAWholeRgbNumberKeepsThePreviousColour) {
  const struct {
    const char* text;
    ui::Colour cpu;
  } cases[] = {
      {"65280", 65280}, {"0", 0},    {"16777215", 16777215}, {"65280.", 65280}, {"abc", 255},
      {"12.5", 255},    {"-1", 255}, {"16777216", 255},      {"1e3", 255},      {"65280 緑", 255},
      {".", 255},
  };
  for (const auto& c : cases) {
    AppliedWindow w({.AllClor = "255", .CClor = c.text});
    ExpectPainted(w, "Label1", c.cpu);
    ExpectPainted(w, "PrscrTime", c.cpu);
    ExpectPainted(w, "PrscrTotal", c.cpu);
    EXPECT_EQ(w.Text("CClor"), c.text) << "never rewritten";
    ExpectPainted(w, "Label2", 255);  // the rest still applies
  }
}

TEST_F(Appearance, UserTotalsReplaceTheMeasuredOnes) {
  const struct {
    const char *ram, *page_file;
    const char *ram_total, *page_total, *release;
  } cases[] = {
      {"", "", "1049 MB", "2097 MB", "8015962"},
      {"4096", "", "4096 MB", "2097 MB", "32030944"},
      {"", "8192", "1049 MB", "8192 MB", "8015962"},
      {"1", "3", "1 MB", "3 MB", "7820"},
      {"16384", "16384", "16384 MB", "16384 MB", "128123776"},
  };
  for (const auto& c : cases) {
    AppliedWindow w({.RTUl = c.ram, .PFUl = c.page_file});
    EXPECT_EQ(w["lblRTotal"].caption, c.ram_total);
    EXPECT_EQ(w["lblPTotal"].caption, c.page_total);
    EXPECT_EQ(w["lblMClr"].caption, c.release) << c.ram;
  }
}

TEST_F(Appearance, OneRefreshTimerRunsForTheTotalsTheUserGave) {
  const struct {
    const char *ram, *page_file, *timer;
  } cases[] = {
      {"", "", "TmrNN"}, {"4096", "", "TmrRN"}, {"", "2048", "TmrNP"}, {"4096", "2048", "TmrRP"}};
  // One window through all four, so a timer chosen before must stop again.
  AppliedWindow w({});
  for (const auto& c : cases) {
    w.Reapply({.RTUl = c.ram, .PFUl = c.page_file});
    for (const char* timer : {"TmrNN", "TmrRN", "TmrNP", "TmrRP"}) {
      EXPECT_EQ(w[timer].enabled, std::string(timer) == c.timer) << c.timer << " " << timer;
    }
    EXPECT_EQ(w[c.timer].interval, 500);
    EXPECT_FALSE(w["TmrRS"].enabled);
  }
}

TEST_F(Appearance, TheOtherTimersStopBeforeTheChosenOneStarts) {
  AppliedWindow w({});
  w.window.SetText("RTUl", "4096");
  ChangeLog log;
  w.window.form().Subscribe(&log);
  w.window.SelectRefreshTimer();
  w.window.form().Subscribe(nullptr);
  EXPECT_EQ(log.changes, (std::vector<std::string>{"TmrNN", "TmrRN", "TmrRN"}));
}

TEST_F(Appearance, BarPicturesReplaceTheBarsInRowOrder) {
  AppliedWindow w(
      {.CpuImg = "cpu.bmp",
       .MemImg = "mem.gif",
       .DscImg = "dsc.jpg",
       .DspImg = "dsp.ico",
       .PFVw = "表示",  // no row layout, so step 8 shows as it is
       .PFImg = "pf.png"},
      {{"cpu.bmp", 11}, {"mem.gif", 12}, {"dsc.jpg", 13}, {"dsp.ico", 14}, {"pf.png", 15}});
  EXPECT_EQ(w.fake.CallsStartingWith("Picture."),
            (std::vector<std::string>{"Picture.Load cpu.bmp", "Picture.Load mem.gif",
                                      "Picture.Load dsc.jpg", "Picture.Load dsp.ico",
                                      "Picture.Load pf.png"}));
  const struct {
    const char *picture, *bar;
    ui::PictureId id;
  } rows[] = {{"CpuI", "PrscrTime", 11},
              {"MemI", "RamT", 12},
              {"DscI", "DiskTime", 13},
              {"DspI", "DSpce", 14},
              {"PFI", "PFT", 15}};
  for (const auto& row : rows) {
    EXPECT_EQ(w[row.picture].picture, row.id) << row.picture;
    EXPECT_TRUE(w[row.picture].visible) << row.picture;
    EXPECT_FALSE(w[row.bar].visible) << row.bar;
  }
}

TEST_F(Appearance, ShownPageFileRowShowsItsBarUnderThePicture) {
  AppliedWindow w({.PFVw = "on", .PFImg = "pf.png"}, {{"pf.png", 15}});
  EXPECT_EQ(w["PFI"].picture, 15u);
  EXPECT_TRUE(w["PFI"].visible);
  EXPECT_TRUE(w["PFT"].visible);
}

TEST_F(Appearance, BarPictureChangesReleaseTheOldOneAndAnUnreadableFileChangesNothing) {
  AppliedWindow w({.CpuImg = "a.bmp"}, {{"a.bmp", 7}, {"b.bmp", 8}});
  w.fake.calls.clear();
  w.Reapply({.CpuImg = "b.bmp"});
  EXPECT_EQ(w.fake.calls, (std::vector<std::string>{"Picture.Load b.bmp", "Picture.Release 7"}));
  EXPECT_EQ(w["CpuI"].picture, 8u);

  w.fake.calls.clear();
  w.Reapply({.CpuImg = "b.bmp"});
  EXPECT_EQ(w.fake.calls, std::vector<std::string>{"Picture.Load b.bmp"})
      << "the same picture again is not released";
  EXPECT_EQ(w["CpuI"].picture, 8u);

  w.fake.calls.clear();
  w.Reapply({.CpuImg = "C:\\消えた.bmp", .MemImg = "a.bmp"});
  EXPECT_EQ(w.fake.calls,
            (std::vector<std::string>{"Picture.Load C:\\消えた.bmp", "Picture.Load a.bmp"}));
  EXPECT_EQ(w["CpuI"].picture, 8u);
  EXPECT_FALSE(w["PrscrTime"].visible);
  EXPECT_EQ(w["MemI"].picture, 7u) << "the rest still applies";
  EXPECT_FALSE(w["RamT"].visible);

  w.fake.calls.clear();
  w.Reapply({});
  EXPECT_EQ(w.fake.calls, (std::vector<std::string>{"Picture.Release 8", "Picture.Release 7"}));
  EXPECT_EQ(w["CpuI"].picture, 0u);
  EXPECT_EQ(w["MemI"].picture, 0u);
  EXPECT_TRUE(w["PrscrTime"].visible);
  EXPECT_TRUE(w["RamT"].visible);
}

TEST_F(Appearance, AnUnreadableBarPictureAtFirstKeepsThePlainBar) {
  AppliedWindow w({.DspImg = "nowhere.bmp"});
  EXPECT_EQ(w["DspI"].picture, 0u);
  EXPECT_TRUE(w["DSpce"].visible);
  EXPECT_TRUE(w.window.form().window().visible);
}

TEST_F(Appearance, TheWindowIsShownLast) {
  const SettingsRecord stored{.PFVw = "off"};
  StartWith(&stored);
  form().SetWindowVisible(false);  // as the settings dialog's save leaves it
  window().SetText("PFVw", "on");
  window().SetText("RTUl", "4096");
  ChangeLog log;
  form().Subscribe(&log);
  window().ApplySettings();
  form().Subscribe(nullptr);
  ASSERT_FALSE(log.changes.empty());
  EXPECT_EQ(log.changes.back(), "window shown");
  EXPECT_EQ(std::count(log.changes.begin(), log.changes.end(), "window shown"), 1);
  EXPECT_NE(std::find(log.changes.begin(), log.changes.end(), "TmrRN"), log.changes.end());
}

}  // namespace
}  // namespace kelvara::testing
