// UTF-8, UTF-16 and code page 932 conversions for the wide calls.
#include "platform/win32/text.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvara::win32 {
namespace {

struct RoundTrip {
  const char* utf8;
  const wchar_t* utf16;
};

TEST(Text, Utf8AndUtf16RoundTrip) {
  const RoundTrip rows[] = {
      {"", L""},
      {"TavoroII", L"TavoroII"},
      {"既に起動されています。",
       L"\u65E2\u306B\u8D77\u52D5\u3055\u308C\u3066\u3044\u307E\u3059\u3002"},
      {"C:\\ユーザー\\太郎\\UsrData\\太郎.qmx",
       L"C:\\\u30E6\u30FC\u30B6\u30FC\\\u592A\u90CE\\UsrData\\\u592A\u90CE.qmx"},
      {"ｶﾅ Ⅱ ①", L"\uFF76\uFF85 \u2161 \u2460"},
      {"\xF0\x9F\x8C\x95", L"\xD83C\xDF15"},  // a character outside the BMP
  };
  for (const RoundTrip& row : rows) {
    EXPECT_EQ(Widen(row.utf8), row.utf16) << row.utf8;
    EXPECT_EQ(Narrow(row.utf16), row.utf8) << row.utf8;
  }
}

TEST(Text, BrokenSequencesBecomeReplacementCharacters) {
  EXPECT_EQ(Widen("a\xFF"
                  "b"),
            L"a\uFFFDb");
  EXPECT_EQ(Narrow(std::wstring{L'a', static_cast<wchar_t>(0xD800), L'b'}),
            "a\xEF\xBF\xBD"
            "b");
  // Embedded NULs are text like any other.
  EXPECT_EQ(Widen(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
}

TEST(Text, Cp932BytesWidenByOurOwnTable) {
  // "TavoroⅡ" and "月齢" as Japanese Windows writes them.
  EXPECT_EQ(WidenCp932("Tavoro\x87\x55"), L"Tavoro\u2161");
  EXPECT_EQ(WidenCp932("\x8C\x8E\x97\xEE"), L"\u6708\u9F62");
  EXPECT_EQ(WidenCp932("\xB6\xC5"), L"\uFF76\uFF85");
}

struct TipRow {
  std::string bytes;
  std::size_t limit;
  std::wstring expected;
};

TEST(Text, TrayTipEndsAtNulAndNeverShowsHalfACharacter) {
  const TipRow rows[] = {
      {std::string("Tavoro\x87\x55\0garbage", 16), 127, L"Tavoro\u2161"},
      {"12:30 \x8C\x8E", 127, L"12:30 \u6708"},
      // Cut by bytes after the lead byte of 月齢's second character.
      {"12:30 \x8C\x8E\x97", 127, L"12:30 \u6708"},
      {"abcdef", 4, L"abcd"},
      {std::string("\0abc", 4), 127, L""},
  };
  for (const TipRow& row : rows) {
    EXPECT_EQ(TrayTipText(row.bytes.data(), row.bytes.size(), row.limit), row.expected);
  }
}

TEST(Text, TrayTipReadsNoFurtherThanItsBuffer) {
  const char buffer[65] = "no NUL within the size given";
  EXPECT_EQ(TrayTipText(buffer, 5, 127), L"no NU");
}

}  // namespace
}  // namespace kelvara::win32
