// Our code page tables against Windows' own conversion, code by code.
#include <windows.h>

#include <gtest/gtest.h>

#include "text/cp932.h"

namespace kelvara {
namespace {

std::string WindowsToUtf8(const std::string& bytes) {
  wchar_t wide[4] = {};
  const int units = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(),
                                        static_cast<int>(bytes.size()), wide, 4);
  if (units <= 0) return "\xEF\xBF\xBD";
  char utf8[16] = {};
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide, units, utf8, sizeof utf8, nullptr, nullptr);
  return std::string(utf8, static_cast<std::size_t>(length));
}

bool IsLead(unsigned b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Windows reads A0 and FD to FF as U+F8F0 to U+F8F3 and writes them back; Wine
// has nothing there, so where the conversion here lacks them it is no judge
// (cp932_test holds Windows' answers).
bool IsPrivateUseByte(unsigned b) { return b == 0xA0 || b >= 0xFD; }
bool IsPrivateUseUnit(unsigned unit) { return unit >= 0xF8F0 && unit <= 0xF8F3; }

// Written by best fit, which the comparison below turns off on Windows too.
bool IsBestFit(unsigned unit) {
  for (unsigned fit : {0x00A2u, 0x00A3u, 0x00ACu, 0x2016u, 0x2212u, 0x301Cu}) {
    if (unit == fit) return true;
  }
  return false;
}

TEST(Cp932Windows, EveryDoubleByteCodeDecodesAsWindowsDoes) {
  int mapped = 0;
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLead(lead)) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
      const std::string expected = WindowsToUtf8(bytes);
      ASSERT_EQ(cp932::ToUtf8(bytes), expected) << std::hex << lead << " " << trail;
      if (expected != "\xEF\xBF\xBD") ++mapped;
    }
  }
  EXPECT_GT(mapped, 7000);
}

TEST(Cp932Windows, EverySingleByteDecodesAsWindowsDoes) {
  for (unsigned byte = 0; byte <= 0xFF; ++byte) {
    if (IsLead(byte)) continue;
    const std::string bytes(1, static_cast<char>(byte));
    const std::string expected = byte == 0 ? bytes : WindowsToUtf8(bytes);
    if (IsPrivateUseByte(byte) && expected == "\xEF\xBF\xBD") continue;
    EXPECT_EQ(cp932::ToUtf8(bytes), expected) << byte;
  }
}

TEST(Cp932Windows, EveryCharacterEncodesAsWindowsDoes) {
  for (unsigned unit = 1; unit <= 0xFFFF; ++unit) {
    if ((unit >= 0xD800 && unit <= 0xDFFF) || IsBestFit(unit)) continue;
    const wchar_t wide = static_cast<wchar_t>(unit);
    char utf8[8] = {};
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, &wide, 1, utf8, sizeof utf8, nullptr, nullptr);
    char code[4] = {};
    BOOL used_default = FALSE;
    const int written =
        WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &wide, 1, code, 4, nullptr, &used_default);
    std::string expected =
        used_default || written <= 0 ? "?" : std::string(code, static_cast<std::size_t>(written));
    if (expected == "?" && IsPrivateUseUnit(unit)) continue;
    // Windows may still encode a character it cannot decode back; we do not.
    if (expected != "?" &&
        cp932::ToUtf8(expected) != std::string(utf8, static_cast<std::size_t>(length))) {
      expected = "?";
    }
    ASSERT_EQ(cp932::FromUtf8(std::string(utf8, static_cast<std::size_t>(length))), expected)
        << std::hex << unit;
  }
}

}  // namespace
}  // namespace kelvara
