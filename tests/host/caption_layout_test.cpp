// How a label's caption breaks into lines: where the design puts two words
// in a narrow label, they must come out as two lines, and nothing else may.
#include "platform/win32/host/caption_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/raii.h"

namespace kelvara::win32::host {
namespace {

class CaptionLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dc_.reset(CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc_);
    font_.reset(CreateFontW(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH,
                            L"Noto Sans CJK JP"));
    ASSERT_TRUE(font_);
    select_ = SelectedObject(dc_.get(), font_.get());
  }

  int Width(const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc_.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
  }

  std::vector<LineSpan> Wrap(const std::wstring& text, int width) {
    std::vector<LineSpan> lines;
    WrapCaption(dc_.get(), text, width, lines);
    return lines;
  }

  UniqueCreatedDc dc_;
  UniqueFont font_;
  SelectedObject select_;
};

using Lines = std::vector<LineSpan>;

TEST_F(CaptionLayoutTest, AFittingCaptionIsOneLine) {
  EXPECT_EQ(Wrap(L"CPU", Width(L"CPU")), (Lines{{0, 3}}));
  EXPECT_EQ(Wrap(L"45.%", 1000), (Lines{{0, 4}}));
}

TEST_F(CaptionLayoutTest, WordsBreakAtTheBlankWhichBelongsToNeitherLine) {
  EXPECT_EQ(Wrap(L"Page File", Width(L"Page Fi")), (Lines{{0, 4}, {5, 9}}));
}

TEST_F(CaptionLayoutTest, TheIdeographicBlankBreaksToo) {
  EXPECT_EQ(Wrap(L"空き　領域", Width(L"空き") + 1), (Lines{{0, 2}, {3, 5}}));
}

TEST_F(CaptionLayoutTest, JapaneseBreaksBetweenAnyTwoCharacters) {
  EXPECT_EQ(Wrap(L"メモリ開放中", Width(L"メモリ") + 1), (Lines{{0, 3}, {3, 6}}));
}

TEST_F(CaptionLayoutTest, AWordWiderThanTheLabelStaysWhole) {
  EXPECT_EQ(Wrap(L"Supercalifragilistic end", Width(L"Super")), (Lines{{0, 20}, {21, 24}}));
}

TEST_F(CaptionLayoutTest, LineEndsBreakWhateverTheWidth) {
  EXPECT_EQ(Wrap(L"a\r\nb", 1000), (Lines{{0, 1}, {3, 4}}));
  EXPECT_EQ(Wrap(L"a\rb", 1000), (Lines{{0, 1}, {2, 3}}));
  EXPECT_EQ(Wrap(L"a\n\nb", 1000), (Lines{{0, 1}, {2, 2}, {3, 4}}));
}

TEST_F(CaptionLayoutTest, TrailingBlanksAreNotPartOfTheLine) {
  // A right-aligned caption would otherwise stand off its edge.
  EXPECT_EQ(Wrap(L"12%  ", 1000), (Lines{{0, 3}}));
}

}  // namespace
}  // namespace kelvara::win32::host
