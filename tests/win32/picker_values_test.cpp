// What the pickers give the common dialogs and make of their answers.
#include "platform/win32/picker_values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

namespace kelvara::win32 {
namespace {

using namespace std::string_literals;

TEST(FilterListTest, TheDesignTextBecomesTheNativeList) {
  struct Row {
    const char* filter;
    std::wstring text;
    int entries;
  };
  const Row rows[] = {
      {"アイコン (*.ico)|*.ico|ビットマップ (*.bmp)|*.bmp|JPEGイメージ (*.JPG)|*.JPG|"
       "GIFイメージ (*.GIF)|*GIF|すべてのピクチャファイル (*.*)|*.*|",
       L"アイコン (*.ico)\0*.ico\0ビットマップ (*.bmp)\0*.bmp\0JPEGイメージ (*.JPG)\0*.JPG\0"
       L"GIFイメージ (*.GIF)\0*GIF\0すべてのピクチャファイル (*.*)\0*.*\0\0"s,
       5},
      {"Text|*.txt;*.log", L"Text\0*.txt;*.log\0\0"s, 1},  // no closing bar
      {"Text|*.txt|All", L"Text\0*.txt\0\0"s, 1},          // a description alone
      {"Text||All|*.*|", L"All\0*.*\0\0"s, 1},             // an empty pattern
      {"|*.ico|", L"*.ico\0*.ico\0\0"s, 1},                // an empty description
      {"", L""s, 0},
      {"|", L""s, 0},
      {"All", L""s, 0},
  };
  for (const Row& row : rows) {
    const FilterList list = MakeFilterList(row.filter);
    EXPECT_EQ(list.text, row.text) << row.filter;
    EXPECT_EQ(list.entries, row.entries) << row.filter;
  }
}

TEST(PresetLogFontTest, SizeStyleAndNameAtTheWindowsDpi) {
  struct Row {
    platform::FontPreset preset;
    int dpi;
    LONG height, weight;
    BYTE italic;
    std::wstring face;
  };
  const Row rows[] = {
      {{"ＭＳ Ｐゴシック", 9, false, false}, 96, -12, FW_NORMAL, FALSE, L"ＭＳ Ｐゴシック"},
      {{"ＭＳ Ｐゴシック", 9, true, true}, 144, -18, FW_BOLD, TRUE, L"ＭＳ Ｐゴシック"},
      {{"Tahoma", 10.5f, {}, {}}, 96, -14, FW_NORMAL, FALSE, L"Tahoma"},
      {{"Tahoma", 10.5f, {}, true}, 120, -18, FW_NORMAL, TRUE, L"Tahoma"},  // 17.5 up
      {{"Arial", 0, {}, {}}, 96, 0, FW_NORMAL, FALSE, L"Arial"},
      {{"Arial", -3, {}, {}}, 96, 0, FW_NORMAL, FALSE, L"Arial"},
      {{"Arial", 0.2f, {}, {}}, 96, -1, FW_NORMAL, FALSE, L"Arial"},
      {{"Arial", 5000, {}, {}}, 96, -2184, FW_NORMAL, FALSE, L"Arial"},
      // 31 units at most; a pair of surrogates is not cut in half.
      {{std::string(40, 'x'), 12, {}, {}}, 96, -16, FW_NORMAL, FALSE, std::wstring(31, L'x')},
      {{std::string(30, 'x') + "\xF0\x9F\x8C\x95", 12, {}, {}},
       96,
       -16,
       FW_NORMAL,
       FALSE,
       std::wstring(30, L'x')},
  };
  for (const Row& row : rows) {
    const LOGFONTW font = PresetLogFont(row.preset, row.dpi);
    EXPECT_EQ(font.lfHeight, row.height) << row.preset.name << " " << row.preset.size;
    EXPECT_EQ(font.lfWeight, row.weight) << row.preset.name;
    EXPECT_EQ(font.lfItalic, row.italic) << row.preset.name;
    EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(std::wstring(font.lfFaceName), row.face) << row.preset.name;
  }
}

TEST(ChoiceFromLogFontTest, NameTenthsOfPointsAndStyle) {
  struct Row {
    const wchar_t* face;
    LONG weight;
    BYTE italic;
    int tenths;
    platform::FontChoice choice;
  };
  const Row rows[] = {
      {L"ＭＳ ゴシック", FW_NORMAL, FALSE, 90, {"ＭＳ ゴシック", 9, false, false}},
      {L"Tahoma", FW_BOLD, TRUE, 105, {"Tahoma", 10.5f, true, true}},
      {L"Tahoma", FW_SEMIBOLD, FALSE, 120, {"Tahoma", 12, true, false}},
      {L"Tahoma", FW_MEDIUM, FALSE, 120, {"Tahoma", 12, false, false}},
      {L"Tahoma", FW_NORMAL, FALSE, 0, {"Tahoma", 0, false, false}},
      {L"Tahoma", FW_NORMAL, FALSE, -40, {"Tahoma", 0, false, false}},
  };
  for (const Row& row : rows) {
    LOGFONTW font{};
    wcscpy_s(font.lfFaceName, row.face);
    font.lfWeight = row.weight;
    font.lfItalic = row.italic;
    EXPECT_EQ(ChoiceFromLogFont(font, row.tenths), row.choice) << row.tenths;
  }
  // A face name that fills the field without its NUL still ends there.
  LOGFONTW full{};
  std::fill(std::begin(full.lfFaceName), std::end(full.lfFaceName), L'y');
  EXPECT_EQ(ChoiceFromLogFont(full, 90).name, std::string(LF_FACESIZE, 'y'));
}

}  // namespace
}  // namespace kelvara::win32
