// The user acts while one of the program's calls waits in a loop of its own:
// the window that asked is unloaded and loaded afresh under its running
// handler, which must then come back without touching freed state.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "settings/settings_fixture.h"

namespace kelvara::testing {
namespace {

using Strings = std::vector<std::string>;

struct FocusLog final : ui::FormObserver {
  Strings focused;
  void ControlChanged(const ui::Form&, const ui::Control&, const ui::Rect&) override {}
  void FormChanged(const ui::Form&) override {}
  void FocusRequested(const ui::Form&, const ui::Control& c) override { focused.push_back(c.name); }
};

class NestedLoopTest : public SettingsTest {
 public:
  // For the table's steps.
  using SettingsTest::C;
  using SettingsTest::Choose;
  using SettingsTest::Click;
  using SettingsTest::fake;
  using SettingsTest::form;
  using SettingsTest::main;
  using SettingsTest::Open;
  using SettingsTest::Press;
  using SettingsTest::windows;

  // A left click on the tray icon: down, then up.
  void TrayClick() {
    Tray(513);
    Tray(514);
  }
  // The settings dialog's close box, then 設定 from the tray menu again.
  void CloseAndReopenSettings() {
    windows().Unload("frmSetup");
    Choose("MntrCstmz");
  }
  SettingsDialog* Dialog() { return static_cast<SettingsDialog*>(windows().Find("frmSetup")); }
  // What the user finds in the settings dialog now open, if any.
  std::string SettingsNow(std::initializer_list<const char*> fields) {
    SettingsDialog* dialog = Dialog();
    if (dialog == nullptr) return "no dialog";
    std::string out = dialog->form().window().visible ? "shown" : "hidden";
    for (const char* field : fields) out += std::string(" ") + field + "=" + dialog->Text(field);
    return out;
  }
};

using Step = std::function<void(NestedLoopTest&)>;

std::string MenuState(NestedLoopTest& t) {
  return t.windows().IsLoaded("frmDTMnMenu") ? "menu" : "no menu";
}

TEST_F(NestedLoopTest, EveryLoopSurvivesItsWindowUnloadedAndLoadedAgainMeanwhile) {
  const char* const kMenuEvents =
      "load frmDTMnMenu|unload frmDTMnMenu|load frmDTMnMenu|unload frmDTMnMenu";
  const struct Row {
    const char* name;
    Step open;  // what is open before
    Step act;   // the user's action that starts the loop
    const char* waits_in;
    Step meanwhile;
    const char* events;  // the window events from the action on
    Strings boxes;       // the owner of each message box
    std::function<std::string(NestedLoopTest&)> sees;
    const char* expected;
  } rows[] = {
      {"recycle bin",
       [](NestedLoopTest&) {},
       [](NestedLoopTest& t) { t.Choose("Emp"); },
       "Shell.EmptyRecycleBin hwnd=frmDTMnMenu root= flags=0",
       [](NestedLoopTest& t) { t.TrayClick(); },
       kMenuEvents,
       {},
       MenuState,
       "no menu"},
      {"recent documents",
       [](NestedLoopTest&) {},
       [](NestedLoopTest& t) { t.Choose("FleDel"); },
       "Message owner=frmDTMnMenu",
       [](NestedLoopTest& t) { t.TrayClick(); },
       kMenuEvents,
       {"frmDTMnMenu"},
       MenuState,
       "no menu"},
      {"system properties",
       [](NestedLoopTest& t) { t.fake.execute_ex_succeeds = false; },
       [](NestedLoopTest& t) { t.Choose("SysIfo"); },
       "Shell.ExecuteEx mask=1100 hwnd=frmDTMnMenu verb=properties "
       "file=::{20D04FE0-3AEA-1069-A2D8-08002B30309D} params=<null> dir=<null> show=0",
       [](NestedLoopTest& t) { t.TrayClick(); },
       kMenuEvents,
       {"frmDTMnMenu"},
       MenuState,
       "no menu"},
      {"shut-down dialog",
       [](NestedLoopTest&) {},
       [](NestedLoopTest& t) { t.Choose("WinStDwnOp"); },
       "Shell.ShowShutDownDialog",
       [](NestedLoopTest& t) { t.TrayClick(); },
       kMenuEvents,
       {},
       MenuState,
       "no menu"},
      {"memory release",
       [](NestedLoopTest& t) { t.main.form().SetCaption(t.main.form()["lblMClr"], "10"); },
       [](NestedLoopTest& t) { t.Choose("MemClr"); },
       "Pump",
       [](NestedLoopTest& t) {
         t.TrayClick();
         t.Choose("MemClr");
       },
       "load frmDTMnMenu|load frmMClr|unload frmDTMnMenu|load frmDTMnMenu|unload "
       "frmDTMnMenu|load frmDTMnMenu|forward frmMClr",
       {},
       [](NestedLoopTest& t) {
         return t.main.form()["lblDate"].caption + " " +
                std::to_string(t.fake.CallsStartingWith("Memory.Claim").size());
       },
       "開放完了 10"},
      {"refused total, dialog closed and opened again",
       [](NestedLoopTest& t) {
         t.Open();
         t.form().SetCaption(t.C("RTUl"), "abc");
       },
       [](NestedLoopTest& t) { t.Press("Command6"); },
       "Message owner=frmSetup",
       [](NestedLoopTest& t) { t.CloseAndReopenSettings(); },
       "unload frmSetup|load frmSetup",
       {"frmSetup"},
       [](NestedLoopTest& t) {
         return t.SettingsNow({"RTUl"}) +
                " writes=" + std::to_string(t.fake.CallsStartingWith("Store.Write").size());
       },
       "shown RTUl= writes=0"},
      {"refused total, 設定 chosen again",
       [](NestedLoopTest& t) {
         t.Open();
         t.form().SetCaption(t.C("RTUl"), "abc");
       },
       [](NestedLoopTest& t) { t.Press("Command6"); },
       "Message owner=frmSetup",
       [](NestedLoopTest& t) { t.Choose("MntrCstmz"); },
       "forward frmSetup",
       {"frmSetup"},
       [](NestedLoopTest& t) { return t.SettingsNow({"RTUl"}); },
       "shown RTUl=abc"},
      {"totals help",
       [](NestedLoopTest& t) { t.Open(); },
       [](NestedLoopTest& t) { t.Click("Label30"); },
       "Message owner=frmSetup",
       [](NestedLoopTest& t) { t.CloseAndReopenSettings(); },
       "unload frmSetup|load frmSetup",
       {"frmSetup"},
       [](NestedLoopTest& t) { return t.SettingsNow({}); },
       "shown"},
      {"colour picker",
       [](NestedLoopTest& t) {
         t.Open();
         t.fake.colour_choices = {255};
       },
       [](NestedLoopTest& t) { t.Press("Command14"); },
       "Pickers.Colour owner=frmSetup initial=12632256",
       [](NestedLoopTest& t) { t.CloseAndReopenSettings(); },
       "unload frmSetup|load frmSetup",
       {},
       [](NestedLoopTest& t) {
         return t.SettingsNow({"TimeClor", "CSet"});
       },
       "shown TimeClor= CSet="},
      {"picture picker",
       [](NestedLoopTest& t) {
         t.Open();
         t.fake.picture_files = {{"a.bmp", 5}};
         t.fake.file_choices = {"a.bmp"};
       },
       [](NestedLoopTest& t) { t.Press("Command23"); },
       "Pickers.File owner=frmSetup",
       [](NestedLoopTest& t) { t.CloseAndReopenSettings(); },
       "unload frmSetup|load frmSetup",
       {},
       [](NestedLoopTest& t) {
         return t.SettingsNow({"CpuImg", "GrpSW"}) +
                " loads=" + std::to_string(t.fake.CallsStartingWith("Picture.Load").size());
       },
       "shown CpuImg= GrpSW= loads=0"},
      {"unreadable picture",
       [](NestedLoopTest& t) {
         t.Open();
         t.fake.file_choices = {"bad.png"};
       },
       [](NestedLoopTest& t) { t.Press("Command23"); },
       "Message owner=frmSetup",
       [](NestedLoopTest& t) { t.CloseAndReopenSettings(); },
       "unload frmSetup|load frmSetup",
       {"frmSetup"},
       [](NestedLoopTest& t) { return t.SettingsNow({"CpuImg"}); },
       "shown CpuImg="},
      {"font picker",
       [](NestedLoopTest& t) {
         t.fake.version = platform::WindowsVersion{5, 1};  // the only ones with the picker
         t.Open();
         t.fake.font_choices = {{"Arial", 20, true, false}};
       },
       [](NestedLoopTest& t) { t.Press("Command17"); },
       "Pickers.Font owner=frmSetup",
       [](NestedLoopTest& t) { t.CloseAndReopenSettings(); },
       "unload frmSetup|load frmSetup",
       {},
       [](NestedLoopTest& t) {
         return t.SettingsNow({"ClFntN", "FSize"});
       },
       "shown ClFntN= FSize="},
  };
  for (const Row& row : rows) {
    NestedLoopTest& t = *this;
    row.open(t);
    fake.calls.clear();
    fake.messages.clear();
    fake.message_owners.clear();
    std::string waited;
    // The user acts in the loop the row names; earlier ones are answered.
    std::function<void(const std::string&)> user = [&](const std::string& call) {
      if (call.rfind(row.waits_in, 0) != 0) {
        fake.while_waiting = user;
        return;
      }
      waited = call;
      row.meanwhile(t);
    };
    fake.while_waiting = user;
    TakeEvents();
    row.act(t);
    // The loop comes back to the top: what was unloaded is freed now.
    windows().Collect();
    EXPECT_FALSE(waited.empty()) << row.name;
    std::string events;
    for (const std::string& event : TakeEvents()) events += (events.empty() ? "" : "|") + event;
    EXPECT_EQ(events, row.events) << row.name;
    EXPECT_EQ(fake.message_owners, row.boxes) << row.name;
    EXPECT_EQ(row.sees(t), row.expected) << row.name;
    // And the program runs on: the version dialog still opens.
    Choose("verInfo");
    EXPECT_TRUE(windows().IsLoaded("frmVInfo")) << row.name;
    windows().Unload("frmVInfo");
    windows().Unload("frmDTMnMenu");
    windows().Unload("frmSetup");
    windows().Unload("frmMClr");
    windows().Collect();
    fake.version = platform::WindowsVersion{6, 1};
    fake.while_waiting = nullptr;
  }
}

// After the user's answer the field refused is focused again, but only while
// the dialog that refused it is still the one open.
TEST_F(NestedLoopTest, ARefusedFieldIsFocusedOnlyInADialogStillOpen) {
  for (const bool reopened : {false, true}) {
    SettingsDialog& first = Open();
    FocusLog focus;
    first.form().Subscribe(&focus);
    form().SetCaption(C("PFUl"), "0");
    fake.while_waiting = [&](const std::string&) {
      if (reopened) CloseAndReopenSettings();
    };
    Press("Command6");
    EXPECT_EQ(focus.focused, reopened ? Strings{} : Strings{"PFUl"}) << reopened;
    EXPECT_EQ(fake.message_owners.back(), "frmSetup");
    windows().Unload("frmSetup");
    windows().Collect();
  }
}

}  // namespace
}  // namespace kelvara::testing
