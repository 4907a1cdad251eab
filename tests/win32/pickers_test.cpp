// What each common dialog is given, what the pickers make of its answer,
// and what they remember from one dialog to the next.
#include "platform/win32/pickers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelvara::win32 {
namespace {

using namespace std::string_literals;

// A native list up to and with its closing double NUL.
std::wstring NativeList(const wchar_t* list) {
  if (list == nullptr) return L"(null)";
  const wchar_t* end = list;
  while (end[0] != L'\0' || end[1] != L'\0') ++end;
  return std::wstring(list, end + 2);
}

const HWND kSettingsWindow = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x7170));

// Dialogs that answer as the test says and record what they were given.
class PickersTest : public ::testing::Test {
 protected:
  PickersTest()
      : pickers_(
            [](std::string_view form) { return form == "frmSttng" ? kSettingsWindow : HWND{}; },
            PickerCalls{
                [this](CHOOSECOLORW* dialog) {
                  colours_.push_back(*dialog);
                  seen_custom_.assign(dialog->lpCustColors, dialog->lpCustColors + 16);
                  dialog->lpCustColors[3] = RGB(1, 2, 3);
                  if (!colour_answer_) return FALSE;
                  dialog->rgbResult = *colour_answer_;
                  return TRUE;
                },
                [this](OPENFILENAMEW* dialog) {
                  files_.push_back(*dialog);
                  file_filter_ = NativeList(dialog->lpstrFilter);
                  file_folder_ = dialog->lpstrInitialDir ? dialog->lpstrInitialDir : L"(null)";
                  if (!file_answer_) return FALSE;
                  file_answer_->copy(dialog->lpstrFile, file_answer_->size());
                  return TRUE;
                },
                [this](CHOOSEFONTW* dialog) {
                  fonts_.push_back(*dialog);
                  shown_fonts_.push_back(*dialog->lpLogFont);
                  if (!font_answer_) return FALSE;
                  *dialog->lpLogFont = *font_answer_;
                  dialog->iPointSize = 105;
                  return TRUE;
                },
                [this](HWND window) {
                  dpi_windows_.push_back(window);
                  return window == kSettingsWindow ? 144 : 96;
                },
            }) {}

  Win32Pickers pickers_;
  std::optional<COLORREF> colour_answer_;
  std::optional<std::wstring> file_answer_;
  std::optional<LOGFONTW> font_answer_;
  std::vector<CHOOSECOLORW> colours_;
  std::vector<COLORREF> seen_custom_;
  std::vector<OPENFILENAMEW> files_;
  std::wstring file_filter_, file_folder_;
  std::vector<CHOOSEFONTW> fonts_;
  std::vector<LOGFONTW> shown_fonts_;
  std::vector<HWND> dpi_windows_;
};

TEST_F(PickersTest, ColourStartsAtTheInitialOneAndKeepsTheCustomColours) {
  colour_answer_ = RGB(10, 20, 30);
  EXPECT_EQ(pickers_.PickColour("frmSttng", 0x80ff8040u), 0x1e140au);
  ASSERT_EQ(colours_.size(), 1u);
  EXPECT_EQ(colours_[0].lStructSize, sizeof(CHOOSECOLORW));
  EXPECT_EQ(colours_[0].hwndOwner, kSettingsWindow);
  EXPECT_EQ(colours_[0].rgbResult, 0xff8040u);
  EXPECT_EQ(colours_[0].Flags, static_cast<DWORD>(CC_RGBINIT | CC_FULLOPEN));
  EXPECT_EQ(seen_custom_, std::vector<COLORREF>(16, RGB(255, 255, 255)));

  // A cancel answers the initial colour as given; the custom colours the
  // user set last time come back.
  colour_answer_.reset();
  EXPECT_EQ(pickers_.PickColour("frmGone", 0x80ff8040u), 0x80ff8040u);
  ASSERT_EQ(colours_.size(), 2u);
  EXPECT_EQ(colours_[1].hwndOwner, nullptr);
  EXPECT_EQ(colours_[1].lpCustColors, colours_[0].lpCustColors);
  EXPECT_EQ(seen_custom_[3], RGB(1, 2, 3));
}

TEST_F(PickersTest, FileGetsTheNativeListItsIndexAndFolderAndAnswersInUtf8) {
  file_answer_ = L"C:\\画像\\月.ico";
  EXPECT_EQ(
      pickers_.PickFile("frmSttng", "アイコン (*.ico)|*.ico|GIF (*.GIF)|*GIF|", 2, "C:\\画像"),
      "C:\\画像\\月.ico");
  ASSERT_EQ(files_.size(), 1u);
  const OPENFILENAMEW& dialog = files_[0];
  EXPECT_EQ(dialog.lStructSize, sizeof(OPENFILENAMEW));
  EXPECT_EQ(dialog.hwndOwner, kSettingsWindow);
  EXPECT_EQ(file_filter_, L"アイコン (*.ico)\0*.ico\0GIF (*.GIF)\0*GIF\0\0"s);
  EXPECT_EQ(dialog.nFilterIndex, 2u);
  EXPECT_EQ(file_folder_, L"C:\\画像");
  EXPECT_EQ(dialog.nMaxFile, static_cast<DWORD>(MAX_PATH * 4));
  EXPECT_EQ(dialog.Flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER));
}

