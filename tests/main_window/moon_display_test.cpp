#include <gtest/gtest.h>

#include "main_window/main_window_fixture.h"

namespace kelvara::testing {
namespace {

using MoonDisplay = MainWindowTest;

void SetDate(MainWindow& w, const char* year, const char* month, const char* day) {
  w.SetText("txtYY", year);
  w.SetText("txtMM", month);
  w.SetText("txtDD", day);
}

int VisiblePicture(const ui::Form& form) {
  int shown = -1;
  for (int age = 0; age < 30; ++age) {
    if (form["Mp" + std::to_string(age)].visible) {
      if (shown != -1) return -2;  // more than one
      shown = age;
    }
  }
  return shown;
}

TEST_F(MoonDisplay, ComputesTheStepsIntoTheFields) {
  const struct {
    const char *year, *month, *day;
    const char *base, *constant, *age;
    int picture;
  } cases[] = {
      {"2014", "5", "19", "2006", "2", "19", 19},   {"2006", "1", "1", "2006", "0", "1", 1},
      {"2005", "12", "31", "1987", "10", "29", 29}, {"2025", "3", "1", "2025", "0", "1", 1},
      {"2043", "8", "15", "2025", "6", "9", 9},     {"2006", "1", "30", "2006", "0", "0", 0},
      {"2063", "6", "10", "2063", "4", "14", 14},   {"2062", "7", "1", "2044", "5", "24", 24},
      {"1986", "1", "1", "1987", "0", "-10", -1},  // negative: number only, no picture
  };
  for (const auto& c : cases) {
    FakePlatform local;
    MainWindow w(local.platform());
    SetDate(w, c.year, c.month, c.day);
    w.CalcMoonAge();
    EXPECT_EQ(w.Text("txtYY2"), c.base) << c.year;
    EXPECT_EQ(w.Text("txtMM2"), c.constant) << c.month;
    EXPECT_EQ(w.Text("txtAge"), c.age) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(w.Text("txtAll"), c.age);
    EXPECT_EQ(VisiblePicture(w.form()), c.picture);
    EXPECT_EQ(w.form()["lblMAge"].caption, c.age);
  }
}

TEST_F(MoonDisplay, AMonthTextOutsideTheTableKeepsThePreviousConstant) {
  SetDate(window(), "2014", "6", "1");
  window().CalcMoonAge();
  EXPECT_EQ(text("txtMM2"), "4");
  for (const char* month : {"06", "13", "", " 6"}) {
    window().SetText("txtMM", month);
    window().CalcMoonAge();
    EXPECT_EQ(text("txtMM2"), "4") << month;
    EXPECT_EQ(text("txtAge"), "3") << month;  // 8 * 11 + 4 + 1 = 93
  }
}

TEST_F(MoonDisplay, SameAgeAgainDoesNotRedraw) {
  SetDate(window(), "2014", "5", "19");
  window().CalcMoonAge();
  ASSERT_TRUE(control("Mp19").visible);
  form().SetVisible(form()["Mp19"], false);  // would come back if the display ran again
  window().CalcMoonAge();
  EXPECT_FALSE(control("Mp19").visible);
  window().SetText("txtDD", "20");
  window().CalcMoonAge();
  EXPECT_EQ(VisiblePicture(form()), 20);
}

TEST_F(MoonDisplay, EachNewAgeShowsItsPictureAlone) {
  const struct {
    const char *year, *month, *day;
    int picture;
  } steps[] = {
      {"2006", "1", "30", 0},  {"2006", "1", "1", 1},  {"2005", "12", "31", 29},
      {"2006", "1", "30", 0},  {"1986", "1", "1", -1},  // a negative age shows none
      {"2014", "5", "19", 19},
  };
  for (const auto& step : steps) {
    SetDate(window(), step.year, step.month, step.day);
    window().CalcMoonAge();
    EXPECT_EQ(VisiblePicture(form()), step.picture)
        << step.year << "-" << step.month << "-" << step.day;
  }
}

TEST_F(MoonDisplay, NumberSwitchDecidesTheNumbersVisibility) {
  const struct {
    const char* number_switch;
    bool start_visible;
    bool visible;
  } cases[] = {{"", false, true},  {"on", false, true},  {"off", true, false},
               {"On", true, true}, {"On", false, false}, {"x", false, false}};
  for (const auto& c : cases) {
    FakePlatform local;
    MainWindow w(local.platform());
    w.form().SetVisible(w.form()["lblMAge"], c.start_visible);
    w.SetText("MAgeVw", c.number_switch);
    SetDate(w, "2014", "5", "19");
    w.CalcMoonAge();
    EXPECT_EQ(w.form()["lblMAge"].visible, c.visible) << '"' << c.number_switch << '"';
    EXPECT_EQ(VisiblePicture(w.form()), 19) << "the picture follows the age regardless";
  }
}

TEST_F(MoonDisplay, FarYearsReduceWithoutALongLoop) {
  SetDate(window(), "99999999", "1", "1");
  window().CalcMoonAge();
  // (99999999 - 2063) * 11 + 0 + 1 = 1099977297, mod 30 = 27
  EXPECT_EQ(text("txtAge"), "27");
}

}  // namespace
}  // namespace kelvara::testing
