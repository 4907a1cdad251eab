// A handler that throws inside a window's or a subclass's procedure is
// abandoned there: the exception never reaches the system's frames, and the
// window goes on working. Needs a display (the end-to-end run gives it
// Xvfb); without one the tests skip.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "platform/win32/host/form_host.h"
#include "platform/win32/wine.h"
#include "ui/controls.h"

namespace kelvara::win32::host {
namespace {

using Strings = std::vector<std::string>;
const ui::Font kFont{ui::kGothicFont, 9, false, false};

TEST(CallbackBoundaryTest, AThrowingHandlerIsAbandonedAndTheWindowRunsOn) {
  if (RunningUnderWine() && GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0) {
    GTEST_SKIP() << "no display to make windows on";
  }
  ui::Form form(
      "frmThrow",
      {.caption = "t", .rect = {1500, 1500, 4500, 2000}, .back = 0xFFFFFF, .visible = true},
      {ui::MakeButton("cmdBad", "x", {300, 300, 1200, 450}, kFont),
       ui::MakeButton("cmdGood", "y", {1800, 300, 1200, 450}, kFont),
       ui::MakeTextField("txtDays", "", {300, 1000, 1200, 360}, kFont),
       ui::MakeTimer("tmrBad", 0, false)});
  Strings events;
  form["cmdBad"].on_click = [&events] {
    events.push_back("bad");
    throw std::out_of_range("no such window");
  };
  form["cmdGood"].on_click = [&events] { events.push_back("good"); };
  form["txtDays"].key_filter = [](char32_t typed) {
    if (typed == U'x') throw std::bad_cast();
    return true;
  };
  form["tmrBad"].on_timer = [&form, &events] {
    form.SetCaption(form["txtDays"], "tick");
    events.push_back("tick");
    throw std::runtime_error("tick");
  };
  FontNames names;
  Win32Pictures pictures;
  FormHost host(form, Frame::kBorderless, names, pictures);
  ASSERT_TRUE(host.Create(GetModuleHandleW(nullptr), nullptr, nullptr));
  auto child = [&](int index) {
    return GetDlgItem(host.window(), static_cast<int>(NativeControls::kFirstId) + index);
  };
  const HWND days = child(2);
  const struct {
    std::function<void()> act;
    Strings then;
  } cases[] = {
      {[&] { SendMessageW(child(0), BM_CLICK, 0, 0); }, {"bad"}},
      {[&] { SendMessageW(child(1), BM_CLICK, 0, 0); }, {"bad", "good"}},
      {[&] { SendMessageW(days, WM_CHAR, L'x', 1); }, {"bad", "good"}},
      {[&] { SendMessageW(days, WM_CHAR, L'7', 1); }, {"bad", "good", "change 7"}},
      {[&] {
         form.SetInterval(form["tmrBad"], 60000);
         form.SetEnabled(form["tmrBad"], true);
         SendMessageW(host.window(), WM_TIMER, 4, 0);
       },
       {"bad", "good", "change 7", "change tick", "tick"}},
      {[&] { SendMessageW(child(1), BM_CLICK, 0, 0); },
       {"bad", "good", "change 7", "change tick", "tick", "good"}},
  };
  form["txtDays"].on_change = [&] { events.push_back("change " + form["txtDays"].caption); };
  for (const auto& c : cases) {
    EXPECT_NO_THROW(c.act());
    EXPECT_EQ(events, c.then);
  }
  wchar_t text[16] = {};
  GetWindowTextW(days, text, 16);
  EXPECT_STREQ(text, L"tick");  // the tick's change shows, though its handler failed
}

}  // namespace
}  // namespace kelvara::win32::host
