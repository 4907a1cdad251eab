#include "store/user_data_store.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "store/record_text.h"

namespace kelvara {
namespace {

std::string Hex(std::string_view bytes) {
  std::string out;
  char cell[4];
  for (char c : bytes) {
    std::snprintf(cell, sizeof cell, "%02X", static_cast<unsigned char>(c));
    if (!out.empty()) out += ' ';
    out += cell;
  }
  return out;
}

std::string Spaces(std::size_t n) { return Hex(std::string(n, ' ')); }

std::string Join(const std::string& a, const std::string& b) {
  return a.empty() ? b : b.empty() ? a : a + " " + b;
}

TEST(StoreFields, TableMatchesTheFileLayout) {
  const struct {
    const char* name;
    std::size_t offset, width;
  } expected[] = {
      {"WTop", 0, 6},       {"WLeft", 6, 8},       {"AllClor", 14, 30},   {"DATEClor", 44, 30},
      {"TimeClor", 74, 30}, {"CClor", 104, 30},    {"RClor", 134, 30},    {"DClor", 164, 30},
      {"DSClor", 194, 30},  {"CVw", 224, 6},       {"MVw", 230, 6},       {"ClFntN", 236, 30},
      {"ClFntSt", 266, 20}, {"ClSW", 286, 20},     {"BClor", 306, 30},    {"MClor", 336, 30},
      {"HClor", 366, 30},   {"SClor", 396, 30},    {"ClImage", 426, 280}, {"CpuImg", 706, 280},
      {"MemImg", 986, 280}, {"DscImg", 1266, 280}, {"DspImg", 1546, 280}, {"FSize", 1826, 4},
      {"MAgeVw", 1830, 6},  {"PFVw", 1836, 6},     {"PFImg", 1842, 280},  {"PClor", 2122, 30},
      {"MAClor", 2152, 30}, {"RTUl", 2182, 6},     {"PFUl", 2188, 6},
  };
  ASSERT_EQ(kStoreFields.size(), std::size(expected));
  for (std::size_t i = 0; i < kStoreFields.size(); ++i) {
    EXPECT_EQ(kStoreFields[i].name, expected[i].name);
    EXPECT_EQ(kStoreFields[i].offset, expected[i].offset) << expected[i].name;
    EXPECT_EQ(kStoreFields[i].width, expected[i].width) << expected[i].name;
  }
  // Each field writes its own member: a value put in one lands at its offset only.
  for (const StoreField& field : kStoreFields) {
    SettingsRecord record;
    record.*field.member = "X";
    const std::string bytes = EncodeRecord(record);
    EXPECT_EQ(bytes.find_first_not_of(' '), field.offset) << field.name;
    EXPECT_EQ(bytes.find_last_not_of(' '), field.offset) << field.name;
  }
}

struct LayoutCase {
  std::string SettingsRecord::*member;
  const char* value;
  std::size_t offset, width;
  std::string hex;
};

TEST(EncodeRecord, LaysOutEachFieldWidthInCodePageBytes) {
  const LayoutCase cases[] = {
      {&SettingsRecord::FSize, "24", 1826, 4, "32 34 20 20"},
      {&SettingsRecord::FSize, "1234567", 1826, 4, "31 32 33 34"},
      {&SettingsRecord::WTop, "1500.5", 0, 6, "31 35 30 30 2E 35"},
      {&SettingsRecord::CVw, "on", 224, 6, "6F 6E 20 20 20 20"},
      {&SettingsRecord::MVw, "off", 230, 6, "6F 66 66 20 20 20"},
      {&SettingsRecord::RTUl, "999999", 2182, 6, "39 39 39 39 39 39"},
      {&SettingsRecord::PFUl, "1000000", 2188, 6, "31 30 30 30 30 30"},
      {&SettingsRecord::WLeft, "-12345.6", 6, 8, "2D 31 32 33 34 35 2E 36"},
      {&SettingsRecord::WLeft, "", 6, 8, Spaces(8)},
      // Three double-byte characters in six bytes; a fourth would not fit.
      {&SettingsRecord::MAgeVw, "月齢表示", 1830, 6, "8C 8E 97 EE 95 5C"},
      {&SettingsRecord::PFVw, "a月齢表", 1836, 6, "61 8C 8E 97 EE 20"},
      {&SettingsRecord::ClFntSt, "太字 斜体", 266, 20,
       Join("91 BE 8E 9A 20 8E CE 91 CC", Spaces(11))},
      {&SettingsRecord::ClSW, "デジタル時計", 286, 20,
       Join("83 66 83 57 83 5E 83 8B 8E 9E 8C 76", Spaces(8))},
      {&SettingsRecord::ClFntN, "ＭＳ Ｐゴシック", 236, 30,
       Join("82 6C 82 72 20 82 6F 83 53 83 56 83 62 83 4E", Spaces(15))},
      {&SettingsRecord::BClor, "12632246", 306, 30, Join("31 32 36 33 32 32 34 36", Spaces(22))},
      {&SettingsRecord::ClImage, "C:\\a.bmp", 426, 280,
       Join("43 3A 5C 61 2E 62 6D 70", Spaces(272))},
  };
  for (const LayoutCase& c : cases) {
    SettingsRecord record;
    record.*c.member = c.value;
    const std::string bytes = EncodeRecord(record);
    ASSERT_EQ(bytes.size(), kRecordLength);
    EXPECT_EQ(Hex(std::string_view(bytes).substr(c.offset, c.width)), c.hex) << c.value;
    EXPECT_EQ(bytes.find_first_not_of(' ', c.offset + c.width), std::string::npos)
        << c.value << " spilled into the next field";
  }
}

TEST(EncodeRecord, CutsLongPathsAtACharacterBoundary) {
  SettingsRecord record;
  record.ClImage = "a";
  for (int i = 0; i < 150; ++i) record.ClImage += "写";  // 1 + 300 bytes
  record.CpuImg = std::string(300, 'x');
  const std::string bytes = EncodeRecord(record);
  ASSERT_EQ(bytes.size(), kRecordLength);
  // 1 + 139 * 2 = 279 bytes fit; the 140th character would need byte 280 and 281.
  EXPECT_EQ(static_cast<unsigned char>(bytes[426 + 279]), 0x20u);
  EXPECT_EQ(Hex(bytes.substr(426 + 277, 2)), "8E CA");
  EXPECT_EQ(bytes.substr(706, 280), std::string(280, 'x'));
  EXPECT_EQ(bytes[986], ' ');

  SettingsRecord back = DecodeRecord(bytes);
  TrimTrailingSpaces(back);
  EXPECT_EQ(back.ClImage.size(), 1 + 139 * 3u);
  EXPECT_EQ(back.CpuImg, std::string(280, 'x'));
}

TEST(DecodeRecord, KeepsPaddingUntilTrimmed) {
  SettingsRecord record;
  record.ClFntN = "ＭＳ Ｐゴシック";
  record.ClFntSt = "太字 斜体";
  record.TimeClor = " 255  ";  // leading blank stays, typed trailing blanks go
  record.WTop = "1200";
  SettingsRecord read = DecodeRecord(EncodeRecord(record));
  EXPECT_EQ(read.ClFntN, "ＭＳ Ｐゴシック" + std::string(15, ' '));
  EXPECT_EQ(read.ClFntSt, "太字 斜体" + std::string(11, ' '));
  EXPECT_EQ(read.WTop, "1200  ");
  EXPECT_EQ(read.PFUl, std::string(6, ' '));
  EXPECT_EQ(read.ClImage, std::string(280, ' '));
  TrimTrailingSpaces(read);
  EXPECT_EQ(read.ClFntN, "ＭＳ Ｐゴシック");
  EXPECT_EQ(read.ClFntSt, "太字 斜体");
  EXPECT_EQ(read.TimeClor, " 255");
  EXPECT_EQ(read.WTop, "1200");
  EXPECT_EQ(read.PFUl, "");
}

TEST(DecodeRecord, ShortAndOddInputsReadAsSpaces) {
  SettingsRecord empty = DecodeRecord("");
  for (const StoreField& field : kStoreFields) {
    EXPECT_EQ(empty.*field.member, std::string(field.width, ' ')) << field.name;
  }
  // A file that ends inside the font name field.
  const std::string bytes = EncodeRecord({.ClFntN = "ＭＳ Ｐゴシック", .RTUl = "4096"});
  SettingsRecord cut = DecodeRecord(std::string_view(bytes).substr(0, 240));
  TrimTrailingSpaces(cut);
  EXPECT_EQ(cut.ClFntN, "ＭＳ");
  EXPECT_EQ(cut.RTUl, "");
  // Cut inside a double-byte character: the lone lead byte is replaced.
  SettingsRecord half = DecodeRecord(std::string_view(bytes).substr(0, 237));
  EXPECT_EQ(half.ClFntN, "\xEF\xBF\xBD" + std::string(29, ' '));
  // Extra bytes after the record are not part of it.
  SettingsRecord longer = DecodeRecord(bytes + "garbage");
  TrimTrailingSpaces(longer);
  EXPECT_EQ(longer, (SettingsRecord{.ClFntN = "ＭＳ Ｐゴシック", .RTUl = "4096"}));
}

TEST(TrimTrailingSpaces, AllSpacesBecomeEmptyOtherTrailingCharactersStay) {
  SettingsRecord record;
  record.CVw = "      ";
  record.MVw = "on\t";
  record.FSize = "  24";
  TrimTrailingSpaces(record);
  EXPECT_EQ(record.CVw, "");
  EXPECT_EQ(record.MVw, "on\t");
  EXPECT_EQ(record.FSize, "  24");
}

TEST(CountRecords, RoundsTheQuotientHalvesToEven) {
  const struct {
    std::uint64_t length;
    int records;
  } cases[] = {
      {0, 0},    {1, 0},    {1097, 0}, {1098, 1}, {2193, 1},
      {2194, 1}, {3290, 1}, {3291, 2}, {3292, 2}, {5485, 2},
      {5486, 3}, {4388, 2}, {7679, 4}, {7680, 4}, {0xFFFFFFFFFFFFFFFFull, 0x7FFFFFFF},
  };
  for (const auto& c : cases) EXPECT_EQ(CountRecords(c.length), c.records) << c.length;
}

}  // namespace
}  // namespace kelvara
