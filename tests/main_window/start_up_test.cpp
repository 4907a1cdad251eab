#include <gtest/gtest.h>

#include <algorithm>

#include "main_window/main_window_fixture.h"
#include "text/cp932.h"

namespace kelvara::testing {
namespace {

using StartUp = MainWindowTest;

TEST_F(StartUp, SecondInstanceShowsTheMessageAndEndsBeforeAnythingElse) {
  fake.another_instance = true;
  window().Form_Load();
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"AnotherInstanceRunning", "Message", "Quit"}));
  EXPECT_EQ(fake.messages, std::vector<std::string>{"TavoroII|既に起動されています。"});
  EXPECT_TRUE(window().ended());
  EXPECT_FALSE(form().window().visible);
  EXPECT_TRUE(fake.files.empty());
}

TEST_F(StartUp, FirstStartCreatesTheFolderAndAnEmptyStoreInOrder) {
  window().Form_Load();
  const std::string folder = "C:\\Tools\\kelvara\\UsrData";
  const std::string file = folder + "\\taro.qmx";
  EXPECT_EQ(fake.calls,
            (std::vector<std::string>{"AnotherInstanceRunning", "Version", "Tray.Add",
                                      "Store.CreateFolder " + folder, "Memory",
                                      "Store.CreateFile " + file, "Store.Count " + file}));
  EXPECT_EQ(text("CDir"), "C:\\Tools\\kelvara");
  EXPECT_EQ(text("UName"), "taro");
  EXPECT_EQ(text("Fil"), file);
  EXPECT_EQ(fake.files.at(file), "");
  EXPECT_EQ(window().RecCount(), 0);
  EXPECT_EQ(window().RecNo(), 0);
}

TEST_F(StartUp, ExistingFolderIsNotCreatedAgain) {
  fake.folders.push_back("C:\\Tools\\kelvara\\UsrData");
  window().Form_Load();
  EXPECT_TRUE(fake.CallsStartingWith("Store.CreateFolder").empty());
}

// Keeps every state the window passes through.
struct WindowHistory : ui::FormObserver {
  std::vector<ui::FormWindow> states;
  void ControlChanged(const ui::Form&, const ui::Control&, const ui::Rect&) override {}
  void FormChanged(const ui::Form& form) override { states.push_back(form.window()); }
};

TEST_F(StartUp, MakesTheWindowLayeredWithTheStartKeyWhileHidden) {
  WindowHistory history;
  form().Subscribe(&history);
  window().Form_Load();
  form().Subscribe(nullptr);
  const auto first_layered = std::find_if(history.states.begin(), history.states.end(),
                                          [](const ui::FormWindow& w) { return w.layered; });
  ASSERT_NE(first_layered, history.states.end());
  EXPECT_EQ(first_layered->colour_key, 3347759u);
  EXPECT_EQ(first_layered->back, 3347759u);
  EXPECT_EQ(first_layered->rect.width, 3630.0f);
  EXPECT_EQ(first_layered->rect.height, 3675.0f);
  EXPECT_FALSE(first_layered->visible);
}

TEST_F(StartUp, WritesTheDateFieldsAndTheLocaleForms) {
  fake.now = {2026, 1, 7, 8, 5, 3};
  window().Form_Load();
  EXPECT_EQ(text("txtYY"), "2026");
  EXPECT_EQ(text("txtMM"), "1");
  EXPECT_EQ(text("txtDD"), "7");
  EXPECT_EQ(text("txtFDay"), "7");
}

TEST_F(StartUp, RegistersTheTrayIconWithItsTip) {
  window().Form_Load();
  ASSERT_EQ(fake.tray_records.size(), 1u);
  const platform::TrayIconData& data = fake.tray_records[0];
  EXPECT_EQ(data.size, 89u);
  EXPECT_EQ(data.id, 1u);
  EXPECT_EQ(data.flags, 7u);
  EXPECT_EQ(data.callback_message, 512u);
  const std::string expected = std::string("Tavoro\x87\x55", 8);  // Ⅱ in code page 932
  EXPECT_EQ(std::string(data.tip.data(), 8), expected);
  for (std::size_t i = 8; i < data.tip.size(); ++i) EXPECT_EQ(data.tip[i], '\0') << i;
}

TEST_F(StartUp, VersionInTheField) {
  const struct {
    unsigned major, minor;
    const char* text;
  } cases[] = {{5, 1, "5.1"}, {6, 2, "6.2"}, {10, 0, "10.0"}};
  for (const auto& c : cases) {
    FakePlatform local;
    local.version = platform::WindowsVersion{c.major, c.minor};
    MainWindow w(local.platform());
    w.Form_Load();
    EXPECT_EQ(w.Text("OsVer"), c.text);
  }
}

