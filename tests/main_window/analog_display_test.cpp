// The date and clock of the refresh tick and the analog
// clock's hands on the window.
#include <gtest/gtest.h>

#include <string>

#include "main_window/main_window_fixture.h"

namespace kelvara::testing {
namespace {

using ClockDisplay = MainWindowTest;

struct Line {
  float x1, y1, x2, y2;
  bool operator==(const Line&) const = default;
};

Line LineOf(const ui::Form& form, const char* name) {
  const ui::Control& c = form[name];
  return {c.x1, c.y1, c.x2, c.y2};
}

// Design positions of the hands.
constexpr Line kDesignH{1395, 315, 1395, 595};
constexpr Line kDesignM{1395, 240, 1395, 600};
constexpr Line kDesignS{1395, 255, 1395, 595};

TEST_F(ClockDisplay, HandsAtNineThirtyFortyFive) {
  fake.now = {2014, 5, 19, 9, 30, 45};
  window().DrawAnalogClock();
  // Centre (1402, 592), radius 562, pi as 3.141592.
  EXPECT_EQ(LineOf(form(), "LineH"), (Line{1402, 592, 1130.57483f, 519.272034f}));
  EXPECT_EQ(LineOf(form(), "LineM"), (Line{1402, 592, 1402.00012f, 985.400024f}));
  EXPECT_EQ(LineOf(form(), "LineS"), (Line{1402, 592, 952.400024f, 592.000305f}));
}

TEST_F(ClockDisplay, HandsAtTheTableTimes) {
  const struct {
    int hour, minute, second;
    Line h, m, s;
  } cases[] = {
      {0,
       0,
       0,
       {1402, 592, 1402.00012f, 311},
       {1402, 592, 1402.00012f, 198.600006f},
       {1402, 592, 1402.00012f, 142.399994f}},
      {3,
       0,
       0,
       {1402, 592, 1683, 592},
       {1402, 592, 1402.00012f, 198.600006f},
       {1402, 592, 1402.00012f, 142.399994f}},
      {15,
       0,
       0,
       {1402, 592, 1683, 591.999634f},
       {1402, 592, 1402.00012f, 198.600006f},
       {1402, 592, 1402.00012f, 142.399994f}},
  };
  for (const auto& c : cases) {
    FakePlatform local;
    local.now.hour = c.hour;
    local.now.minute = c.minute;
    local.now.second = c.second;
    MainWindow w(local.platform());
    w.DrawAnalogClock();
    SCOPED_TRACE(c.hour);
    EXPECT_EQ(LineOf(w.form(), "LineH"), c.h);
    EXPECT_EQ(LineOf(w.form(), "LineM"), c.m);
    EXPECT_EQ(LineOf(w.form(), "LineS"), c.s);
  }
}

TEST_F(ClockDisplay, HandsFollowTheFaceRectangleEvenWhenItIsHidden) {
  ui::Control& face = form()["ClockBk"];
  face.rect = {100, 200, 2001, 1000};  // wider than high: radius from the height
  form().SetVisible(face, false);
  fake.now = {2014, 5, 19, 3, 0, 15};
  window().DrawAnalogClock();
  // Centre (100 + 1000, 200 + 500), radius 500.
  EXPECT_EQ(LineOf(form(), "LineH").x1, 1100.0f);
  EXPECT_EQ(LineOf(form(), "LineH").y1, 700.0f);
  EXPECT_EQ(LineOf(form(), "LineH").x2, 1350.0f);  // 0.5 x 500 to the right
  EXPECT_EQ(LineOf(form(), "LineS").x2, 1500.0f);  // 0.8 x 500 to the right
}

TEST_F(ClockDisplay, TheTickRefreshesDateAndClockByKind) {
  const struct {
    const char *display, *kind;
    bool date, digital, analog;
  } cases[] = {
      {"on", "デジタル時計", true, true, false},
      {"on", "アナログ時計", true, false, true},
      {"on", "", true, false, false},
      {"on", "時計", true, false, false},
      {"off", "デジタル時計", false, false, false},
      {"off", "アナログ時計", false, false, false},
      {"", "デジタル時計", false, false, false},
      {"ON", "アナログ時計", false, false, false},
  };
  for (const auto& c : cases) {
    FakePlatform local;
    local.counters = Counters(45, 1500, 25, 30, 12);
    MainWindow w(local.platform());
    w.SetText("CVw", c.display);
    w.SetText("ClSW", c.kind);
    w.TmrNN_Timer();
    SCOPED_TRACE(std::string("CVw=") + c.display + " ClSW=" + c.kind);
    EXPECT_EQ(w.form()["lblDate"].caption, c.date ? "2014/05/19" : "");
    EXPECT_EQ(w.form()["lblTime"].caption, c.digital ? "9:30:45" : "Time");
    if (c.analog) {
      EXPECT_EQ(LineOf(w.form(), "LineH"), (Line{1402, 592, 1130.57483f, 519.272034f}));
      EXPECT_EQ(LineOf(w.form(), "LineS"), (Line{1402, 592, 952.400024f, 592.000305f}));
    } else {
      EXPECT_EQ(LineOf(w.form(), "LineH"), kDesignH);
      EXPECT_EQ(LineOf(w.form(), "LineM"), kDesignM);
      EXPECT_EQ(LineOf(w.form(), "LineS"), kDesignS);
    }
    // The date fields, the figures and the tip are refreshed whatever the clock.
    EXPECT_EQ(w.Text("txtDD"), "19");
    EXPECT_EQ(w.form()["lblCPer"].caption, "12%");
    EXPECT_EQ(w.form()["lblRPer"].caption, "59%");
    EXPECT_EQ(local.CallsStartingWith("Tray.Modify").size(), 1u);
  }
}

TEST_F(ClockDisplay, TheClockFollowsTheTimeTickByTick) {
  window().SetText("CVw", "on");
  window().SetText("ClSW", "アナログ時計");
  fake.now = {2014, 5, 19, 0, 0, 0};
  window().TmrNN_Timer();
  EXPECT_EQ(LineOf(form(), "LineS").x2, 1402.00012f);
  fake.now = {2014, 5, 19, 9, 30, 45};
  window().TmrNN_Timer();
  EXPECT_EQ(LineOf(form(), "LineS"), (Line{1402, 592, 952.400024f, 592.000305f}));
}

}  // namespace
}  // namespace kelvara::testing
