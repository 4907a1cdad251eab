// A form realised as a window: its frame, what a change repaints, its
// timers, mouse events, native buttons and text fields. Needs a display (the
// end-to-end run gives it Xvfb); without one the tests skip.
#include "platform/win32/host/form_host.h"
#include "platform/win32/host/popup_menus.h"
#include "platform/win32/monitors.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "host_support.h"
#include "launcher/launcher_design.h"
#include "main_window/main_window_design.h"
#include "platform/win32/monitors.h"
#include "platform/win32/wine.h"
#include "ui/centre.h"
#include "version_dialog/version_dialog_design.h"

namespace kelvara::win32::host {
namespace {

using ui::Control;
using ui::ControlKind;

constexpr ui::Colour kKey = 12632246;

void Pump(int milliseconds) {
  const DWORD until = GetTickCount() + static_cast<DWORD>(milliseconds);
  MSG message;
  while (static_cast<int>(until - GetTickCount()) > 0) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(5);
  }
}

Control Picture(const char* name, ui::Rect rect) {
  Control c;
  c.name = name;
  c.kind = ControlKind::kPicture;
  c.rect = rect;
  return c;
}

Control Timer(const char* name, int interval, bool enabled) {
  Control c;
  c.name = name;
  c.kind = ControlKind::kTimer;
  c.interval = interval;
  c.enabled = enabled;
  return c;
}

Control Native(const char* name, ControlKind kind, const char* caption, bool visible) {
  Control c;
  c.name = name;
  c.kind = kind;
  c.caption = caption;
  c.rect = {300, 300, 1200, 375};
  c.visible = visible;
  c.font = {kClockFont, 9, false, false};
  return c;
}

ui::FormWindow TestWindow(bool visible) {
  ui::FormWindow w;
  w.caption = "test";
  w.rect = {1500, 1500, 3000, 1500};
  w.back = kKey;
  w.visible = visible;
  return w;
}

class FormHostTest : public ::testing::Test {
 protected:
  // A host for `form`, or none when there is no display to make it on:
  // Wine without an X display makes windows that never paint or show.
  std::unique_ptr<FormHost> Host(ui::Form& form, Frame frame = Frame::kBorderless) {
    if (RunningUnderWine() && GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0) return nullptr;
    auto host = std::make_unique<FormHost>(form, frame, names_, pictures_);
    if (!host->Create(GetModuleHandleW(nullptr), nullptr, nullptr)) return nullptr;
    return host;
  }

