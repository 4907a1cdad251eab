// A small settings form with frames inside frames, realised as a window: where
// the children land, what a frame passes on, what shows inside a frame, and
// the user's choices, check marks and typing as the model sees them. Needs a
// display (the end-to-end run gives it Xvfb); without one the tests skip.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host_support.h"
#include "platform/win32/host/form_host.h"
#include "platform/win32/text.h"
#include "platform/win32/wine.h"
#include "ui/controls.h"

namespace kelvara::win32::host {
namespace {

using Strings = std::vector<std::string>;
using ui::Control;

constexpr ui::Colour kWhite = ui::Rgb(255, 255, 255);
constexpr ui::Colour kPale = 0x00DCF9FA;
constexpr ui::Colour kBlue = ui::Rgb(0, 0, 255);
const ui::Font kFont{ui::kGothicFont, 9, false, false};

std::vector<Control> Design() {
  // Shown only later, so made last, yet first in the table and in Tab order.
  std::vector<Control> rows = {ui::MakeTextField("txtLate", "", {300, 4650, 1200, 360}, kFont)};
  rows[0].visible = false;
  rows.push_back(ui::MakeFrame("fraOuter", "表示", {300, 300, 6000, 4200}, kFont));
  for (Control& c : ui::Within(
           "fraOuter", {ui::MakeFrame("fraInner", "時計", {300, 600, 3000, 2400}, kFont),
                        ui::MakeTextField("txtDays", "7", {3600, 600, 1200, 360}, kFont),
                        ui::MakeTextField("txtNone", "固定", {3600, 1200, 1200, 360}, kFont)})) {
    rows.push_back(std::move(c));
  }
  for (Control& c :
       ui::Within("fraInner",
                  {ui::MakeCheckBox("chkSeconds", "秒を表示", {150, 450, 1800, 300}, kFont),
                   ui::MakeLabel("lblNote", "注意", {150, 900, 1200, 300}, ui::Alignment::kLeft,
                                 {ui::kGothicFont, 12, true, false}, kBlue),
                   ui::MakeComboBox("cboZone", "", {150, 1500, 2400, 360}, kFont,
                                    {"東京", "大阪", "札幌"})})) {
    rows.push_back(std::move(c));
  }
  rows.push_back(ui::MakeButton("cmdOk", "OK", {4500, 4650, 1200, 450}, kFont, kPale));
  return rows;
}

ui::FormWindow Window() {
  ui::FormWindow w;
  w.caption = "設定";
  w.rect = {1500, 1500, 7500, 6000};
  w.back = kWhite;
  w.visible = true;
  return w;
}

// Runs the window's messages until `done` holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, int milliseconds = 3000) {
  const DWORD until = GetTickCount() + static_cast<DWORD>(milliseconds);
  MSG message;
  for (;;) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    if (static_cast<int>(until - GetTickCount()) <= 0) return false;
    Sleep(10);
  }
}

std::wstring TextOf(HWND window) {
  wchar_t text[64] = {};
  GetWindowTextW(window, text, 64);
  return text;
}