TEST_F(StartUp, FailedVersionQueryStopsWithTheWindowHiddenAndNoIcon) {
  fake.version.reset();
  window().Form_Load();
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"AnotherInstanceRunning", "Version"}));
  EXPECT_FALSE(form().window().visible);
  EXPECT_EQ(text("OsVer"), "");
  EXPECT_EQ(text("Fil"), "");
  EXPECT_FALSE(control("LineS").visible);
  EXPECT_FALSE(control("ClockBk").visible);
}

TEST_F(StartUp, MemoryTotalsUseTheProgramsMegabyte) {
  const struct {
    std::uint64_t physical, page_file;
    const char* ram_total;
    const char* page_total;
    const char* release;
  } cases[] = {
      {1073741824, 2147483648, "1049 MB", "2097 MB", "8015962"},
      // Two gigabytes and more read correctly from the 64-bit status.
      {8589934592, 12884901888, "8389 MB", "12583 MB", "64127693"},
      {400000, 0, " MB", " MB", "2986"},  // rounds to nothing: no digits
  };
  for (const auto& c : cases) {
    FakePlatform local;
    local.memory = platform::MemoryStatus{c.physical, c.physical / 2, c.page_file, 0};
    MainWindow w(local.platform());
    w.Form_Load();
    EXPECT_EQ(w.form()["lblRTotal"].caption, c.ram_total);
    EXPECT_EQ(w.form()["lblPTotal"].caption, c.page_total);
    EXPECT_EQ(w.form()["lblMClr"].caption, c.release);
  }
}

TEST_F(StartUp, UserNameEndsAtTheFirstNul) {
  fake.user_name = std::string("hanako\0junk", 11);
  window().Form_Load();
  EXPECT_EQ(text("UName"), "hanako");
  EXPECT_EQ(text("Fil"), "C:\\Tools\\kelvara\\UsrData\\hanako.qmx");
}

TEST_F(StartUp, StoreLengthDecidesBetweenDefaultsAndTheRecord) {
  const struct {
    std::size_t length;
    int records;
    bool reads;
  } cases[] = {{0, 0, false}, {1097, 0, false}, {1098, 1, true}, {2194, 1, true}, {5485, 2, true}};
  for (const auto& c : cases) {
    FakePlatform local;
    const std::string path = "C:\\Tools\\kelvara\\UsrData\\taro.qmx";
    local.files[path] = std::string(c.length, ' ');
    MainWindow w(local.platform());
    w.Form_Load();
    EXPECT_EQ(w.RecCount(), c.records) << c.length;
    EXPECT_EQ(w.RecNo(), c.reads ? 1 : 0) << c.length;
    EXPECT_EQ(local.CallsStartingWith("Store.Read").size(), c.reads ? 1u : 0u) << c.length;
    EXPECT_EQ(local.CallsStartingWith("Store.MakeNormal").size(), c.reads ? 1u : 0u) << c.length;
  }
}

TEST_F(StartUp, AStoreThatCannotBeOpenedStillEndsInTheDefaults) {
  for (int which = 0; which < 2; ++which) {
    FakePlatform local;
    (which == 0 ? local.fail_create : local.fail_count) = "アクセスが拒否されました";
    MainWindow w(local.platform());
    w.Form_Load();
    EXPECT_EQ(w.RecCount(), 0);
    EXPECT_TRUE(local.CallsStartingWith("Store.Read").empty());
    EXPECT_FALSE(w.ended());
  }
}

TEST_F(StartUp, StoredRecordIsReadTrimmedIntoTheFields) {
  const SettingsRecord stored{.WTop = "-150", .ClFntN = "ＭＳ Ｐゴシック", .ClFntSt = "太字 斜体"};
  StartWith(&stored);
  EXPECT_EQ(text("WTop"), "-150");
  EXPECT_EQ(text("ClFntN"), "ＭＳ Ｐゴシック");
  EXPECT_EQ(text("ClFntSt"), "太字 斜体");
  EXPECT_EQ(text("PFUl"), "");
}

TEST_F(StartUp, CloseRemovesTheIconAndEnds) {
  StartFresh();
  window().cmdClose_Click();
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"Tray.Delete", "Quit"}));
  EXPECT_EQ(fake.tray_records.back().id, 1u);
  EXPECT_TRUE(window().ended());
}

TEST_F(StartUp, UnloadRemovesTheIconOnly) {
  StartFresh();
  window().Form_Unload();
  EXPECT_EQ(fake.calls, std::vector<std::string>{"Tray.Delete"});
  EXPECT_FALSE(fake.quit);
}

}  // namespace
}  // namespace kelvara::testing
