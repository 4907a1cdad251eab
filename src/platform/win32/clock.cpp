#include "platform/win32/clock.h"

#include <windows.h>

#include <iterator>

#include "platform/win32/text.h"

namespace kelvara::win32 {
namespace {

// 0 is Sunday, as SYSTEMTIME counts; some locale forms name the weekday.
int DayOfWeek(int year, int month, int day) {
  static constexpr int kMonthOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) --year;
  return (year + year / 4 - year / 100 + year / 400 + kMonthOffset[month - 1] + day) % 7;
}

bool ToSystemTime(const platform::LocalTime& t, SYSTEMTIME& st) {
  if (t.year < 1601 || t.year > 30827 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 ||
      t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59) {
    return false;
  }
  st = SYSTEMTIME{};
  st.wYear = static_cast<WORD>(t.year);
  st.wMonth = static_cast<WORD>(t.month);
  st.wDay = static_cast<WORD>(t.day);
  st.wDayOfWeek = static_cast<WORD>(DayOfWeek(t.year, t.month, t.day));
  st.wHour = static_cast<WORD>(t.hour);
  st.wMinute = static_cast<WORD>(t.minute);
  st.wSecond = static_cast<WORD>(t.second);
  return true;
}

std::string FormatDate(const platform::LocalTime& time, DWORD flags) {
  SYSTEMTIME st;
  if (!ToSystemTime(time, st)) return {};
  wchar_t text[128];
  const int length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, flags, &st, nullptr, text,
                                     static_cast<int>(std::size(text)), nullptr);
  if (length <= 1) return {};
  return Narrow(std::wstring_view(text, static_cast<std::size_t>(length - 1)));
}

}  // namespace

platform::LocalTime Win32Clock::Now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return platform::LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

std::string Win32Clock::ShortDate(const platform::LocalTime& time) {
  return FormatDate(time, DATE_SHORTDATE);
}

std::string Win32Clock::LongDate(const platform::LocalTime& time) {
  return FormatDate(time, DATE_LONGDATE);
}

std::string Win32Clock::LongTime(const platform::LocalTime& time) {
  SYSTEMTIME st;
  if (!ToSystemTime(time, st)) return {};
  wchar_t text[128];
  const int length = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &st, nullptr, text,
                                     static_cast<int>(std::size(text)));
  if (length <= 1) return {};
  return Narrow(std::wstring_view(text, static_cast<std::size_t>(length - 1)));
}

}  // namespace kelvara::win32