TEST_F(PickersTest, FileIndexOutsideTheListShowsTheFirstAndACancelAnswersNothing) {
  const struct {
    const char* filter;
    int index;
    DWORD given;
  } rows[] = {
      {"A|*.a|B|*.b|", 2, 2},
      {"A|*.a|B|*.b|", 3, 1},
      {"A|*.a|B|*.b|", 0, 1},
      {"A|*.a|B|*.b|", -1, 1},
      {"", 1, 1},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(pickers_.PickFile("frmSttng", row.filter, row.index, ""), "");
    EXPECT_EQ(files_.back().nFilterIndex, row.given) << row.index;
  }
  EXPECT_EQ(file_folder_, L"(null)");  // no folder: the dialog's own choice
  EXPECT_EQ(file_filter_, L"(null)");  // no entries, no list
}

TEST_F(PickersTest, FontOpensAtTheOwnersDpiAndUnsetStylesKeepTheLastShown) {
  LOGFONTW answer{};
  wcscpy_s(answer.lfFaceName, L"ＭＳ 明朝");
  answer.lfWeight = FW_BOLD;
  answer.lfItalic = TRUE;
  font_answer_ = answer;
  EXPECT_EQ(pickers_.PickFont("frmSttng", {"ＭＳ ゴシック", 9, false, {}}),
            (platform::FontChoice{"ＭＳ 明朝", 10.5f, true, true}));
  ASSERT_EQ(fonts_.size(), 1u);
  EXPECT_EQ(fonts_[0].lStructSize, sizeof(CHOOSEFONTW));
  EXPECT_EQ(fonts_[0].hwndOwner, kSettingsWindow);
  EXPECT_EQ(fonts_[0].Flags,
            static_cast<DWORD>(CF_SCREENFONTS | CF_PRINTERFONTS | CF_INITTOLOGFONTSTRUCT));
  EXPECT_EQ(dpi_windows_, std::vector<HWND>{kSettingsWindow});
  EXPECT_EQ(shown_fonts_[0].lfHeight, -18);
  EXPECT_EQ(std::wstring(shown_fonts_[0].lfFaceName), L"ＭＳ ゴシック");

  // Unset: bold and italic as chosen; then a set one is shown, and kept
  // through a cancel.
  struct Row {
    platform::FontPreset preset;
    bool answered;
    LONG weight;
    BYTE italic;
  };
  const Row rows[] = {
      {{"Arial", 12, {}, {}}, false, FW_BOLD, TRUE},
      {{"Arial", 12, false, {}}, false, FW_NORMAL, TRUE},
      {{"Arial", 12, {}, false}, false, FW_NORMAL, FALSE},
      {{"Arial", 12, {}, {}}, false, FW_NORMAL, FALSE},
  };
  font_answer_.reset();
  for (const Row& row : rows) {
    EXPECT_EQ(pickers_.PickFont("", row.preset), std::nullopt);
    EXPECT_EQ(fonts_.back().hwndOwner, nullptr);
    EXPECT_EQ(shown_fonts_.back().lfHeight, -16);  // the screen's 96 DPI
    EXPECT_EQ(shown_fonts_.back().lfWeight, row.weight);
    EXPECT_EQ(shown_fonts_.back().lfItalic, row.italic);
  }
}

TEST(PickersReentryTest, ARequestWhileAPickerIsOpenAnswersAsACancel) {
  Win32Pickers* self = nullptr;
  std::vector<std::string> inner;
  const auto nested = [&] {
    inner.push_back(std::to_string(self->PickColour("", 7)));
    inner.push_back(self->PickFile("", "A|*.a|", 1, ""));
    inner.push_back(self->PickFont("", {"Arial", 9, {}, {}}) ? "font" : "none");
  };
  int dialogs = 0;
  Win32Pickers pickers(nullptr, PickerCalls{
                                    [&](CHOOSECOLORW*) {
                                      ++dialogs;
                                      nested();
                                      return FALSE;
                                    },
                                    [&](OPENFILENAMEW*) {
                                      ++dialogs;
                                      nested();
                                      return FALSE;
                                    },
                                    [&](CHOOSEFONTW*) {
                                      ++dialogs;
                                      nested();
                                      return FALSE;
                                    },
                                    [](HWND) { return 96; },
                                });
  self = &pickers;
  EXPECT_EQ(pickers.PickColour("", 5), 5u);
  EXPECT_EQ(pickers.PickFile("", "A|*.a|", 1, ""), "");
  EXPECT_EQ(pickers.PickFont("", {"Arial", 9, {}, {}}), std::nullopt);
  EXPECT_EQ(dialogs, 3);
  EXPECT_EQ(inner, (std::vector<std::string>{"7", "", "none", "7", "", "none", "7", "", "none"}));
}

}  // namespace
}  // namespace kelvara::win32