  FontNames names_;
  Win32Pictures pictures_;
};

#define HOST_OR_SKIP(host, ...)  \
  auto host = Host(__VA_ARGS__); \
  if (!host) GTEST_SKIP() << "no display to make windows on";

RECT UpdateArea(HWND window) {
  RECT r{};
  GetUpdateRect(window, &r, FALSE);
  return r;
}

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

TEST_F(FormHostTest, TheMonitorIsABorderlessColourKeyedToolWindow) {
  ui::Form form("frmDTMn", MainWindowFrame(), MainWindowDesign());
  HOST_OR_SKIP(host, form);
  const HWND window = host->window();
  EXPECT_FALSE(IsWindowVisible(window));  // until the model shows it
  form.SetColourKey(kKey);
  form.SetWindowHeight(4245);
  form.SetWindowLeft(15225);
  form.SetWindowTop(915);
  form.SetWindowVisible(true);

  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR ex_style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  EXPECT_NE(style & WS_POPUP, 0);
  EXPECT_EQ(style & WS_CAPTION, 0);
  EXPECT_EQ(style & WS_THICKFRAME, 0);
  EXPECT_NE(ex_style & WS_EX_LAYERED, 0);
  EXPECT_NE(ex_style & WS_EX_TOOLWINDOW, 0);
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
  EXPECT_EQ(key, kKey);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
  RECT r{};
  GetWindowRect(window, &r);
  EXPECT_EQ(r.left, 1015);
  EXPECT_EQ(r.top, 61);
  EXPECT_EQ(r.right - r.left, 242);
  EXPECT_EQ(r.bottom - r.top, 283);
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(FormHostTest, AChangeRepaintsOnlyWhereTheControlWasAndIs) {
  ui::Form form("frmDTMn", MainWindowFrame(), MainWindowDesign());
  HOST_OR_SKIP(host, form);
  form.SetWindowVisible(true);
  const HWND window = host->window();
  UpdateWindow(window);

  form.SetCaption(form["lblTime"], "12:34:56");
  EXPECT_TRUE(Same(UpdateArea(window), RECT{24, 40, 169, 73}));
  ValidateRect(window, nullptr);

  form.SetWidth(form["PrscrTime"], 1500);  // from nothing to 100 pixels
  EXPECT_TRUE(Same(UpdateArea(window), RECT{48, 88, 148, 105}));
  ValidateRect(window, nullptr);
  form.SetWidth(form["PrscrTime"], 750);  // the old place repaints too
  EXPECT_TRUE(Same(UpdateArea(window), RECT{48, 88, 148, 105}));
  ValidateRect(window, nullptr);

  form.SetCaption(form["OsVer"], "10.0");  // a variable: nothing to repaint
  EXPECT_TRUE(Same(UpdateArea(window), RECT{}));
}

// The rectangles of a window's update region, top to bottom.
std::vector<std::array<LONG, 4>> UpdateRects(HWND window) {
  std::vector<std::array<LONG, 4>> out;
  UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  if (GetUpdateRgn(window, region.get(), FALSE) == NULLREGION) return out;
  const DWORD size = GetRegionData(region.get(), 0, nullptr);
  std::vector<char> bytes(size);
  auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
  if (GetRegionData(region.get(), size, data) == 0) return out;
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  for (DWORD i = 0; i < data->rdh.nCount; ++i) {
    out.push_back({rects[i].left, rects[i].top, rects[i].right, rects[i].bottom});
  }
  return out;
}

// Runs the window's timer messages only: a paint would empty the update area.
bool RunTimersUntil(const bool& done) {
  const DWORD until = GetTickCount() + 5000;
  MSG message;
  while (!done && static_cast<int>(until - GetTickCount()) > 0) {
    while (!done && PeekMessageW(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE) != FALSE) {
      DispatchMessageW(&message);
    }
    Sleep(5);
  }
  return done;
}

TEST_F(FormHostTest, ATickIsInvalidatedOnceAsItEndsAndOnlyWhereItChanged) {
  ui::Form form("frmDTMn", MainWindowFrame(), MainWindowDesign());
  HOST_OR_SKIP(host, form);
  form.SetWindowHeight(4245);
  form.SetWindowVisible(true);
  const HWND window = host->window();
  UpdateWindow(window);

  RECT during{1, 1, 2, 2};
  bool ticked = false;
  form["TmrNN"].on_timer = [&] {
    form.SetCaption(form["lblTime"], "12:34:56");
    form.SetCaption(form["lblDSPer"], "42.5%");
    form.SetWidth(form["DSpce"], 750);   // nothing to 50 pixels
    form.SetWidth(form["DSpce"], 1500);  // then 100: its old place lies inside
    during = UpdateArea(window);
    form.SetEnabled(form["TmrNN"], false);  // one tick is enough
    ticked = true;
  };
  form.SetInterval(form["TmrNN"], 20);
  form.SetEnabled(form["TmrNN"], true);
  ASSERT_TRUE(RunTimersUntil(ticked));

  EXPECT_TRUE(Same(during, RECT{}));  // nothing yet while the tick runs
  // The caption at the top and the row at the bottom, not all between them.
  const std::vector<std::array<LONG, 4>> want = {
      {24, 40, 169, 73}, {48, 248, 148, 265}, {176, 267, 217, 283}};
  EXPECT_EQ(UpdateRects(window), want);
}

TEST_F(FormHostTest, ATimerTicksWhileEnabledWithAnInterval) {
  ui::Form form("f", TestWindow(false), {Timer("TmrNN", 0, false)});
  int ticks = 0;
  form["TmrNN"].on_timer = [&ticks] { ++ticks; };
  HOST_OR_SKIP(host, form);
  Pump(150);
  EXPECT_EQ(ticks, 0);
  form.SetInterval(form["TmrNN"], 20);
  form.SetEnabled(form["TmrNN"], true);
  Pump(300);
  EXPECT_GE(ticks, 3);
  form.SetEnabled(form["TmrNN"], false);
  const int stopped = ticks;
  Pump(150);
  EXPECT_EQ(ticks, stopped);
}

TEST_F(FormHostTest, MouseEventsReachTheControlInTwipsRelativeToIt) {
  ui::Form form("f", TestWindow(true), {Picture("PstnMove", {300, 300, 480, 480})});
  std::vector<std::vector<float>> downs, moves;
  int clicks = 0;
  Control& grip = form["PstnMove"];
  grip.on_mouse_down = [&downs](int b, int s, float x, float y) {
    downs.push_back({float(b), float(s), x, y});
  };
  grip.on_mouse_move = [&moves](int b, int s, float x, float y) {
    moves.push_back({float(b), float(s), x, y});
  };
  grip.on_click = [&clicks] { ++clicks; };
  HOST_OR_SKIP(host, form);
  const HWND window = host->window();

  // The grip spans pixels 20 to 51.
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(30, 25));
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 25));  // held: still the grip's
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(40, 25));
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(70, 25));  // not over it: nobody's
  SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(21, 21));
  SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(21, 21));

  ASSERT_EQ(downs.size(), 2u);
  EXPECT_EQ(downs[0], (std::vector<float>{1, 1, 150, 75}));
  EXPECT_EQ(downs[1], (std::vector<float>{2, 0, 15, 15}));
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0], (std::vector<float>{1, 0, 600, 75}));
  EXPECT_EQ(clicks, 1);  // the right button does not click

  // Down on the grip and up elsewhere is no click.
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 25));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(90, 5));
  EXPECT_EQ(clicks, 1);
}

