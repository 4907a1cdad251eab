// The keyboard of a small dialog as the main loop hands it the keys: Enter
// and Space press the focused button once, Esc closes the dialog as its
// close box does, Tab passes a field that takes no typing by, the first
// control that takes input has the focus when the dialog shows, and it comes
// back after a message box. Needs a display (the end-to-end run gives it
// Xvfb); without one the tests skip.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/host/form_host.h"
#include "platform/win32/wine.h"
#include "ui/controls.h"

namespace kelvara::win32::host {
namespace {

using Strings = std::vector<std::string>;
const ui::Font kFont{ui::kGothicFont, 9, false, false};
constexpr UINT kQueueDrained = WM_APP + 41;
constexpr const wchar_t* kBoxTitle = L"確認 keys";

std::vector<ui::Control> Design() {
  ui::Control swatch = ui::MakeTextField("txtSwatch", "", {300, 900, 900, 300}, kFont);
  swatch.key_filter = [](char32_t) { return false; };
  swatch.tab_stop = false;
  return {ui::MakeLabel("lblName", "名前", {300, 60, 900, 240}, ui::Alignment::kLeft, kFont, 0),
          ui::MakeTextField("txtName", "abc", {300, 300, 2400, 360}, kFont),
          swatch,
          ui::MakeButton("cmdAsk", "確認", {300, 1500, 1200, 450}, kFont, ui::Rgb(224, 222, 224)),
          ui::MakeButton("cmdSave", "保存", {1800, 1500, 1200, 450}, kFont, ui::Rgb(224, 222, 224)),
          ui::MakeCheckBox("chkOn", "秒", {300, 2100, 1200, 300}, kFont),
          ui::MakeComboBox("cboZone", "", {1800, 2100, 1800, 360}, kFont, {"東京", "大阪"})};
}

ui::FormWindow DialogWindow() {
  return {.caption = "キー", .rect = {1500, 1500, 4500, 3300}, .back = 0xFFFFFF, .visible = true};
}

// Closes the message box of our title as soon as it shows, from another
// thread, since the box's own loop has the test's thread meanwhile.
class BoxCloser {
 public:
  BoxCloser()
      : thread_([this] {
          const DWORD until = GetTickCount() + 10000;
          while (static_cast<int>(until - GetTickCount()) > 0) {
            if (const HWND box = FindWindowW(L"#32770", kBoxTitle)) {
              PostMessageW(box, WM_COMMAND, IDOK, 0);
              closed_ = true;
              return;
            }
            Sleep(10);
          }
        }) {}
  ~BoxCloser() { thread_.join(); }
  BoxCloser(const BoxCloser&) = delete;
  BoxCloser& operator=(const BoxCloser&) = delete;
  bool closed() const { return closed_; }

