#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window/applied_window.h"
#include "main_window/main_window_fixture.h"

namespace kelvara::testing {
namespace {

using Placement = MainWindowTest;

std::string StoredField(const std::string& bytes, const char* name) {
  for (const StoreField& field : kStoreFields) {
    if (field.name == name) return bytes.substr(field.offset, field.width);
  }
  return "?";
}

TEST_F(Placement, DefaultPositionIsNearTheTopRightCorner) {
  const struct {
    platform::ScreenSize screen;
    float top, left;
  } cases[] = {
      {{15360, 11520}, 886.15387f, 11380},  // 1024 x 768 pixels
      {{28800, 16200}, 1246.1538f, 24820},  // 1920 x 1080
      {{12000, 9000}, 692.3077f, 8020},     // 800 x 600
  };
  for (const auto& c : cases) {
    FakePlatform local;
    local.screen = c.screen;
    MainWindow w(local.platform());
    w.Form_Load();
    EXPECT_EQ(w.form().window().rect.top, c.top) << c.screen.height;
    EXPECT_EQ(w.form().window().rect.left, c.left) << c.screen.width;
  }
}

TEST_F(Placement, SavedPositionIsTheLeadingNumberOfTheText) {
  const struct {
    const char *top, *left;
    float expected_top, expected_left;
  } cases[] = {
      {"-150", "11385", -150, 11385},    {"886.15", "-2000", 886.15f, -2000},
      {"12abc", "", 12, 11380},          {"abc", "x", 0, 0},
      {"", "100.5", 886.15387f, 100.5f},
  };
  for (const auto& c : cases) {
    AppliedWindow w({.WTop = c.top, .WLeft = c.left});
    EXPECT_EQ(w.window.form().window().rect.top, c.expected_top) << c.top;
    EXPECT_EQ(w.window.form().window().rect.left, c.expected_left) << c.left;
  }
}

TEST_F(Placement, AWindowOffEveryScreenStartsOnTheNearestFullyVisible) {
  // The window is 3630 x 4245 twips. A second screen, 1280 x 720 pixels, lies
  // right of the 1024 x 768 primary one.
  const std::vector<platform::ScreenArea> one{{0, 0, 15360, 11520}};
  const std::vector<platform::ScreenArea> two{{0, 0, 15360, 11520}, {15360, 0, 19200, 10800}};
  const struct {
    const char* why;
    std::vector<platform::ScreenArea> screens;
    const char *top, *left;
    float expected_top, expected_left;
  } cases[] = {
      {"far off, up right", one, "-99999", "99999999", 0, 11730},
      {"far off, down left", one, "99999", "-99999", 7275, 0},
      {"partly above: kept", one, "-150", "11385", -150, 11385},
      {"one twip showing: kept", one, "-4244", "-3629", -4244, -3629},
      {"bottom edge on the top edge", one, "-4245", "100", 0, 100},
      {"left edge on the right edge", one, "500", "15360", 500, 11730},
      {"beyond the second screen", two, "500", "40000", 500, 30930},
      {"below the second screen", two, "20000", "20000", 6555, 20000},
      {"left of the primary", two, "500", "-10000", 500, 0},
      {"no screens known: left alone", {}, "-99999", "99999999", -99999, 99999999.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    FakePlatform local;
    local.screen_areas = c.screens;
    local.files[local.current_directory + "\\UsrData\\" + local.user_name + ".qmx"] =
        EncodeRecord({.WTop = c.top, .WLeft = c.left});
    MainWindow w(local.platform());
    w.Form_Load();
    EXPECT_EQ(w.form().window().rect.top, c.expected_top);
    EXPECT_EQ(w.form().window().rect.left, c.expected_left);
    // The stored place stays until the user saves a new one.
    EXPECT_EQ(w.Text("WTop"), c.top);
    EXPECT_EQ(w.Text("WLeft"), c.left);
    w.form().SetWindowLeft(1);
    w.form().Press("cmdFstPstn");
    EXPECT_EQ(w.form().window().rect.left, c.expected_left);
  }
}

TEST_F(Placement, DragMovesByThePointersOffsetFromTheGrabPoint) {
  StartFresh();
  form().SetWindowLeft(1000);
  form().SetWindowTop(2000);
  const ui::Control& handle = control("PstnMove");
  handle.on_mouse_down(1, 0, 100.4f, 200.6f);  // grab point 100, 201
  handle.on_mouse_move(1, 0, 150, 180);
  EXPECT_EQ(form().window().rect.left, 1050.0f);
  EXPECT_EQ(form().window().rect.top, 1979.0f);
  handle.on_mouse_move(1, 1, 100.25f, 201);  // shift held too: still a drag
  EXPECT_EQ(form().window().rect.left, 1050.25f);
  EXPECT_EQ(form().window().rect.top, 1979.0f);
}

TEST_F(Placement, GrabPointRoundsHalvesToEvenWithinSixteenBits) {
  const struct {
    float x, y;
    float left, top;  // after a move to (0, 0) from (0, 0)
  } cases[] = {
      {0.5f, 1.5f, -0.0f, -2},
      {2.5f, -2.5f, -2, 2},
      {-0.6f, 7.49f, 1, -7},
      {40000, -40000, -32767, 32768},
  };
  for (const auto& c : cases) {
    FakePlatform local;
    MainWindow w(local.platform());
    w.form().SetWindowLeft(0);
    w.form().SetWindowTop(0);
    w.PstnMove_MouseDown(1, 0, c.x, c.y);
    w.PstnMove_MouseMove(1, 0, 0, 0);
    EXPECT_EQ(w.form().window().rect.left, c.left) << c.x;
    EXPECT_EQ(w.form().window().rect.top, c.top) << c.y;
  }
}

TEST_F(Placement, OnlyTheLeftButtonAloneDrags) {
  for (int button : {0, 2, 3, 4, 5}) {
    FakePlatform local;
    MainWindow w(local.platform());
    w.form().SetWindowLeft(500);
    w.form().SetWindowTop(600);
    w.PstnMove_MouseDown(1, 0, 10, 10);
    w.PstnMove_MouseDown(button, 0, 300, 300);  // does not move the grab point
    w.PstnMove_MouseMove(button, 0, 50, 70);
    EXPECT_EQ(w.form().window().rect, (ui::Rect{500, 600, 3630, 3675})) << button;
    w.PstnMove_MouseMove(1, 0, 50, 70);
    EXPECT_EQ(w.form().window().rect, (ui::Rect{540, 660, 3630, 3675})) << button;
  }
}

TEST_F(Placement, DragHasNoBoundsAndTheSavedPositionKeepsIt) {
  StartFresh();
  form().SetWindowLeft(100);
  form().SetWindowTop(100);
  window().PstnMove_MouseDown(1, 0, 240, 240);
  window().PstnMove_MouseMove(1, 0, -600, -10);
  EXPECT_EQ(form().window().rect.left, -740.0f);
  EXPECT_EQ(form().window().rect.top, -150.0f);
  form().Press("cmdPstnSave");
  EXPECT_EQ(text("WLeft"), "-740");
  EXPECT_EQ(text("WTop"), "-150");
  form().Press("cmdReset");
  EXPECT_EQ(form().window().rect.left, -740.0f);
  EXPECT_EQ(form().window().rect.top, -150.0f);
}

TEST_F(Placement, SaveWritesLeftThenTopAndTheWholeRecord) {
  StartFresh();
  form().SetWindowLeft(11385);
  form().SetWindowTop(-150);
  window().SetText("TimeClor", "255");  // keeps the save from touching other fields
  ChangeLog log;
  form().Subscribe(&log);
  form().Press("cmdPstnSave");
  form().Subscribe(nullptr);
  EXPECT_EQ(log.changes, (std::vector<std::string>{"WLeft", "WTop"}));
  EXPECT_EQ(fake.calls, std::vector<std::string>{"Store.Write " + StorePath()});
  const std::string& bytes = fake.files.at(StorePath());
  EXPECT_EQ(StoredField(bytes, "WTop"), "-150  ");
  EXPECT_EQ(StoredField(bytes, "WLeft"), "11385   ");
  EXPECT_EQ(StoredField(bytes, "BClor"), "12632246" + std::string(22, ' '));
}

TEST_F(Placement, ALongTopIsCutWhenSavedAndRestoredFromTheCutText) {
  StartFresh();  // default top 886.15387
  form().Press("cmdPstnSave");
  EXPECT_EQ(text("WTop"), "886.1539");
  EXPECT_EQ(StoredField(fake.files.at(StorePath()), "WTop"), "886.15");

  form().Press("cmdFstPstn");  // still the whole text in the window
  EXPECT_EQ(form().window().rect.top, 886.1539f);
  form().Press("cmdReset");  // read back from the file
  EXPECT_EQ(text("WTop"), "886.15");
  EXPECT_EQ(form().window().rect.top, 886.15f);
  form().SetWindowTop(0);
  form().Press("cmdFstPstn");
  EXPECT_EQ(form().window().rect.top, 886.15f);
  EXPECT_EQ(form().window().rect.left, 11380.0f);
}

TEST_F(Placement, BackToTheSavedPositionUndoesADrag) {
  const SettingsRecord stored{.WTop = "300", .WLeft = "400"};
  StartWith(&stored);
  window().PstnMove_MouseDown(1, 0, 0, 0);
  window().PstnMove_MouseMove(1, 0, 77, 88);
  form().Press("cmdFstPstn");
  EXPECT_EQ(form().window().rect.top, 300.0f);
  EXPECT_EQ(form().window().rect.left, 400.0f);
  EXPECT_TRUE(fake.CallsStartingWith("Store.").empty()) << "nothing is saved";

  window().SetText("WTop", "");
  window().SetText("WLeft", "");
  form().Press("cmdFstPstn");
  EXPECT_EQ(form().window().rect.top, 886.15387f);
  EXPECT_EQ(form().window().rect.left, 11380.0f);
}

TEST_F(Placement, HeightsByPurposeAndPageFileSwitch) {
  const struct {
    const char* page_file;
    float editing, after_save, after_return;
  } cases[] = {
      {"on", 4890, 4245, 4245},  {"", 4890, 4245, 4245},
      {"off", 4350, 3630, 3630}, {"ON", 1000, 1000, 1000},  // any other text: unchanged
      {" on", 1000, 1000, 1000},
  };
  for (const auto& c : cases) {
    AppliedWindow w({.PFVw = c.page_file});
    ui::Form& form = w.window.form();
    form.SetWindowHeight(1000);
    w.window.EnterPositionEditing();
    EXPECT_EQ(form.window().rect.height, c.editing) << c.page_file;
    form.Press("cmdPstnSave");
    EXPECT_EQ(form.window().rect.height, c.after_save) << c.page_file;
    form.SetWindowHeight(1000);
    w.window.EnterPositionEditing();
    form.Press("cmdFstPstn");
    EXPECT_EQ(form.window().rect.height, c.after_return) << c.page_file;
  }
}

struct RowTop {
  const char* control;
  float shown, hidden;
};
const std::vector<RowTop> kRowTops = {
    {"Label3", 3165, 2565},     {"DiskTime", 3120, 2520}, {"DiskTotal", 3120, 2520},
    {"DscI", 3120, 2520},       {"lblDPer", 3405, 2805},  {"Label4", 3660, 3060},
    {"DSpce", 3720, 3120},      {"DspI", 3720, 3120},     {"DSTotal", 3720, 3120},
    {"lblDSPer", 4005, 3405},   {"PstnMove", 4305, 3825}, {"cmdPstnSave", 4350, 3870},
    {"cmdFstPstn", 4350, 3870},
};
const std::vector<std::string> kPageFileRow = {"Label7",   "PFT",      "PFTotal", "PFI",
                                               "lblPFPer", "lblPTime", "Label8",  "lblPTotal"};

TEST_F(Placement, PageFileRowLayouts) {
  const struct {
    const char* page_file;
    bool row_shown;
    float height;
  } cases[] = {{"off", false, 3675}, {"on", true, 4245}, {"", true, 4245}};
  AppliedWindow w({.PFVw = "on"});
  for (const auto& c : cases) {
    w.Reapply({.PFVw = c.page_file});
    for (const RowTop& row : kRowTops) {
      EXPECT_EQ(w[row.control].rect.top, c.row_shown ? row.shown : row.hidden)
          << c.page_file << " " << row.control;
    }
    for (const std::string& name : kPageFileRow) {
      EXPECT_EQ(w[name.c_str()].visible, c.row_shown) << c.page_file << " " << name;
    }
    EXPECT_EQ(w.window.form().window().rect.height, c.height) << c.page_file;
  }
  // Another switch text leaves the last layout.
  w.Reapply({.PFVw = "off"});
  w.Reapply({.PFVw = "非表示"});
  EXPECT_EQ(w["Label3"].rect.top, 2565.0f);
  EXPECT_FALSE(w["Label7"].visible);
  EXPECT_EQ(w.window.form().window().rect.height, 3675.0f);
}

TEST_F(Placement, LayoutsMoveInTheirOrder) {
  std::vector<std::string> tops;
  for (const RowTop& row : kRowTops) tops.push_back(row.control);
  AppliedWindow w({.PFVw = "on"});
  ChangeLog log;
  w.window.form().Subscribe(&log);
  w.window.form().Press("Command2");
  std::vector<std::string> expected = kPageFileRow;
  expected.insert(expected.end(), tops.begin(), tops.end());
  expected.push_back("window shown");
  EXPECT_EQ(log.changes, expected) << "the row is hidden first, then the tops move";

  log.changes.clear();
  w.window.form().Press("Command1");
  w.window.form().Subscribe(nullptr);
  expected = tops;
  expected.insert(expected.end(), kPageFileRow.begin(), kPageFileRow.end());
  expected.push_back("window shown");
  EXPECT_EQ(log.changes, expected) << "the tops move first, then the row is shown";
}

}  // namespace
}  // namespace kelvara::testing