TEST_F(FormHostTest, ButtonsAreNativeAndClickTheirHandler) {
  ui::Form form("f", TestWindow(true),
                {Native("cmdPstnSave", ControlKind::kButton, "決定", true),
                 Native("cmdSave", ControlKind::kButton, "cmdSave", false)});
  int clicks = 0;
  form["cmdPstnSave"].on_click = [&clicks] { ++clicks; };
  HOST_OR_SKIP(host, form);
  const HWND button = FindWindowExW(host->window(), nullptr, L"Button", L"決定");
  ASSERT_NE(button, nullptr);
  RECT r{};
  GetWindowRect(button, &r);
  EXPECT_EQ(r.right - r.left, 80);
  EXPECT_EQ(r.bottom - r.top, 25);
  SendMessageW(button, BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  // A hidden button pressed from code needs no window.
  EXPECT_EQ(FindWindowExW(host->window(), nullptr, L"Button", L"cmdSave"), nullptr);

  form.SetCaption(form["cmdPstnSave"], "保存");
  EXPECT_NE(FindWindowExW(host->window(), nullptr, L"Button", L"保存"), nullptr);
  form.SetVisible(form["cmdPstnSave"], false);
  EXPECT_FALSE(IsWindowVisible(button));
}

// A button below the window's bottom edge is made only once the window
// grows over it: the monitor's place buttons cost an idle monitor nothing.
TEST_F(FormHostTest, AButtonOutsideTheWindowIsMadeWhenTheWindowGrowsOverIt) {
  Control below = Native("cmdPstnSave", ControlKind::kButton, "決定", true);
  below.rect.top = 1500;  // the window is 1500 twips high
  ui::Form form("f", TestWindow(true), {below});
  HOST_OR_SKIP(host, form);
  EXPECT_EQ(FindWindowExW(host->window(), nullptr, L"Button", nullptr), nullptr);
  form.SetWindowWidth(6000);  // grown, but not over it
  EXPECT_EQ(FindWindowExW(host->window(), nullptr, L"Button", nullptr), nullptr);
  form.SetWindowHeight(1515);
  EXPECT_NE(FindWindowExW(host->window(), nullptr, L"Button", L"決定"), nullptr);
}

TEST_F(FormHostTest, HiddenTextFieldsHaveNoWindowAndShownOnesTakeTyping) {
  ui::Form form("f", TestWindow(true),
                {Native("Fil", ControlKind::kTextField, "C:\\x.qmx", false),
                 Native("txtRam", ControlKind::kTextField, "4096", true)});
  HOST_OR_SKIP(host, form);
  // One edit window only: the shown field's.
  const HWND field = FindWindowExW(host->window(), nullptr, L"Edit", nullptr);
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(FindWindowExW(host->window(), field, L"Edit", nullptr), nullptr);
  wchar_t text[16] = {};
  GetWindowTextW(field, text, 16);
  EXPECT_STREQ(text, L"4096");
  SetWindowTextW(field, L"2048");
  EXPECT_EQ(form["txtRam"].caption, "2048");
}

TEST_F(FormHostTest, AWindowOfNoSizeIsNeverShown) {
  ui::Form form("frmMClr", TestWindow(false), {});
  HOST_OR_SKIP(host, form, Frame::kFixedDialog);
  form.SetWindowHeight(0);
  form.SetWindowWidth(0);
  form.SetWindowVisible(true);
  EXPECT_FALSE(IsWindowVisible(host->window()));
}

TEST_F(FormHostTest, AControlWithACursorOfOursShowsItUnderThePointer) {
  Control plain = Picture("Plain", {300, 300, 600, 375});
  Control pointing = Picture("Pointing", {1200, 300, 600, 375});
  pointing.cursor = "hand";
  ui::Form form("test", TestWindow(true), {plain, pointing});
  HOST_OR_SKIP(host, form);
  const HWND window = host->window();
  const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  // Our hand, at the cursor size of the window's DPI.
  const auto ours_shown = [&] {
    const HCURSOR shown = GetCursor();
    ICONINFO info{};
    if (shown == arrow || shown == nullptr || !GetIconInfo(shown, &info)) return false;
    UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    GetObjectW(info.hbmMask, sizeof bitmap, &bitmap);
    return bitmap.bmWidth == GetSystemMetricsForDpi(SM_CXCURSOR, GetDpiForWindow(window)) &&
           info.fIcon == FALSE;
  };
  // The window is at 100, 100 pixels; the controls 20 and 80 pixels in.
  const struct {
    int x, y;
    bool ours;
  } cases[] = {
      {100 + 80, 100 + 20, true},    // the top-left corner is inside
      {100 + 119, 100 + 44, true},   // the last pixel inside
      {100 + 120, 100 + 30, false},  // the right edge is outside
      {100 + 30, 100 + 30, false},   // a control without a cursor
      {100 + 150, 100 + 80, false},  // no control at all
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(SetCursorPos(c.x, c.y));
    SetCursor(arrow);
    const LRESULT handled = SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(handled != FALSE, c.ours) << c.x << "," << c.y;
    EXPECT_EQ(ours_shown(), c.ours) << c.x << "," << c.y;
  }
}

TEST_F(FormHostTest, ADetachedWindowRunsNoHandler) {
  ui::Form form("f", TestWindow(true), {Timer("TmrRS", 10, true)});
  int ticks = 0;
  form["TmrRS"].on_timer = [&ticks] { ++ticks; };
  HOST_OR_SKIP(host, form);
  host->Detach();
  Pump(100);
  SendMessageW(host->window(), WM_TIMER, 1, 0);
  EXPECT_EQ(ticks, 0);
}

TEST_F(FormHostTest, TickAfterTickTheMonitorHoldsNoMoreGdiObjects) {
  ui::Form form("frmDTMn", MainWindowFrame(), MainWindowDesign());
  HOST_OR_SKIP(host, form);
  form.SetColourKey(kKey);
  form.SetWindowVisible(true);
  auto ticks = [&](int count) {
    for (int i = 0; i < count; ++i) {
      form.SetCaption(form["lblTime"], "12:00:0" + std::to_string(i % 10));
      form.SetWidth(form["RamT"], static_cast<float>(i % 2596));
      UpdateWindow(host->window());
    }
  };
  ticks(10);
  const testing::GdiState before = testing::Gdi();
  ticks(300);
  EXPECT_TRUE(testing::Gdi() == before);
}

TEST_F(FormHostTest, AtAnotherDpiEverythingIsLaidOutAgain) {
  std::vector<Control> controls = MainWindowDesign();
  controls.push_back(Native("cmdOk", ControlKind::kButton, "OK", true));
  ui::Form form("frmDTMn", MainWindowFrame(), std::move(controls));
  HOST_OR_SKIP(host, form);
  int told = 0;
  host->on_dpi_changed = [&told](int dpi) { told = dpi; };
  form.SetWindowVisible(true);
  const HWND window = host->window();

  const RECT suggested{300, 200, 600, 500};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(told, 144);
  RECT r{};
  GetWindowRect(window, &r);
  // The suggested place, the design's size at 150 %.
  EXPECT_EQ(r.left, 300);
  EXPECT_EQ(r.top, 200);
  EXPECT_EQ(r.right - r.left, 363);
  EXPECT_EQ(r.bottom - r.top, 368);
  const HWND button = FindWindowExW(window, nullptr, L"Button", L"OK");
  ASSERT_NE(button, nullptr);
  GetWindowRect(button, &r);
  EXPECT_EQ(r.right - r.left, 120);

  UpdateWindow(window);
  form.SetCaption(form["lblTime"], "01:02:03");
  EXPECT_TRUE(Same(UpdateArea(window), RECT{36, 60, 254, 110}));
}

RECT WindowPlace(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

TEST_F(FormHostTest, TheModelFollowsWhereADpiChangeOrTheSystemPutsTheWindow) {
  ui::Form form("frmDTMn", MainWindowFrame(), MainWindowDesign());
  HOST_OR_SKIP(host, form);
  form.SetWindowVisible(true);
  const HWND window = host->window();
  const Scale place(DesktopDpi());
  const struct {
    const char* why;
    int dpi;
    POINT moved_to;
    bool by_the_system;  // else by a DPI change
  } rows[] = {
      {"a DPI change to 150 %", 144, {300, 200}, false},
      {"a DPI change to 200 %", 192, {420, 110}, false},
      {"a move of the system's", 192, {640, 330}, true},
      {"back to 100 % by a DPI change", 96, {50, 60}, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    const Scale inside(row.dpi);
    if (row.by_the_system) {
      SetWindowPos(window, nullptr, row.moved_to.x, row.moved_to.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
      const RECT suggested{row.moved_to.x, row.moved_to.y, row.moved_to.x + 10,
                           row.moved_to.y + 10};
      SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(row.dpi, row.dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    }
    EXPECT_EQ(place.Px(form.window().rect.left), row.moved_to.x);
    EXPECT_EQ(place.Px(form.window().rect.top), row.moved_to.y);
    EXPECT_FLOAT_EQ(form.window().place_per_twip,
                    static_cast<float>(row.dpi) / static_cast<float>(place.dpi()));
    // The next change of the window's own starts from there: a height...
    form.SetWindowHeight(form.window().rect.height == 4890 ? 4245 : 4890);
    EXPECT_TRUE(Same(WindowPlace(window),
                     RECT{row.moved_to.x, row.moved_to.y, row.moved_to.x + inside.Px(3630),
                          row.moved_to.y + inside.Px(form.window().rect.height)}));
    // ...and a step of a drag, in the desktop's twips.
    form.SetWindowLeft(form.window().rect.left + place.Twips(15));
    EXPECT_EQ(WindowPlace(window).left, row.moved_to.x + 15);
    form.SetWindowLeft(place.Twips(row.moved_to.x));
  }
}

constexpr DWORD kDialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// The fixed dialogs designed by their client areas, in pixels at each DPI.
struct DesignedClient {
  const char* name;
  ui::FormWindow (*frame)();
  int dpi;
  SIZE client;
};
constexpr DesignedClient kDesignedClients[] = {
    {"frmVInfo", VersionDialogFrame, 96, {313, 201}},
    {"frmVInfo", VersionDialogFrame, 120, {391, 251}},
    {"frmVInfo", VersionDialogFrame, 144, {470, 302}},
    {"frmVInfo", VersionDialogFrame, 192, {626, 402}},
    {"frmLnchr", LauncherFrame, 96, {507, 369}},
    {"frmLnchr", LauncherFrame, 120, {634, 461}},
    {"frmLnchr", LauncherFrame, 144, {761, 554}},
    {"frmLnchr", LauncherFrame, 192, {1014, 738}},
};

SIZE Minus(SIZE a, SIZE b) { return SIZE{a.cx - b.cx, a.cy - b.cy}; }

TEST(FramedSizeTest, ADesignedClientAreaGetsTheFrameOfItsDpiAroundIt) {
  for (const DesignedClient& row : kDesignedClients) {
    const ui::FormWindow w = row.frame();
    ASSERT_TRUE(w.client_sized) << row.name;
    const Scale scale(row.dpi);
    const SIZE client{scale.Px(w.rect.width), scale.Px(w.rect.height)};
    EXPECT_EQ(client.cx, row.client.cx) << row.name << " at " << row.dpi;
    EXPECT_EQ(client.cy, row.client.cy) << row.name << " at " << row.dpi;
    const SIZE frame = FramedSize(SIZE{0, 0}, kDialogStyle, 0, row.dpi);
    EXPECT_GT(frame.cy, 0) << "a title bar at " << row.dpi;
    const SIZE inside = Minus(FramedSize(client, kDialogStyle, 0, row.dpi), frame);
    EXPECT_EQ(inside.cx, row.client.cx) << row.name << " at " << row.dpi;
    EXPECT_EQ(inside.cy, row.client.cy) << row.name << " at " << row.dpi;
  }
}

TEST_F(FormHostTest, AFixedDialogsClientAreaIsItsDesignAtEachDpi) {
  for (const DesignedClient& row : kDesignedClients) {
    ui::Form form(row.name, row.frame(), {});
    HOST_OR_SKIP(host, form, Frame::kFixedDialog);
    const HWND window = host->window();
    form.SetWindowVisible(true);
    const int real_dpi = static_cast<int>(GetDpiForWindow(window));
    if (row.dpi == real_dpi) {
      // At the screen's own DPI the system's frame is the one measured.
      RECT client{};
      GetClientRect(window, &client);
      EXPECT_EQ(client.right, row.client.cx) << row.name << " at " << row.dpi;
      EXPECT_EQ(client.bottom, row.client.cy) << row.name << " at " << row.dpi;
    } else {
      const RECT suggested{40, 30, 50, 40};
      SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(row.dpi, row.dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    }
    const SIZE frame = FramedSize(SIZE{0, 0}, kDialogStyle, 0, row.dpi);
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, row.client.cx + frame.cx) << row.name << " at " << row.dpi;
    EXPECT_EQ(outer.bottom - outer.top, row.client.cy + frame.cy) << row.name << " at " << row.dpi;
    // The model knows the frame, so it centres the outer window.
    const Scale scale(row.dpi);
    EXPECT_EQ(scale.Px(form.window().frame_width), frame.cx) << row.name << " at " << row.dpi;
    EXPECT_EQ(scale.Px(form.window().frame_height), frame.cy) << row.name << " at " << row.dpi;
    EXPECT_EQ(form.window().rect.width, row.frame().rect.width) << "the design stays the client's";
  }
}

TEST_F(FormHostTest, ACentredFixedDialogHasItsOuterWindowInTheMiddle) {
  ui::Form form("frmVInfo", VersionDialogFrame(), {});
  HOST_OR_SKIP(host, form, Frame::kFixedDialog);
  const Scale& scale = host->scale();
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  ui::CentreOnScreen(form, scale.Twips(width), scale.Twips(height));
  form.SetWindowVisible(true);
  RECT outer{};
  GetWindowRect(host->window(), &outer);
  // Equal margins left and right, top and bottom, to a pixel's rounding.
  EXPECT_LE(std::abs(outer.left - (width - outer.right)), 1);
  EXPECT_LE(std::abs(outer.top - (height - outer.bottom)), 1);
  EXPECT_GT(outer.bottom - outer.top, 201) << "the frame lies around the client area";
}

ui::MenuItem Command(const char* name) {
  ui::MenuItem item;
  item.name = name;
  item.caption = name;
  return item;
}

TEST_F(FormHostTest, APopupMenuComesForwardWithItsOwnerAndReturnsTheChoice) {
  ui::Form form("frmDTMnMenu", TestWindow(false), {});
  HOST_OR_SKIP(host, form);
  const HWND owner = host->window();
  Win32PopupMenus popups(
      [owner](std::string_view name) { return name == "frmDTMnMenu" ? owner : HWND{}; });
  ui::MenuItem root = Command("DMn");
  root.children = {Command("MemClr"), Command("MntrCstmz"), Command("DTMnEnd")};

  // Keys already waiting reach the menu once it opens.
  PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(owner, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(popups.Popup("frmDTMnMenu", root), std::optional<std::string>("MntrCstmz"));
  // The owner was brought forward, so a click elsewhere closes the menu, and
  // nudged after, so the next one opens at once.
  EXPECT_EQ(GetForegroundWindow(), owner);
  MSG nudge;
  EXPECT_TRUE(PeekMessageW(&nudge, owner, WM_NULL, WM_NULL, PM_REMOVE));

  PostMessageW(owner, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(popups.Popup("frmDTMnMenu", root), std::nullopt);
}

}  // namespace
}  // namespace kelvara::win32::host