 private:
  std::atomic<bool> closed_ = false;
  std::thread thread_;
};

class DialogKeysTest : public ::testing::Test {
 protected:
  bool Make(Frame frame = Frame::kFixedDialog) {
    if (RunningUnderWine() && GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0) return false;
    host_ = std::make_unique<FormHost>(form_, frame, names_, pictures_);
    if (!host_->Create(GetModuleHandleW(nullptr), nullptr, nullptr)) return false;
    host_->on_close = [this] { events_.push_back("close"); };
    Watch();
    return true;
  }
  // Whoever runs the queue (ours, or a message box's), the mark posted
  // after some keys says that they have all been dispatched.
  void Watch() {
    host_->extra_messages = [this](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (message != kQueueDrained) return std::nullopt;
      drained_ = true;
      return 0;
    };
    SetForegroundWindow(host_->window());
  }
  HWND Child(const char* name) const {
    const auto index = static_cast<int>(&form_[name] - form_.controls().data());
    return GetDlgItem(host_->window(), static_cast<int>(NativeControls::kFirstId) + index);
  }
  // Where the keys go: the child, or a drop-down's edit part.
  HWND Keys(const char* name) const {
    COMBOBOXINFO info{.cbSize = sizeof(COMBOBOXINFO)};
    const HWND child = Child(name);
    return GetComboBoxInfo(child, &info) != FALSE ? info.hwndItem : child;
  }
  // Runs the queue as the program's main loop does until `done`, for up to
  // five seconds; false when it never came.
  bool PumpUntil(const std::function<bool()>& done) {
    const DWORD until = GetTickCount() + 5000;
    MSG message;
    while (!done()) {
      if (static_cast<int>(until - GetTickCount()) <= 0) return false;
      if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) == FALSE) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        continue;
      }
      if (host_->Navigate(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    return true;
  }
  // Keys as the keyboard posts them to the focused window, then everything
  // they led to.
  void Press(const std::vector<std::pair<UINT, WPARAM>>& keys, bool held = false) {
    const HWND to = GetFocus();
    for (const auto& [message, key] : keys) {
      // The repeat count, the key's scan code, then whether it was down and goes up.
      LPARAM state = 1 | static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), 0) << 16);
      if (message == WM_KEYUP) state |= static_cast<LPARAM>(0xC0000000);
      if (held) state |= 0x40000000;
      PostMessageW(to, message, key, state);
    }
    drained_ = false;
    PostMessageW(host_->window(), kQueueDrained, 0, 0);
    ASSERT_TRUE(PumpUntil([this] { return drained_; }));
  }
  bool FocusComesTo(HWND want) {
    return PumpUntil([want] { return GetFocus() == want; });
  }

  ui::Form form_{"frmKeys", DialogWindow(), Design()};
  FontNames names_;
  Win32Pictures pictures_;
  std::unique_ptr<FormHost> host_;
  Strings events_;
  bool drained_ = false;
};

#define HOST_OR_SKIP(...) \
  if (!Make(__VA_ARGS__)) GTEST_SKIP() << "no display to make windows on";

void Records(ui::Form& form, Strings& events) {
  for (const char* name : {"cmdAsk", "cmdSave", "chkOn"}) {
    ui::Control& c = form[name];
    c.on_click = [&events, &c] { events.push_back(c.name); };
  }
}

TEST_F(DialogKeysTest, AShownDialogFocusesItsFirstControlThatTakesInput) {
  HOST_OR_SKIP();
  EXPECT_TRUE(FocusComesTo(Child("txtName")));
  // Its text chosen, ready to be typed over.
  DWORD start = 1, end = 0;
  SendMessageW(Child("txtName"), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 3u);
}

TEST_F(DialogKeysTest, EnterAndSpacePressTheFocusedButtonOnceAndNothingElse) {
  Records(form_, events_);
  HOST_OR_SKIP();
  const struct {
    const char* focus;
    std::vector<std::pair<UINT, WPARAM>> keys;
    Strings pressed;
  } cases[] = {
      {"cmdSave", {{WM_KEYDOWN, VK_RETURN}, {WM_KEYUP, VK_RETURN}}, {"cmdSave"}},
      {"cmdAsk", {{WM_KEYDOWN, VK_SPACE}, {WM_KEYUP, VK_SPACE}}, {"cmdSave", "cmdAsk"}},
      // Enter is no press where no button has the focus; Space turns a box over.
      {"txtName", {{WM_KEYDOWN, VK_RETURN}, {WM_KEYUP, VK_RETURN}}, {"cmdSave", "cmdAsk"}},
      {"chkOn", {{WM_KEYDOWN, VK_RETURN}, {WM_KEYUP, VK_RETURN}}, {"cmdSave", "cmdAsk"}},
      {"chkOn", {{WM_KEYDOWN, VK_SPACE}, {WM_KEYUP, VK_SPACE}}, {"cmdSave", "cmdAsk", "chkOn"}},
  };
  for (const auto& c : cases) {
    SetFocus(Child(c.focus));
    Press(c.keys);
    EXPECT_EQ(events_, c.pressed) << c.focus;
  }
  EXPECT_TRUE(form_["chkOn"].checked);
  EXPECT_EQ(SendMessageW(Child("chkOn"), BM_GETCHECK, 0, 0), BST_CHECKED);
  // Held down, Enter repeats its key-down: still the one press.
  SetFocus(Child("cmdSave"));
  Press({{WM_KEYDOWN, VK_RETURN}});
  Press({{WM_KEYDOWN, VK_RETURN}, {WM_KEYDOWN, VK_RETURN}}, true);
  EXPECT_EQ(events_, (Strings{"cmdSave", "cmdAsk", "chkOn", "cmdSave"}));
}

