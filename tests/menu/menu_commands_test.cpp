#include <gtest/gtest.h>

#include "program/program_fixture.h"

namespace kelvara::testing {
namespace {

using Strings = std::vector<std::string>;
using MenuCommands = ProgramTest;

const char* const kPopup = "Menu.Popup owner=frmDTMnMenu root=DMn";

std::string Start(const char* hwnd, const char* verb, const char* file, const char* dir, int show) {
  return std::string("Shell.Execute hwnd=") + hwnd + " verb=" + verb + " file=" + file +
         " params=<null> dir=" + dir + " show=" + std::to_string(show);
}

TEST_F(MenuCommands, ToolsStartWithEveryArgumentOfTheShellCall) {
  const char* const form = "frmDTMnMenu";
  const char* const none = "<null>";
  const char* const computer = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
  const struct {
    const char* item;
    Strings starts;
  } cases[] = {
      {"Calc", {Start(form, none, "calc.exe", "c:\\", 1)}},
      {"cleanmgr", {Start(form, none, "cleanmgr.exe", "c:\\", 1)}},
      {"Commp", {Start(form, none, "cmd.exe", "c:\\", 1)}},
      {"CtPanel", {Start(form, none, "control.exe", "c:\\", 1)}},
      {"msinfo", {Start(form, none, "msinfo32.exe", "c:\\", 1)}},
      {"MsPaint", {Start(form, none, "mspaint.exe", "c:\\", 1)}},
      {"Notepad", {Start(form, none, "notepad.exe", "c:\\", 1)}},
      {"Wab", {Start(form, none, "wab.exe", "c:\\", 1)}},
      {"Wordpad", {Start(form, none, "wordpad.exe", "c:\\", 1)}},
      {"tmgr", {Start(form, none, "taskmgr.exe", "taskmgr.exe", 5)}},
      {"expl", {Start(none, "open", "explorer.exe", "c:\\", 1)}},
      {"Find", {Start(none, "find", "c:\\", none, 1)}},
      {"MyCom", {Start(form, none, computer, computer, 1)}},
      {"dfrg",
       {Start(form, none, "dfrg.msc", "c:\\", 1),
        Start(form, none, "C:\\Windows\\System32\\dfrgui.exe", "c:\\", 1)}},
      {"rstrui",
       {Start(form, none, "C:\\Windows\\System32\\restore\\rstrui.exe", "c:\\", 1),
        Start(form, none, "C:\\Windows\\System32\\rstrui.exe", "c:\\", 1)}},
  };
  main.SetText("OsVer", "5.1");
  for (const auto& c : cases) {
    Choose(c.item);
    Strings expected{kPopup};
    expected.insert(expected.end(), c.starts.begin(), c.starts.end());
    EXPECT_EQ(TakeCalls(), expected) << c.item;
  }
  EXPECT_TRUE(fake.messages.empty());
  EXPECT_EQ(TakeEvents(), Strings{"load frmDTMnMenu"});
}

const char* const kProperties =
    "Shell.ExecuteEx mask=1100 hwnd=frmDTMnMenu verb=properties "
    "file=::{20D04FE0-3AEA-1069-A2D8-08002B30309D} params=<null> dir=<null> show=0";

TEST_F(MenuCommands, CleanUpsAndSystemPropertiesWithTheirMessages) {
  const struct {
    const char* item;
    bool properties_shown;
    Strings calls;
    Strings messages;
  } cases[] = {
      {"SysIfo", true, {kProperties}, {}},
      {"SysIfo", false, {kProperties, "Message"}, {"TavoroII|表示に失敗しました"}},
      // The confirmation comes whatever the shell did.
      {"FleDel",
       true,
       {"Shell.AddToRecentDocs flags=2 path=<null>", "Message"},
       {"TavoroII|削除しました。"}},
      {"ClipBoadClr", true, {"Clipboard.Clear"}, {}},
  };
  main.SetText("OsVer", "5.1");
  for (const auto& c : cases) {
    fake.execute_ex_succeeds = c.properties_shown;
    fake.messages.clear();
    Choose(c.item);
    Strings expected{kPopup};
    expected.insert(expected.end(), c.calls.begin(), c.calls.end());
    EXPECT_EQ(TakeCalls(), expected) << c.item;
    EXPECT_EQ(fake.messages, c.messages) << c.item;
  }
  EXPECT_TRUE(windows().IsLoaded("frmDTMnMenu"));
}

TEST_F(MenuCommands, EmptyingTheRecycleBinAsksTheShellThenUnloadsTheMenu) {
  Choose("Emp");
  EXPECT_EQ(TakeCalls(), (Strings{kPopup, "Shell.EmptyRecycleBin hwnd=frmDTMnMenu root= flags=0"}));
  EXPECT_EQ(TakeEvents(), (Strings{"load frmDTMnMenu", "unload frmDTMnMenu"}));
}

// Closing every top-level window would end other programs with their unsaved
// work; only the shell's own dialog opens, and this program goes on.
TEST_F(MenuCommands, ShutDownOptionsOpenTheShellsDialogAndCloseNothing) {
  main.SetText("OsVer", "10.0");
  Tray(515);
  Choose("WinStDwnOp");
  EXPECT_EQ(TakeCalls(), (Strings{kPopup, "Shell.ShowShutDownDialog"}));
  EXPECT_EQ(TakeEvents(), (Strings{"load frmLnchr", "load frmDTMnMenu"}));
  EXPECT_TRUE(windows().IsLoaded("frmLnchr"));
  EXPECT_FALSE(main.ended());
}

TEST_F(MenuCommands, ExitEndsThroughTheMainWindowsCloseButton) {
  Choose("DTMnEnd");
  EXPECT_EQ(TakeCalls(), (Strings{kPopup, "Tray.Delete", "Quit"}));
  EXPECT_TRUE(main.ended());
}

TEST_F(MenuCommands, ReturnToTheSetPositionPressesItsButton) {
  int pressed = 0;
  main.form()["cmdFstPstn"].on_click = [&] { ++pressed; };
  Choose("Mposi");
  EXPECT_EQ(pressed, 1);
}

TEST_F(MenuCommands, PositionSettingUncoversTheEditingStripByTheSwitchExactly) {
  const struct {
    const char* page_file;
    float height;
  } cases[] = {
      {"", 4890}, {"on", 4890}, {"off", 4350}, {"ON", 3675}, {" on", 3675}, {"Off", 3675},
  };
  for (const auto& c : cases) {
    Program p;
    p.main.SetText("PFVw", c.page_file);
    p.Choose("Pstn");
    EXPECT_EQ(p.main.form().window().rect.height, c.height) << '"' << c.page_file << '"';
  }
}

TEST_F(MenuCommands, OtherWindowsOpenModelessAndAnOpenOneOnlyComesForward) {
  const struct {
    const char* item;
    const char* window;
  } cases[] = {{"MntrCstmz", "frmSetup"}, {"verInfo", "frmVInfo"}, {"MemClr", "frmMClr"}};
  for (const auto& c : cases) {
    Choose(c.item);
    Choose(c.item);
    const Strings events = TakeEvents();
    EXPECT_EQ(events.back(), std::string("forward ") + c.window) << c.item;
    EXPECT_EQ(std::count(events.begin(), events.end(), std::string("load ") + c.window), 1)
        << c.item;
    EXPECT_TRUE(windows().Find(c.window)->form().window().visible) << c.item;
  }
}

}  // namespace
}  // namespace kelvara::testing