class FormModelHostTest : public ::testing::Test {
 protected:
  // The host, or none when there is no display to make it on.
  bool Make() {
    if (RunningUnderWine() && GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0) return false;
    // Borderless: without a window manager, Wine waits on every hidden
    // dialog for a reply that never comes.
    host_ = std::make_unique<FormHost>(form_, Frame::kBorderless, names_, pictures_);
    return host_->Create(GetModuleHandleW(nullptr), nullptr, nullptr);
  }
  HWND Child(const char* name) const {
    const auto index = static_cast<std::size_t>(&form_[name] - form_.controls().data());
    return GetDlgItem(host_->window(), static_cast<int>(NativeControls::kFirstId + index));
  }
  // Where a child lies in the window's client area.
  RECT Placed(const char* name) const {
    RECT r{};
    GetWindowRect(Child(name), &r);
    MapWindowPoints(nullptr, host_->window(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  // Every event of the form, in order.
  void Record() {
    for (const Control& row : form_.controls()) {
      Control& c = form_[row.name];
      c.on_click = [this, &c] {
        events_.push_back(c.name + " click " + (c.checked ? "on" : "off"));
      };
      c.on_change = [this, &c] { events_.push_back(c.name + " change " + c.caption); };
      c.on_select = [this, &c] {
        events_.push_back(c.name + " select " + std::to_string(c.selected));
      };
    }
  }

  ui::Form form_{"frmOption", Window(), Design()};
  FontNames names_;
  Win32Pictures pictures_;
  std::unique_ptr<FormHost> host_;
  Strings events_;
};

#define HOST_OR_SKIP() \
  if (!Make()) GTEST_SKIP() << "no display to make windows on";

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

TEST_F(FormModelHostTest, ChildrenInsideNestedFramesLandAtTheSumOfTheirPlaces) {
  HOST_OR_SKIP();
  const struct {
    const char* name;
    RECT at96, at144;
  } cases[] = {
      {"fraOuter", {20, 20, 420, 300}, {30, 30, 630, 450}},
      {"fraInner", {40, 60, 240, 220}, {60, 90, 360, 330}},
      {"txtDays", {260, 60, 340, 84}, {390, 90, 510, 126}},
      {"chkSeconds", {50, 90, 170, 110}, {75, 135, 255, 165}},
      {"cmdOk", {300, 310, 380, 340}, {450, 465, 570, 510}},
  };
  for (const auto& c : cases) EXPECT_TRUE(Same(Placed(c.name), c.at96)) << c.name << " at 96";
  // A drop-down keeps the height of its edit part; its place is the design's.
  EXPECT_EQ(Placed("cboZone").left, 50);
  EXPECT_EQ(Placed("cboZone").top, 160);
  EXPECT_EQ(Placed("cboZone").right, 210);

  const RECT suggested{150, 150, 1230, 960};
  SendMessageW(host_->window(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  for (const auto& c : cases) EXPECT_TRUE(Same(Placed(c.name), c.at144)) << c.name << " at 144";
  EXPECT_EQ(Placed("cboZone").left, 75);
  EXPECT_EQ(Placed("cboZone").top, 240);

  // Moving the outer frame moves everything in it.
  form_.SetLeft(form_["fraOuter"], 600);
  EXPECT_TRUE(Same(Placed("chkSeconds"), RECT{105, 135, 285, 165}));
}

TEST_F(FormModelHostTest, AHiddenOrDisabledFrameTakesItsContentsAlong) {
  HOST_OR_SKIP();
  form_.SetEnabled(form_["fraInner"], false);
  EXPECT_FALSE(IsWindowEnabled(Child("chkSeconds")));
  EXPECT_FALSE(IsWindowEnabled(Child("cboZone")));
  EXPECT_TRUE(IsWindowEnabled(Child("txtDays")));
  form_.SetEnabled(form_["fraInner"], true);
  EXPECT_TRUE(IsWindowEnabled(Child("chkSeconds")));

  form_.SetVisible(form_["fraOuter"], false);
  for (const char* name : {"fraOuter", "fraInner", "txtDays", "chkSeconds", "cboZone"}) {
    EXPECT_FALSE(IsWindowVisible(Child(name))) << name;
  }
  EXPECT_TRUE(IsWindowVisible(Child("cmdOk")));
  form_.SetVisible(form_["fraOuter"], true);
  EXPECT_TRUE(IsWindowVisible(Child("chkSeconds")));
}

TEST_F(FormModelHostTest, TabFollowsTheTableWhateverOrderTheChildrenCameIn) {
  HOST_OR_SKIP();
  EXPECT_EQ(Child("txtLate"), nullptr);  // hidden: not made yet
  form_.SetVisible(form_["txtLate"], true);
  const HWND window = host_->window();
  HWND at = Child("txtLate");
  ASSERT_NE(at, nullptr);
  for (const char* next : {"txtDays", "txtNone", "chkSeconds", "cboZone", "cmdOk", "txtLate"}) {
    at = GetNextDlgTabItem(window, at, FALSE);
    EXPECT_EQ(at, Child(next)) << "after the tab to " << next;
  }
  // The stacking order of the children is the table's, frames included.
  std::vector<HWND> stacked;
  for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    stacked.push_back(c);
  }
  const std::vector<HWND> table = {Child("txtLate"), Child("fraOuter"), Child("fraInner"),
                                   Child("txtDays"), Child("txtNone"),  Child("chkSeconds"),
                                   Child("cboZone"), Child("cmdOk")};
  EXPECT_EQ(stacked, table);
}

TEST_F(FormModelHostTest, AChoiceInTheListSetsChoiceAndTextWithOneSelectEvent) {
  Record();
  HOST_OR_SKIP();
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(Child("cboZone"), &info));
  ASSERT_EQ(SendMessageW(Child("cboZone"), CB_GETCOUNT, 0, 0), 3);
  // Down in the closed drop-down chooses the next item, as the user would.
  SendMessageW(info.hwndItem, WM_KEYDOWN, VK_DOWN, 0);
  SendMessageW(info.hwndItem, WM_KEYDOWN, VK_DOWN, 0);
  const Control& zone = form_["cboZone"];
  EXPECT_EQ(zone.selected, 1);
  EXPECT_EQ(zone.caption, "大阪");
  EXPECT_EQ(TextOf(Child("cboZone")), L"大阪");
  EXPECT_EQ(events_, (Strings{"cboZone select 0", "cboZone select 1"}));

  // Typing after it: a change, and the choice is gone.
  events_.clear();
  SendMessageW(info.hwndItem, EM_SETSEL, 2, 2);
  SendMessageW(info.hwndItem, WM_CHAR, L'市', 1);
  EXPECT_EQ(zone.selected, -1);
  EXPECT_EQ(zone.caption, "大阪市");
  EXPECT_EQ(events_, (Strings{"cboZone change 大阪市"}));

  // The behaviour's choice shows, with its one event.
  events_.clear();
  form_.SetSelected(form_["cboZone"], 2);
  EXPECT_EQ(SendMessageW(Child("cboZone"), CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(TextOf(Child("cboZone")), L"札幌");
  EXPECT_EQ(events_, (Strings{"cboZone select 2"}));
}

TEST_F(FormModelHostTest, ACheckBoxShowsTheModelsMarkEvenWhenItsHandlerTurnsItBack) {
  Record();
  HOST_OR_SKIP();
  const HWND box = Child("chkSeconds");
  SendMessageW(box, BM_CLICK, 0, 0);
  EXPECT_TRUE(form_["chkSeconds"].checked);
  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  // A handler that refuses the mark: the box follows the model, not the click.
  Control& seconds = form_["chkSeconds"];
  seconds.on_click = [this, &seconds] {
    events_.push_back(std::string("refused ") + (seconds.checked ? "on" : "off"));
    form_.SetChecked(seconds, true);
  };
  SendMessageW(box, BM_CLICK, 0, 0);
  EXPECT_TRUE(seconds.checked);
  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(events_, (Strings{"chkSeconds click on", "refused off", "refused on"}));
}

TEST_F(FormModelHostTest, TypingPassesTheKeyFilterOrChangesNothing) {
  Record();
  form_["txtDays"].key_filter = [](char32_t typed) { return typed >= U'0' && typed <= U'9'; };
  form_["txtNone"].key_filter = [](char32_t) { return false; };
  HOST_OR_SKIP();
  const HWND days = Child("txtDays");
  const HWND none = Child("txtNone");
  SendMessageW(days, EM_SETSEL, 1, 1);
  for (wchar_t typed : {L'x', L'4', L'\x3042'}) SendMessageW(days, WM_CHAR, typed, 1);
  EXPECT_EQ(TextOf(days), L"74");
  EXPECT_EQ(form_["txtDays"].caption, "74");
  // A character beyond the first plane is asked about whole: 🌙 is no digit.
  SendMessageW(days, WM_CHAR, 0xD83C, 1);
  SendMessageW(days, WM_CHAR, 0xDF19, 1);
  EXPECT_EQ(TextOf(days), L"74");

  SendMessageW(none, EM_SETSEL, 2, 2);
  for (wchar_t typed : {L'a', L'\b', L'1'}) SendMessageW(none, WM_CHAR, typed, 1);
  EXPECT_EQ(TextOf(none), L"固定");
  EXPECT_TRUE(IsWindowVisible(none));
  EXPECT_EQ(form_["txtNone"].caption, "固定");
  EXPECT_EQ(events_, (Strings{"txtDays change 74"}));

  // Pasted text passes the same filter.
  const std::wstring pasted = L"1a2";
  ASSERT_TRUE(OpenClipboard(days));
  EmptyClipboard();
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
  ASSERT_NE(copy, nullptr);
  memcpy(GlobalLock(copy), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(copy);
  SetClipboardData(CF_UNICODETEXT, copy);  // the clipboard owns it now
  CloseClipboard();
  SendMessageW(days, EM_SETSEL, 0, 0);
  SendMessageW(days, WM_PASTE, 0, 0);
  EXPECT_EQ(TextOf(days), L"1274");
  EXPECT_EQ(form_["txtDays"].caption, "1274");

  // A locked field shows its text and takes nothing.
  form_.SetLocked(form_["txtDays"], true);
  EXPECT_NE(GetWindowLongPtrW(days, GWL_STYLE) & ES_READONLY, 0);
  SendMessageW(days, WM_CHAR, L'5', 1);
  SendMessageW(days, WM_PASTE, 0, 0);
  EXPECT_EQ(TextOf(days), L"1274");
}

// The window's client area as the screen shows it.
testing::Canvas Shot(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  testing::Canvas canvas(client.right, client.bottom);
  WindowDc screen(nullptr);
  BitBlt(canvas.dc(), 0, 0, client.right, client.bottom, screen.get(), origin.x, origin.y, SRCCOPY);
  return canvas;
}

int CountOf(const testing::Canvas& canvas, COLORREF colour, const RECT& r) {
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) count += canvas.At(x, y) == colour ? 1 : 0;
  }
  return count;
}

TEST_F(FormModelHostTest, PaintedControlsShowInsideANativeFrameAndButtonsInTheirColour) {
  HOST_OR_SKIP();
  const HWND window = host_->window();
  const COLORREF white = RGB(255, 255, 255), blue = RGB(0, 0, 255), pale = RGB(0xFA, 0xF9, 0xDC);
  const RECT note{50, 120, 130, 140};          // the label, inside both frames
  const RECT inside{140, 115, 230, 155};       // inside the inner frame, where nothing lies
  const RECT button_side{305, 314, 317, 336};  // the button's face left of its caption
  auto looks_right = [&] {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const testing::Canvas shot = Shot(window);
    return CountOf(shot, blue, note) > 20 && shot.CountOther(white, inside, true) == 0 &&
           CountOf(shot, pale, button_side) == 12 * 22;
  };
  EXPECT_TRUE(PumpUntil(looks_right));
  // The frame's own edge still shows: its outer left line is not the form's white.
  const testing::Canvas shot = Shot(window);
  EXPECT_EQ(shot.CountOther(white, RECT{40, 80, 41, 200}, true), 120);
}

}  // namespace
}  // namespace kelvara::win32::host
