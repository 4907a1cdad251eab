#include <gtest/gtest.h>

#include "program/program_fixture.h"

namespace kelvara::testing {
namespace {

using Strings = std::vector<std::string>;
using TrayDispatchTest = ProgramTest;

const char* const kPopup = "Menu.Popup owner=frmDTMnMenu root=DMn";

TEST_F(TrayDispatchTest, EachMouseMessageByVersion) {
  const struct {
    const char* version;
    int message;
    Strings events;
    Strings calls;
  } cases[] = {
      {"6.1", 513, {"load frmDTMnMenu", "unload frmDTMnMenu"}, {}},
      {"6.1", 514, {"load frmDTMnMenu", "unload frmDTMnMenu"}, {}},
      {"6.1", 515, {}, {}},
      {"6.19", 515, {}, {}},
      {"", 515, {}, {}},
      {"Windows", 515, {}, {}},
      {"6.2", 515, {"load frmLnchr"}, {}},
      {"10.0", 515, {"load frmLnchr"}, {}},
      {"6.1", 516, {"load frmDTMnMenu"}, {kPopup}},
      {"6.1", 517, {"load frmDTMnMenu"}, {kPopup}},
      // A real mouse movement gives small numbers; nothing near the range acts.
      {"10.0", 0, {}, {}},
      {"10.0", 512, {}, {}},
      {"10.0", 518, {}, {}},
      {"10.0", 519, {}, {}},
  };
  for (const auto& c : cases) {
    Program p;
    p.main.SetText("OsVer", c.version);
    p.Tray(c.message);
    EXPECT_EQ(p.log.events, c.events) << c.version << " " << c.message;
    EXPECT_EQ(p.fake.calls, c.calls) << c.version << " " << c.message;
  }
}

TEST_F(TrayDispatchTest, RightButtonDownAndUpEachPopUpTheSameLoadedMenu) {
  Tray(516);
  Tray(517);
  EXPECT_EQ(TakeCalls(), (Strings{kPopup, kPopup}));
  EXPECT_EQ(TakeEvents(), Strings{"load frmDTMnMenu"});
  EXPECT_FALSE(windows().Find("frmDTMnMenu")->form().window().visible);
}

TEST_F(TrayDispatchTest, LeftButtonClosesALoadedMenuAndTheNextPopupLoadsItAgain) {
  Tray(516);
  Tray(513);
  Tray(517);
  EXPECT_EQ(TakeEvents(), (Strings{"load frmDTMnMenu", "unload frmDTMnMenu", "load frmDTMnMenu"}));
}

TEST_F(TrayDispatchTest, ASecondDoubleClickBringsTheOpenLauncherForward) {
  main.SetText("OsVer", "6.2");
  Tray(515);
  Tray(515);
  EXPECT_EQ(TakeEvents(), (Strings{"load frmLnchr", "forward frmLnchr"}));
  EXPECT_TRUE(windows().Find("frmLnchr")->form().window().visible);
}

TEST_F(TrayDispatchTest, ADismissedPopupRunsNothing) {
  Tray(516);
  EXPECT_EQ(TakeCalls(), Strings{kPopup});
  EXPECT_FALSE(main.ended());
}

// A command chosen after something unloaded the menu during the popup still
// runs, on a freshly loaded and pruned menu.
TEST_F(TrayDispatchTest, ACommandRunsEvenWhenTheMenuWasUnloadedWhileOpen) {
  struct UnloadingPopup final : platform::PopupMenus {
    ui::WindowSet* windows = nullptr;
    std::optional<std::string> Popup(std::string_view, const ui::MenuItem&) override {
      windows->Unload("frmDTMnMenu");
      return "ClipBoadClr";
    }
  } popup;
  popup.windows = &windows();
  TrayDispatch dispatch(main, popup, windows());
  dispatch.Form_MouseMove(517);
  EXPECT_EQ(TakeCalls(), Strings{"Clipboard.Clear"});
  EXPECT_EQ(TakeEvents(), (Strings{"load frmDTMnMenu", "unload frmDTMnMenu", "load frmDTMnMenu"}));
}

}  // namespace
}  // namespace kelvara::testing
