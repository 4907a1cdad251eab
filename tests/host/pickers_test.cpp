// The real common dialogs over a window of the test, answered from another
// thread as a user would: found by class and owner, then a button pressed.
// Needs a display (the end-to-end run gives it Xvfb); without one they skip.
#include "platform/win32/pickers.h"

#include <colordlg.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <ostream>
#include <string>
#include <thread>

#include "platform/win32/raii.h"
#include "platform/win32/wine.h"

namespace kelvara::platform {

void PrintTo(const FontChoice& font, std::ostream* out) {
  *out << font.name << " " << font.size << (font.bold ? " bold" : "")
       << (font.italic ? " italic" : "");
}

}  // namespace kelvara::platform

namespace kelvara::win32 {
namespace {

constexpr DWORD kDialogDeadlineMs = 30000;

struct OwnedDialog {
  HWND owner;
  HWND found = nullptr;
};

BOOL CALLBACK FindOwned(HWND window, LPARAM into) {
  auto& search = *reinterpret_cast<OwnedDialog*>(into);
  wchar_t name[16] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  if (std::wstring(name) != L"#32770" || !IsWindowVisible(window) ||
      GetWindow(window, GW_OWNER) != search.owner) {
    return TRUE;
  }
  search.found = window;
  return FALSE;
}

// Waits on its own thread for the dialog the owner shows, does `answer` to
// it and presses the button; gives up at the deadline or once the picker has
// returned without one.
class DialogAnswer {
 public:
  DialogAnswer(HWND owner, int button, std::function<void(HWND)> answer = {})
      : thread_([this, owner, button, answer] {
          const DWORD start = GetTickCount();
          while (!returned_ && GetTickCount() - start < kDialogDeadlineMs) {
            OwnedDialog search{owner};
            EnumWindows(FindOwned, reinterpret_cast<LPARAM>(&search));
            if (search.found != nullptr) {
              owner_disabled_ = IsWindowEnabled(owner) == FALSE;
              if (answer) answer(search.found);
              PostMessageW(search.found, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                           reinterpret_cast<LPARAM>(GetDlgItem(search.found, button)));
              found_ = true;
              return;
            }
            Sleep(20);
          }
        }) {}
  ~DialogAnswer() { Join(); }
  DialogAnswer(const DialogAnswer&) = delete;
  DialogAnswer& operator=(const DialogAnswer&) = delete;

  // After the picker returned: whether the dialog was there, modal.
  bool AnsweredModal() {
    Join();
    return found_ && owner_disabled_;
  }

 private:
  void Join() {
    returned_ = true;
    if (thread_.joinable()) thread_.join();
  }

  std::atomic<bool> returned_{false};
  bool found_ = false;
  bool owner_disabled_ = false;
  std::thread thread_;
};

class PickersOnDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (RunningUnderWine() && GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0) {
      GTEST_SKIP() << "no display to make windows on";
    }
    owner_.reset(CreateWindowExW(0, L"STATIC", L"pickers", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(owner_);
  }

  UniqueWindow owner_;
  Win32Pickers pickers_{
      [this](std::string_view form) { return form == "frmTest" ? owner_.get() : HWND{}; }};
};

void Type(HWND dialog, int id, const wchar_t* text) {
  SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

TEST_F(PickersOnDisplayTest, ColourOkAnswersTheShownColour) {
  DialogAnswer untouched(owner_.get(), IDOK);
  EXPECT_EQ(pickers_.PickColour("frmTest", 0x336699), 0x336699u);
  EXPECT_TRUE(untouched.AnsweredModal());

  DialogAnswer typed(owner_.get(), IDOK, [](HWND dialog) {
    Type(dialog, COLOR_RED, L"10");
    Type(dialog, COLOR_GREEN, L"200");
    Type(dialog, COLOR_BLUE, L"255");
  });
  EXPECT_EQ(pickers_.PickColour("frmTest", 0x336699),
            static_cast<std::uint32_t>(RGB(10, 200, 255)));
  EXPECT_TRUE(typed.AnsweredModal());
}

TEST_F(PickersOnDisplayTest, FileCancelAnswersNothing) {
  DialogAnswer cancel(owner_.get(), IDCANCEL);
  EXPECT_EQ(pickers_.PickFile("frmTest", "すべてのファイル (*.*)|*.*|", 1, "C:\\windows"), "");
  EXPECT_TRUE(cancel.AnsweredModal());
}

TEST_F(PickersOnDisplayTest, FontOkAnswersThePreset) {
  DialogAnswer ok(owner_.get(), IDOK);
  // A face the font packages of the test machines give Wine's font list.
  EXPECT_EQ(pickers_.PickFont("frmTest", {"Noto Sans CJK JP", 12, true, false}),
            (platform::FontChoice{"Noto Sans CJK JP", 12, true, false}));
  EXPECT_TRUE(ok.AnsweredModal());
}

}  // namespace
}  // namespace kelvara::win32
