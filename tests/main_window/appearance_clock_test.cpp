#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window/applied_window.h"
#include "main_window/main_window_fixture.h"

namespace kelvara::testing {
namespace {

using ClockAppearance = MainWindowTest;

const char* const kDigital = "デジタル時計";
const char* const kAnalog = "アナログ時計";
const std::vector<const char*> kClockParts = {"lblDate", "lblTime", "ClockImage", "ClockBk",
                                              "LineM",   "LineH",   "LineS"};

int VisibleMoonPicture(const AppliedWindow& w) {
  int shown = -1;
  for (int age = 0; age < 30; ++age) {
    if (w.window.form()["Mp" + std::to_string(age)].visible) shown = shown == -1 ? age : -2;
  }
  return shown;
}

TEST_F(ClockAppearance, ClockSwitch) {
  const struct {
    const char* value;
    const char* after;
    bool date_and_time_shown;
    bool block_ran;  // fills in the style and the hand colours
  } cases[] = {
      {"on", "on", true, true},
      {"", "on", true, true},
      {"off", "off", false, false},
      {"On", "On", true, false},  // matches nothing: the start-up state stays
  };
  for (const auto& c : cases) {
    AppliedWindow w({.CVw = c.value});
    EXPECT_EQ(w.Text("CVw"), c.after);
    EXPECT_EQ(w["lblDate"].visible, c.date_and_time_shown) << c.value;
    EXPECT_EQ(w["lblTime"].visible, c.date_and_time_shown) << c.value;
    for (const char* part : {"ClockImage", "ClockBk", "LineM", "LineH", "LineS"}) {
      EXPECT_FALSE(w[part].visible) << c.value << " " << part;
    }
    EXPECT_EQ(w.Text("ClSW"), kDigital) << "defaulted even with the clock off";
    EXPECT_EQ(w.Text("ClFntSt"), c.block_ran ? "太字" : "") << c.value;
    EXPECT_EQ(w.Text("MClor"), c.block_ran ? "9408399" : "") << c.value;
    EXPECT_EQ(w.Text("MAClor"), c.block_ran ? "12648447" : "") << c.value;
  }
}

TEST_F(ClockAppearance, SwitchingTheClockOffHidesEveryPartOfIt) {
  AppliedWindow w({.CVw = "on", .ClSW = kAnalog});
  ASSERT_TRUE(w["LineS"].visible);
  w.Reapply({.CVw = "off", .ClSW = kAnalog});
  for (const char* part : kClockParts) EXPECT_FALSE(w[part].visible) << part;
}

TEST_F(ClockAppearance, DateLayoutFollowsTheClockKindAndTheMoon) {
  const struct {
    const char *kind, *moon;
    ui::Rect date;
    float date_size;
    bool time_shown, hands_shown, face_shown;
  } cases[] = {
      {kDigital, "on", {360, 340, 2175, 375}, 14, true, false, false},
      {kDigital, "off", {360, 340, 2175, 375}, 14, true, false, false},
      {kAnalog, "on", {2190, 75, 1455, 255}, 10, false, true, true},
      {kAnalog, "off", {1920, 480, 1455, 255}, 10, false, true, true},
      {kAnalog, "", {1920, 480, 1455, 255}, 10, false, true, true},  // not yet "on" here
      {kAnalog, "ON", {1920, 480, 1455, 255}, 10, false, true, true},
      // Neither kind: the start-up state of the date and the clock stays.
      {"時計", "on", {2190, 75, 1455, 255}, 9.75f, true, false, false},
  };
  for (const auto& c : cases) {
    AppliedWindow w({.MVw = c.moon, .ClSW = c.kind});
    EXPECT_EQ(w["lblDate"].rect, c.date) << c.kind << " " << c.moon;
    EXPECT_EQ(w["lblDate"].font.size, c.date_size) << c.kind << " " << c.moon;
    EXPECT_EQ(w["lblTime"].font.size, 24.0f);
    EXPECT_TRUE(w["lblDate"].visible);
    EXPECT_EQ(w["lblTime"].visible, c.time_shown) << c.kind;
    for (const char* hand : {"LineM", "LineH", "LineS"}) {
      EXPECT_EQ(w[hand].visible, c.hands_shown) << c.kind << " " << hand;
    }
    EXPECT_EQ(w["ClockBk"].visible, c.face_shown) << c.kind;
    EXPECT_FALSE(w["ClockImage"].visible);
  }
}

TEST_F(ClockAppearance, AnotherClockTextKeepsTheLayoutItFinds) {
  AppliedWindow w({.MVw = "off", .ClSW = kAnalog});
  w.Reapply({.MVw = "off", .ClSW = "アナログ"});
  EXPECT_EQ(w["lblDate"].rect, (ui::Rect{1920, 480, 1455, 255}));
  EXPECT_TRUE(w["lblTime"].visible) << "a shown clock block always shows the time";
  EXPECT_TRUE(w["LineH"].visible);
  w.Reapply({.ClSW = kDigital});
  w.Reapply({.ClSW = "digital"});
  EXPECT_EQ(w["lblDate"].rect, (ui::Rect{360, 340, 2175, 375}));
  EXPECT_TRUE(w["lblTime"].visible);
  EXPECT_FALSE(w["LineH"].visible);
}

TEST_F(ClockAppearance, UserClockFaceReplacesTheBuiltInOne) {
  AppliedWindow w({.ClSW = kAnalog, .ClImage = "C:\\顔\\face.bmp"}, {{"C:\\顔\\face.bmp", 41}});
  EXPECT_EQ(w.fake.CallsStartingWith("Picture."),
            std::vector<std::string>{"Picture.Load C:\\顔\\face.bmp"});
  EXPECT_EQ(w["ClockImage"].picture, 41u);
  EXPECT_TRUE(w["ClockImage"].visible);
  EXPECT_FALSE(w["ClockBk"].visible);

  // Unreadable now: the face shown before stays.
  w.fake.calls.clear();
  w.Reapply({.ClSW = kAnalog, .ClImage = "C:\\顔\\gone.bmp"});
  EXPECT_EQ(w.fake.calls, std::vector<std::string>{"Picture.Load C:\\顔\\gone.bmp"});
  EXPECT_EQ(w["ClockImage"].picture, 41u);
  EXPECT_TRUE(w["ClockImage"].visible);
  EXPECT_FALSE(w["ClockBk"].visible);

  // No face chosen: the built-in one, and the user's picture is let go.
  w.fake.calls.clear();
  w.Reapply({.ClSW = kAnalog});
  EXPECT_EQ(w.fake.calls, std::vector<std::string>{"Picture.Release 41"});
  EXPECT_EQ(w["ClockImage"].picture, 0u);
  EXPECT_FALSE(w["ClockImage"].visible);
  EXPECT_TRUE(w["ClockBk"].visible);
}

TEST_F(ClockAppearance, AnUnreadableFaceWithNoEarlierOneShowsTheBuiltInFace) {
  AppliedWindow w({.ClSW = kAnalog, .ClImage = "C:\\missing.gif"});
  EXPECT_EQ(w["ClockImage"].picture, 0u);
  EXPECT_FALSE(w["ClockImage"].visible);
  EXPECT_TRUE(w["ClockBk"].visible);
  EXPECT_TRUE(w["LineH"].visible) << "the rest still applies";
}

TEST_F(ClockAppearance, DigitalClockHidesTheUserFaceToo) {
  AppliedWindow w({.ClSW = kAnalog, .ClImage = "face.jpg"}, {{"face.jpg", 5}});
  w.Reapply({.ClSW = kDigital, .ClImage = "face.jpg"});
  EXPECT_FALSE(w["ClockImage"].visible);
  EXPECT_FALSE(w["ClockBk"].visible);
}

TEST_F(ClockAppearance, FontStylesOfDateAndTime) {
  const struct {
    const char *before, *style;
    bool bold, italic;
  } cases[] = {
      {"太字", "標準", false, false},
      {"太字", "斜体", false, true},
      {"標準", "太字", true, false},
      {"標準", "太字 斜体", true, true},
      // Any other text leaves both as the style before set them.
      {"斜体", "太字斜体", false, true},
      {"太字 斜体", "Bold", true, true},
  };
  for (const auto& c : cases) {
    AppliedWindow w({.ClFntSt = c.before});
    w.Reapply({.ClFntSt = c.style});
    for (const char* label : {"lblDate", "lblTime"}) {
      EXPECT_EQ(w[label].font.bold, c.bold) << c.style << " " << label;
      EXPECT_EQ(w[label].font.italic, c.italic) << c.style << " " << label;
    }
    EXPECT_EQ(w.Text("ClFntSt"), c.style);
  }
}

TEST_F(ClockAppearance, FontNameOfDateAndTime) {
  AppliedWindow w({.ClFntN = "メイリオ"});
  EXPECT_EQ(w["lblDate"].font.name, "メイリオ");
  EXPECT_EQ(w["lblTime"].font.name, "メイリオ");
  w.Reapply({});
  EXPECT_EQ(w["lblDate"].font.name, "ＭＳ Ｐゴシック");
  EXPECT_EQ(w["lblTime"].font.name, "ＭＳ Ｐゴシック");
  EXPECT_EQ(w.Text("ClFntN"), "") << "the field stays empty";
}

TEST_F(ClockAppearance, FontSizeOfTheTimeOnly) {
  const struct {
    const char* text;
    float size;
  } cases[] = {
      {"", 24},       {"36", 36},   {"0.5", 0.5f}, {"10.5", 10.5f}, {" 12", 12}, {"12pt", 12},
      {"1638", 1638}, {"1639", 24}, {"0", 24},     {"-8", 24},      {"大", 24},
  };
  for (const auto& c : cases) {
    AppliedWindow w({.FSize = c.text});
    EXPECT_EQ(w["lblTime"].font.size, c.size) << c.text;
    EXPECT_EQ(w["lblDate"].font.size, 14.0f) << c.text;
    EXPECT_EQ(w.Text("FSize"), c.text);
  }
}

TEST_F(ClockAppearance, HandAndMoonAgeColours) {
  AppliedWindow w({.MClor = "255", .HClor = "65280", .SClor = "", .MAClor = "16711680"});
  EXPECT_EQ(w["LineM"].fore, 255u);
  EXPECT_EQ(w["LineH"].fore, 65280u);
  EXPECT_EQ(w["LineS"].fore, 6637806u);
  EXPECT_EQ(w.Text("SClor"), "6637806");
  EXPECT_EQ(w["lblMAge"].fore, 16711680u);

  // Not a colour: each keeps the colour it had, and the field its text.
  w.Reapply({.MClor = "blue", .HClor = "1.5", .SClor = "-3", .MAClor = "99999999"});
  EXPECT_EQ(w["LineM"].fore, 255u);
  EXPECT_EQ(w["LineH"].fore, 65280u);
  EXPECT_EQ(w["LineS"].fore, 6637806u);
  EXPECT_EQ(w["lblMAge"].fore, 16711680u);
  EXPECT_EQ(w.Text("MClor"), "blue");
  EXPECT_EQ(w.Text("MAClor"), "99999999");

  // Emptied again: filled in with the colours they now have.
  w.Reapply({});
  EXPECT_EQ(w.Text("MClor"), "255");
  EXPECT_EQ(w.Text("HClor"), "65280");
  EXPECT_EQ(w.Text("MAClor"), "16711680");
}

TEST_F(ClockAppearance, MoonSwitch) {
  const struct {
    const char* value;
    const char* after;
    int picture;  // -1: none shown
    const char* age;
  } cases[] = {
      {"on", "on", 19, "19"}, {"", "on", 19, "19"}, {"off", "off", -1, ""}, {"x", "x", -1, ""}};
  for (const auto& c : cases) {
    AppliedWindow w({.MVw = c.value});
    EXPECT_EQ(w.Text("MVw"), c.after);
    EXPECT_EQ(VisibleMoonPicture(w), c.picture) << c.value;
    EXPECT_EQ(w.Text("txtAge"), c.age) << c.value;
    EXPECT_EQ(w["lblMAge"].caption, c.age) << c.value;
  }
}

TEST_F(ClockAppearance, MoonIsComputedForTodayOnEveryApplication) {
  AppliedWindow w({});
  w.fake.now = {2025, 3, 1, 0, 0, 5};
  w.Reapply({});
  EXPECT_EQ(w.Text("txtYY"), "2025");
  EXPECT_EQ(w.Text("txtMM"), "3");
  EXPECT_EQ(w.Text("txtDD"), "1");
  EXPECT_EQ(w.Text("txtFDay"), "1");
  EXPECT_EQ(VisibleMoonPicture(w), 1);

  // The same age again still redraws: the age is emptied first.
  w.window.form().SetVisible(w.window.form()["Mp1"], false);
  w.Reapply({});
  EXPECT_EQ(VisibleMoonPicture(w), 1);
}

TEST_F(ClockAppearance, SwitchingTheMoonOffHidesItsPicture) {
  AppliedWindow w({});
  ASSERT_EQ(VisibleMoonPicture(w), 19);
  w.Reapply({.MVw = "off"});
  EXPECT_EQ(VisibleMoonPicture(w), -1);
  EXPECT_EQ(w.Text("txtAge"), "");
}

TEST_F(ClockAppearance, MoonAgeNumberSwitch) {
  const struct {
    const char* value;
    bool from_shown, from_hidden;
  } cases[] = {{"on", true, true}, {"", true, true}, {"off", false, false}, {"表示", true, false}};
  for (const auto& c : cases) {
    AppliedWindow w({.MAgeVw = "on"});
    w.Reapply({.MAgeVw = c.value});
    EXPECT_EQ(w["lblMAge"].visible, c.from_shown) << c.value;
    EXPECT_EQ(w.Text("MAgeVw"), c.value);
    AppliedWindow hidden({.MAgeVw = "off"});
    hidden.Reapply({.MAgeVw = c.value});
    EXPECT_EQ(hidden["lblMAge"].visible, c.from_hidden) << c.value;
  }
}

TEST_F(ClockAppearance, MoonAgeNumberSwitchHoldsWithTheMoonOff) {
  // No age is computed, so only the switch itself shows or hides the number.
  AppliedWindow w({.MVw = "off", .MAgeVw = "off"});
  EXPECT_FALSE(w["lblMAge"].visible);
  w.Reapply({.MVw = "off", .MAgeVw = "on"});
  EXPECT_TRUE(w["lblMAge"].visible);
  w.Reapply({.MVw = "off", .MAgeVw = "off"});
  EXPECT_FALSE(w["lblMAge"].visible);
  w.Reapply({.MVw = "off", .MAgeVw = ""});
  EXPECT_TRUE(w["lblMAge"].visible);
}

TEST_F(ClockAppearance, MoonOffHidesEveryPhasePicture) {
  AppliedWindow w({.MVw = "off"});
  ui::Form& form = w.window.form();
  for (int age = 0; age < 30; ++age) form.SetVisible(form["Mp" + std::to_string(age)], true);
  w.window.ApplySettings();
  EXPECT_EQ(VisibleMoonPicture(w), -1);
}

}  // namespace
}  // namespace kelvara::testing
