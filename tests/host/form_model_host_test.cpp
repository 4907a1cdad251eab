// A small settings form with frames inside frames, realised as a window:
// where the children land, the Tab order, what shows inside a frame, and the
// user's choices, check marks and typing as the model sees them. Needs a
// display (the end-to-end run gives it Xvfb); without one the tests skip.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host_support.h"
#include "platform/win32/host/form_host.h"
#include "platform/win32/wine.h"
#include "ui/controls.h"

namespace kelvara::win32::host {
namespace {

using Strings = std::vector<std::string>;
const ui::Font kFont{ui::kGothicFont, 9, false, false};

std::vector<ui::Control> Design() {
  std::vector<ui::Control> rows = ui::Within(
      "fraInner",
      {ui::MakeCheckBox("chkSeconds", "秒を表示", {150, 450, 1800, 300}, kFont),
       ui::MakeLabel("lblNote", "注意", {150, 900, 1200, 300}, ui::Alignment::kLeft,
                     {ui::kGothicFont, 12, true, false}, ui::Rgb(0, 0, 255)),
       ui::MakeComboBox("cboZone", "", {150, 1500, 2400, 360}, kFont, {"東京", "大阪", "札幌"})});
  // txtLate is made last (shown only later), yet is first in the table and in Tab order.
  rows.insert(rows.begin(), {ui::MakeTextField("txtLate", "", {300, 4650, 1200, 360}, kFont),
                             ui::MakeFrame("fraOuter", "表示", {300, 300, 6000, 4200}, kFont),
                             ui::MakeFrame("fraInner", "時計", {300, 600, 3000, 2400}, kFont),
                             ui::MakeTextField("txtDays", "7", {3600, 600, 1200, 360}, kFont)});
  rows[0].visible = false;
  rows[2].container = rows[3].container = "fraOuter";
  rows[2].opaque = true;
  rows[2].back = ui::Rgb(0xFF, 0xFF, 0xCC);
  rows.push_back(ui::MakeButton("cmdOk", "OK", {4500, 4650, 1200, 450}, kFont, 0x00DCF9FA));
  return rows;
}

// The drop-downs' and text fields' events, by their captions.
void Record(ui::Form& form, Strings& events) {
  for (const ui::Control& row : form.controls()) {
    ui::Control& c = form[row.name];
    c.on_change = [&events, &c] { events.push_back("change " + c.caption); };
    c.on_select = [&events, &c] { events.push_back("select " + c.caption); };
  }
}

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

std::wstring TextOf(HWND window) {
  wchar_t text[64] = {};
  GetWindowTextW(window, text, 64);
  return text;
}

class FormModelHostTest : public ::testing::Test {
 protected:
  // Borderless: without a window manager, Wine waits on each hidden dialog.
  bool Make() {
    if (RunningUnderWine() && GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0) return false;
    host_ = std::make_unique<FormHost>(form_, Frame::kBorderless, names_, pictures_);
    return host_->Create(GetModuleHandleW(nullptr), nullptr, nullptr);
  }
  HWND Child(const char* name) const {
    const auto index = static_cast<int>(&form_[name] - form_.controls().data());
    return GetDlgItem(host_->window(), static_cast<int>(NativeControls::kFirstId) + index);
  }
  RECT Placed(const char* name) const {  // in the window's client area
    RECT r{};
    GetWindowRect(Child(name), &r);
    MapWindowPoints(nullptr, host_->window(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  ui::Form form_{
      "frmOption",
      {.caption = "設定", .rect = {1500, 1500, 7500, 6000}, .back = 0xFFFFFF, .visible = true},
      Design()};
  FontNames names_;
  Win32Pictures pictures_;
  std::unique_ptr<FormHost> host_;
  Strings events_;
};

#define HOST_OR_SKIP() \
  if (!Make()) GTEST_SKIP() << "no display to make windows on";

TEST_F(FormModelHostTest, ChildrenInsideNestedFramesLandAtTheSumOfTheirPlaces) {
  HOST_OR_SKIP();
  const struct {
    const char* name;
    RECT at96, at144;
  } cases[] = {
      {"fraInner", {40, 60, 240, 220}, {60, 90, 360, 330}},
      {"txtDays", {260, 60, 340, 84}, {390, 90, 510, 126}},
      {"chkSeconds", {50, 90, 170, 110}, {75, 135, 255, 165}},
  };
  for (const auto& c : cases) EXPECT_TRUE(Same(c.at96, Placed(c.name))) << c.name;
  EXPECT_EQ(Placed("cboZone").top, 160);  // its height is its edit part's
  const RECT suggested{150, 150, 1275, 1050};
  SendMessageW(host_->window(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  for (const auto& c : cases) EXPECT_TRUE(Same(c.at144, Placed(c.name))) << c.name;
  EXPECT_EQ(Placed("cboZone").top, 240);

  form_.SetEnabled(form_["fraInner"], false);
  form_.SetVisible(form_["fraOuter"], false);
  EXPECT_FALSE(IsWindowEnabled(Child("chkSeconds")));
  EXPECT_TRUE(IsWindowEnabled(Child("txtDays")));
  EXPECT_FALSE(IsWindowVisible(Child("txtDays")));
  EXPECT_TRUE(IsWindowVisible(Child("cmdOk")));
}

TEST_F(FormModelHostTest, TabFollowsTheTableWhateverOrderTheChildrenCameIn) {
  HOST_OR_SKIP();
  form_.SetVisible(form_["txtLate"], true);
  HWND at = Child("txtLate");
  for (const char* next : {"txtDays", "chkSeconds", "cboZone", "cmdOk", "txtLate"}) {
    at = GetNextDlgTabItem(host_->window(), at, FALSE);
    EXPECT_EQ(at, Child(next)) << next;
  }
}

TEST_F(FormModelHostTest, AChoiceSetsChoiceAndTextWithOneEventAndTypingLetsItGo) {
  Record(form_, events_);
  HOST_OR_SKIP();
  COMBOBOXINFO info{.cbSize = sizeof(COMBOBOXINFO)};
  ASSERT_TRUE(GetComboBoxInfo(Child("cboZone"), &info));
  SendMessageW(info.hwndItem, WM_KEYDOWN, VK_DOWN, 0);  // Down in the closed list chooses
  SendMessageW(info.hwndItem, WM_KEYDOWN, VK_DOWN, 0);
  SendMessageW(info.hwndItem, EM_SETSEL, 2, 2);
  SendMessageW(info.hwndItem, WM_CHAR, L'市', 1);
  EXPECT_EQ(events_, (Strings{"select 東京", "select 大阪", "change 大阪市"}));
  EXPECT_EQ(form_["cboZone"].selected, -1);
  form_.SetSelected(form_["cboZone"], 2);
  EXPECT_EQ(SendMessageW(Child("cboZone"), CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(TextOf(Child("cboZone")), L"札幌");
}

TEST_F(FormModelHostTest, ACheckBoxShowsTheModelsMarkEvenWhenItsHandlerTurnsItBack) {
  HOST_OR_SKIP();
  ui::Control& seconds = form_["chkSeconds"];
  seconds.on_click = [this, &seconds] {
    events_.push_back(seconds.checked ? "on" : "off");
    form_.SetChecked(seconds, false);
  };
  SendMessageW(Child("chkSeconds"), BM_CLICK, 0, 0);
  EXPECT_EQ(events_, (Strings{"on", "off"}));
  EXPECT_EQ(SendMessageW(Child("chkSeconds"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(FormModelHostTest, TypingPassesTheKeyFilterOrChangesNothing) {
  Record(form_, events_);
  form_["txtDays"].key_filter = [](char32_t typed) { return typed >= U'0' && typed <= U'9'; };
  HOST_OR_SKIP();
  const HWND days = Child("txtDays");
  SendMessageW(days, EM_SETSEL, 1, 1);
  // 🌙 comes in two halves and is asked about whole.
  for (wchar_t typed : {L'x', L'\b', L'\xD83C', L'\xDF19'}) SendMessageW(days, WM_CHAR, typed, 1);
  EXPECT_EQ(TextOf(days), L"7");
  SendMessageW(days, WM_CHAR, L'4', 1);
  EXPECT_EQ(TextOf(days), L"74");
  EXPECT_EQ(events_, (Strings{"change 74"}));
  form_.SetLocked(form_["txtDays"], true);
  SendMessageW(days, WM_CHAR, L'5', 1);
  EXPECT_EQ(TextOf(days), L"74");
}

TEST_F(FormModelHostTest, PaintedControlsShowInsideANativeFrameAndButtonsInTheirColour) {
  HOST_OR_SKIP();
  const HWND window = host_->window();
  testing::Canvas shot(500, 400);
  auto looks_right = [&] {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    WindowDc screen(nullptr);
    BitBlt(shot.dc(), 0, 0, 500, 400, screen.get(), 100, 100, SRCCOPY);
    const RECT label{50, 120, 130, 140}, empty{140, 115, 230, 155}, face{305, 314, 317, 336};
    return shot.CountOther(RGB(0, 0, 255), label, true) < 80 * 20 - 20 &&  // blue text shows
           shot.CountOther(RGB(0xFF, 0xFF, 0xCC), empty, true) == 0 &&     // the frame's fill
           shot.CountOther(RGB(0xFA, 0xF9, 0xDC), face, true) == 0;
  };
  const DWORD until = GetTickCount() + 3000;  // the screen may lag behind the paint
  while (!looks_right() && static_cast<int>(until - GetTickCount()) > 0) Sleep(20);
  EXPECT_TRUE(looks_right());
  // The frame's own edge shows too.
  EXPECT_EQ(shot.CountOther(RGB(255, 255, 255), RECT{40, 80, 41, 200}, true), 120);
}

}  // namespace
}  // namespace kelvara::win32::host