TEST_F(DialogKeysTest, EscClosesTheDialogAsItsCloseBoxButAnOpenListFirst) {
  Records(form_, events_);
  HOST_OR_SKIP();
  // An open list closes first, Esc or Enter; Enter keeps the item it shows.
  const struct {
    WPARAM key;
    int chosen;
  } lists[] = {{VK_ESCAPE, -1}, {VK_RETURN, 1}};
  for (const auto& c : lists) {
    SetFocus(Keys("cboZone"));
    SendMessageW(Child("cboZone"), CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(SendMessageW(Child("cboZone"), CB_GETDROPPEDSTATE, 0, 0));
    if (c.chosen >= 0) Press({{WM_KEYDOWN, VK_DOWN}, {WM_KEYDOWN, VK_DOWN}});
    Press({{WM_KEYDOWN, c.key}, {WM_KEYUP, c.key}});
    EXPECT_FALSE(SendMessageW(Child("cboZone"), CB_GETDROPPEDSTATE, 0, 0)) << c.key;
    EXPECT_EQ(form_["cboZone"].selected, c.chosen) << c.key;
  }
  EXPECT_EQ(events_, Strings{});
  for (const char* focus : {"cboZone", "txtName", "cmdSave"}) {
    SetFocus(Keys(focus));
    Press({{WM_KEYDOWN, VK_ESCAPE}, {WM_KEYUP, VK_ESCAPE}});
  }
  EXPECT_EQ(events_, (Strings{"close", "close", "close"}));
}

TEST_F(DialogKeysTest, EscInTheBorderlessMonitorDoesNothing) {
  HOST_OR_SKIP(Frame::kBorderless);
  SetFocus(Child("txtName"));
  Press({{WM_KEYDOWN, VK_ESCAPE}, {WM_KEYUP, VK_ESCAPE}});
  EXPECT_EQ(events_, Strings{});
  EXPECT_TRUE(IsWindow(host_->window()));
}

TEST_F(DialogKeysTest, TabVisitsTheControlsThatTakeInputInTableOrder) {
  HOST_OR_SKIP();
  EXPECT_EQ(GetWindowLongPtrW(Child("txtSwatch"), GWL_STYLE) & WS_TABSTOP, 0);
  SetFocus(Child("txtName"));
  for (const char* next : {"cmdAsk", "cmdSave", "chkOn", "cboZone", "txtName"}) {
    Press({{WM_KEYDOWN, VK_TAB}, {WM_KEYUP, VK_TAB}});
    EXPECT_EQ(GetFocus(), Keys(next)) << next;
  }
}

TEST_F(DialogKeysTest, AfterAMessageBoxTheFocusIsBackUnlessTheHandlerMovedIt) {
  HOST_OR_SKIP();
  const struct {
    const char* button;
    const char* then_focus;  // what the handler focuses after the box, if anything
    const char* focused;
  } cases[] = {
      {"cmdAsk", nullptr, "cmdAsk"},
      {"cmdSave", "txtName", "txtName"},
  };
  for (const auto& c : cases) {
    bool closed = false;
    form_[c.button].on_click = [&] {
      BoxCloser closer;
      MessageBoxW(host_->window(), L"よろしいですか", kBoxTitle, MB_OK);
      closed = closer.closed();
      if (c.then_focus != nullptr) form_.Focus(form_[c.then_focus]);
    };
    ASSERT_TRUE(FocusComesTo(Child("txtName")));
    SetFocus(Child(c.button));
    Press({{WM_KEYDOWN, VK_RETURN}, {WM_KEYUP, VK_RETURN}});
    EXPECT_TRUE(closed) << c.button;
    EXPECT_TRUE(FocusComesTo(Child(c.focused))) << c.button;
    // And nothing still queued moves it on.
    Press({});
    EXPECT_EQ(GetFocus(), Child(c.focused)) << c.button;
    SetFocus(Child("txtName"));
  }
}

}  // namespace
}  // namespace kelvara::win32::host
