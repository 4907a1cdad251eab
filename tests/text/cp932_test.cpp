#include "text/cp932.h"

#include <gtest/gtest.h>

namespace kelvara {
namespace {

std::string Bytes(std::initializer_list<unsigned> values) {
  std::string out;
  for (unsigned v : values) out.push_back(static_cast<char>(v));
  return out;
}

struct CodeCase {
  const char* utf8;
  std::string bytes;
};

TEST(Cp932, EncodesAndDecodesTheCharactersTheProgramWrites) {
  const CodeCase cases[] = {
      {"ＭＳ Ｐゴシック", Bytes({0x82, 0x6C, 0x82, 0x72, 0x20, 0x82, 0x6F, 0x83, 0x53, 0x83, 0x56,
                                 0x83, 0x62, 0x83, 0x4E})},
      {"太字 斜体", Bytes({0x91, 0xBE, 0x8E, 0x9A, 0x20, 0x8E, 0xCE, 0x91, 0xCC})},
      {"標準", Bytes({0x95, 0x57, 0x8F, 0x80})},
      {"デジタル時計",
       Bytes({0x83, 0x66, 0x83, 0x57, 0x83, 0x5E, 0x83, 0x8B, 0x8E, 0x9E, 0x8C, 0x76})},
      {"アナログ時計",
       Bytes({0x83, 0x41, 0x83, 0x69, 0x83, 0x8D, 0x83, 0x4F, 0x8E, 0x9E, 0x8C, 0x76})},
      {"C:\\写真\\表.bmp",  // 表 has the backslash byte as its trail
       Bytes({'C', ':', '\\', 0x8E, 0xCA, 0x90, 0x5E, '\\', 0x95, 0x5C, '.', 'b', 'm', 'p'})},
      {"ｱｲ", Bytes({0xB1, 0xB2})},  // half-width katakana are single bytes
      {"№", Bytes({0x87, 0x82})},   // NEC row 13
      {"＼", Bytes({0x81, 0x5F})},
      {"", ""},
  };
  for (const CodeCase& c : cases) {
    EXPECT_EQ(cp932::FromUtf8(c.utf8), c.bytes) << c.utf8;
    EXPECT_EQ(cp932::ToUtf8(c.bytes), c.utf8) << c.utf8;
  }
}

TEST(Cp932, CharactersTheCodePageLacksBecomeQuestionMarks) {
  EXPECT_EQ(cp932::FromUtf8("a😀b"), "a?b");  // outside the BMP
  EXPECT_EQ(cp932::FromUtf8("한"), "?");     // Hangul
  EXPECT_EQ(cp932::FromUtf8("¥"), "?");      // no best fit to the backslash
  EXPECT_EQ(cp932::FromUtf8("\xE3\x81"), "??") << "a cut UTF-8 sequence";
  EXPECT_EQ(cp932::FromUtf8("\xC0\xAF"), "??") << "an overlong slash";
  EXPECT_EQ(cp932::FromUtf8("\xED\xA0\x80"), "???") << "a surrogate";
  EXPECT_EQ(cp932::FromUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

// What Windows' code page 932 has beyond Wine's, which the tables were
// generated under: six characters written by best fit, read back as their
// full-width forms, and four single bytes (none a lead byte) read as
// private-use characters and written back.
TEST(Cp932, WindowsBestFitAndPrivateUseBytes) {
  const struct {
    const char* utf8;
    std::string bytes;
    const char* read_back;
  } cases[] = {
      {"¢", Bytes({0x81, 0x91}), "￠"},    {"£", Bytes({0x81, 0x92}), "￡"},
      {"¬", Bytes({0x81, 0xCA}), "￢"},    {"‖", Bytes({0x81, 0x61}), "∥"},
      {"−", Bytes({0x81, 0x7C}), "－"},    {"〜", Bytes({0x81, 0x60}), "～"},
      {"\uF8F0", Bytes({0xA0}), "\uF8F0"}, {"\uF8F1", Bytes({0xFD}), "\uF8F1"},
      {"\uF8F2", Bytes({0xFE}), "\uF8F2"}, {"\uF8F3", Bytes({0xFF}), "\uF8F3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(cp932::FromUtf8(c.utf8), c.bytes) << c.utf8;
    EXPECT_EQ(cp932::ToUtf8(c.bytes), c.read_back) << c.utf8;
  }
}

TEST(Cp932, UndecodableBytesBecomeReplacementCharacters) {
  const CodeCase cases[] = {
      {"\xEF\xBF\xBD", Bytes({0x82})},  // lead byte at the end
      {"\xEF\xBF\xBD"
       "!",
       Bytes({0x88, '!'})},                   // trail out of range stands alone
      {"\xEF\xBF\xBD", Bytes({0x85, 0x40})},  // valid shape, unmapped
      {"\xEF\xBF\xBD"
       " ",
       Bytes({0x81, ' '})},  // a blank is no trail
      {"\xEF\xBF\xBD"
       "\x7F",
       Bytes({0x81, 0x7F})},  // nor is 0x7F
  };
  for (const CodeCase& c : cases) EXPECT_EQ(cp932::ToUtf8(c.bytes), c.utf8);
}

TEST(Cp932, CutsOnlyBetweenCharacters) {
  const std::string font = cp932::FromUtf8("ＭＳ Ｐゴシック");  // 2,2,1,2,2,2,2,2 bytes
  const struct {
    std::size_t width;
    std::size_t expected;
  } cases[] = {{0, 0}, {1, 0}, {2, 2},   {3, 2},   {4, 4},  {5, 5},
               {6, 5}, {7, 7}, {14, 13}, {15, 15}, {30, 15}};
  for (const auto& c : cases) {
    EXPECT_EQ(cp932::CutAtCharacter(font, c.width), c.expected) << c.width;
  }
  EXPECT_EQ(cp932::CutAtCharacter(Bytes({'a', 0x82}), 2), 2u) << "a lone lead byte is one byte";
}

}  // namespace
}  // namespace kelvara
