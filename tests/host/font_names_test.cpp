#include "platform/win32/host/font_names.h"

#include <gtest/gtest.h>

namespace kelvara::win32::host {
namespace {

// The test machines have the IPA Gothic fonts and no Windows fonts.
TEST(FontNamesTest, AJapaneseNameTheSystemLacksGetsAJapaneseFace) {
  FontNames names;
  ASSERT_TRUE(names.Has(L"IPAPGothic"));
  ASSERT_FALSE(names.Has(L"ＭＳ Ｐゴシック"));
  struct Case {
    const char* asked;
    Face given;
  };
  const Case cases[] = {
      {"ＭＳ Ｐゴシック", {L"IPAPGothic", true}},
      {"MS PGothic", {L"IPAPGothic", true}},
      {"MS Gothic", {L"IPAPGothic", true}},
      {"IPAGothic", {L"IPAGothic", false}},
      {"No Such Face", {L"No Such Face", false}},  // GDI's own substitute
      {"", {L"", false}},
  };
  for (const Case& c : cases) EXPECT_EQ(names.Resolve(c.asked), c.given) << c.asked;
}

TEST(FontNamesTest, NamesTooLongForGdiAreCutAndNeverFound) {
  FontNames names;
  const std::wstring long_name(LF_FACESIZE + 5, L'x');
  EXPECT_FALSE(names.Has(long_name));
  EXPECT_EQ(names.Resolve(std::string(LF_FACESIZE + 5, 'x')).name.size(), LF_FACESIZE - 1u);
}

}  // namespace
}  // namespace kelvara::win32::host
