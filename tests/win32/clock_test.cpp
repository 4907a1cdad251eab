// The locale forms of a date and a time as Japanese Windows writes them.
#include "platform/win32/clock.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>

#include <string>
#include <utility>
#include <vector>

namespace kelvara::win32 {
namespace {

bool JapaneseUserLocale() {
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
  return std::wstring(name) == L"ja-JP";
}

// The user's own date and time forms, set for one test and put back after.
// Wine's Japanese defaults differ from Windows' ("yyyy/M/d" and a long date
// with the weekday), so the forms a test relies on are set explicitly.
class UserForms {
 public:
  UserForms(const wchar_t* short_date, const wchar_t* long_date, const wchar_t* time) {
    Set(LOCALE_SSHORTDATE, short_date);
    Set(LOCALE_SLONGDATE, long_date);
    Set(LOCALE_STIMEFORMAT, time);
  }
  ~UserForms() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      SetLocaleInfoW(LOCALE_USER_DEFAULT, it->first, it->second.c_str());
    }
  }
  UserForms(const UserForms&) = delete;
  UserForms& operator=(const UserForms&) = delete;
  bool ok() const { return ok_; }

 private:
  void Set(LCTYPE type, const wchar_t* form) {
    wchar_t old[128] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, old, 128) == 0) ok_ = false;
    saved_.emplace_back(type, old);
    if (!SetLocaleInfoW(LOCALE_USER_DEFAULT, type, form)) ok_ = false;
  }

  bool ok_ = true;
  std::vector<std::pair<LCTYPE, std::wstring>> saved_;
};

struct FormRow {
  platform::LocalTime time;
  const char* short_date;
  const char* long_time;
  const char* long_date;
};

void ExpectForms(std::initializer_list<FormRow> rows) {
  Win32Clock clock;
  for (const FormRow& row : rows) {
    SCOPED_TRACE(row.long_date);
    EXPECT_EQ(clock.ShortDate(row.time), row.short_date);
    EXPECT_EQ(clock.LongTime(row.time), row.long_time);
    EXPECT_EQ(clock.LongDate(row.time), row.long_date);
  }
}

TEST(Win32Clock, JapaneseWindowsFormsOfAGivenTime) {
  if (!JapaneseUserLocale()) GTEST_SKIP() << "the tests run with LC_ALL=ja_JP.UTF-8";
  const UserForms forms(L"yyyy/MM/dd", L"yyyy'\u5E74'M'\u6708'd'\u65E5'", L"H:mm:ss");
  ASSERT_TRUE(forms.ok());
  ExpectForms({
      {{2026, 12, 7, 13, 37, 50}, "2026/12/07", "13:37:50", "2026年12月7日"},
      {{2024, 1, 5, 9, 5, 3}, "2024/01/05", "9:05:03", "2024年1月5日"},
      {{2000, 2, 29, 0, 0, 0}, "2000/02/29", "0:00:00", "2000年2月29日"},
      {{1999, 12, 31, 23, 59, 59}, "1999/12/31", "23:59:59", "1999年12月31日"},
  });
}

TEST(Win32Clock, FormsFollowTheUsersSettingsWeekdayIncluded) {
  if (!JapaneseUserLocale()) GTEST_SKIP() << "the tests run with LC_ALL=ja_JP.UTF-8";
  const UserForms forms(L"yy-M-d", L"dddd yyyy'\u5E74'MM'\u6708'dd'\u65E5'",
                        L"HH'\u6642'mm'\u5206'");
  ASSERT_TRUE(forms.ok());
  ExpectForms({
      {{2026, 12, 7, 13, 37, 50}, "26-12-7", "13時37分", "月曜日 2026年12月07日"},
      {{2024, 1, 5, 9, 5, 3}, "24-1-5", "09時05分", "金曜日 2024年01月05日"},
      {{2000, 2, 29, 0, 0, 0}, "00-2-29", "00時00分", "火曜日 2000年02月29日"},
      {{2023, 1, 1, 12, 0, 0}, "23-1-1", "12時00分", "日曜日 2023年01月01日"},
      {{2023, 12, 30, 12, 0, 0}, "23-12-30", "12時00分", "土曜日 2023年12月30日"},
  });
}

TEST(Win32Clock, ATimeWindowsCannotHoldGivesEmptyTexts) {
  Win32Clock clock;
  const platform::LocalTime rows[] = {{2026, 13, 1, 0, 0, 0},
                                      {2026, 2, 30, 0, 0, 0},
                                      {2026, 1, 1, 24, 0, 0},
                                      {1600, 1, 1, 0, 0, 0}};
  for (const platform::LocalTime& time : rows) {
    EXPECT_EQ(clock.ShortDate(time), "");
    EXPECT_EQ(clock.LongDate(time), "");
  }
  EXPECT_EQ(clock.LongTime({2026, 1, 1, 24, 0, 0}), "");
  EXPECT_EQ(clock.LongTime({2026, 1, 1, 12, 60, 0}), "");
}

TEST(Win32Clock, NowIsTheLocalClock) {
  Win32Clock clock;
  SYSTEMTIME before;
  GetLocalTime(&before);
  const platform::LocalTime now = clock.Now();
  SYSTEMTIME after;
  GetLocalTime(&after);
  // Unless the minute turned between the calls, all fields agree.
  if (before.wMinute != after.wMinute) GTEST_SKIP() << "the minute turned during the test";
  EXPECT_EQ(now.year, before.wYear);
  EXPECT_EQ(now.month, before.wMonth);
  EXPECT_EQ(now.day, before.wDay);
  EXPECT_EQ(now.hour, before.wHour);
  EXPECT_EQ(now.minute, before.wMinute);
  EXPECT_GE(now.second, before.wSecond);
  EXPECT_LE(now.second, after.wSecond);
}

}  // namespace
}  // namespace kelvara::win32
