#include "ui/window_set.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "program/program_fixture.h"

namespace kelvara::testing {
namespace {

using Strings = std::vector<std::string>;

// A window that counts its loads and lives, and can unload itself.
struct Counted final : ui::Window {
  Counted(ui::WindowSet& set, int& alive, Strings& steps, const bool& close_in_load)
      : set_(set),
        alive_(alive),
        steps_(steps),
        close_in_load_(close_in_load),
        form_("frmCount", {}, {}) {
    ++alive_;
  }
  ~Counted() override { --alive_; }
  ui::Form& form() override { return form_; }
  void Form_Load() override {
    steps_.push_back(std::string("load step, loaded=") +
                     (set_.IsLoaded("frmCount") ? "yes" : "no"));
    if (close_in_load_) set_.Unload("frmCount");
  }
  void CloseSelf() {
    set_.Unload(*this);
    steps_.push_back("still here: " + form_.name() + (loaded() ? ", loaded" : ", unloaded"));
  }

  ui::WindowSet& set_;
  int& alive_;
  Strings& steps_;
  const bool& close_in_load_;
  ui::Form form_;
};

class WindowSetTest : public ::testing::Test {
 protected:
  WindowSetTest() {
    set.Register("frmCount",
                 [this] { return std::make_unique<Counted>(set, alive, steps, close_in_load); });
    set.Subscribe(&log);
  }
  Counted& Loaded() { return static_cast<Counted&>(*set.Find("frmCount")); }

  ui::WindowSet set;
  WindowLog log;
  int alive = 0;
  Strings steps;
  bool close_in_load = false;
};

TEST_F(WindowSetTest, ShowLoadsOnceAndThenOnlyBringsForward) {
  set.Show("frmCount");
  set.Show("frmCount");
  EXPECT_EQ(log.events, (Strings{"load frmCount", "forward frmCount"}));
  EXPECT_EQ(steps, Strings{"load step, loaded=yes"});
  EXPECT_TRUE(Loaded().form().window().visible);
  EXPECT_EQ(alive, 1);
}

TEST_F(WindowSetTest, LoadAloneKeepsTheWindowHidden) {
  set.Load("frmCount");
  set.Load("frmCount");
  EXPECT_EQ(log.events, Strings{"load frmCount"});
  EXPECT_FALSE(Loaded().form().window().visible);
}

TEST_F(WindowSetTest, UnloadingWhatIsNotLoadedDoesNothing) {
  set.Unload("frmCount");
  set.Show("frmCount");
  set.Unload("frmCount");
  set.Unload("frmCount");
  EXPECT_EQ(log.events, (Strings{"load frmCount", "unload frmCount"}));
  EXPECT_FALSE(set.IsLoaded("frmCount"));
  EXPECT_EQ(set.Find("frmCount"), nullptr);
}

TEST_F(WindowSetTest, AnUnloadedWindowLivesUntilTheLoopCollectsItWhateverLoadsMeanwhile) {
  set.Show("frmCount");
  Counted& first = Loaded();
  first.CloseSelf();
  EXPECT_EQ(steps.back(), "still here: frmCount, unloaded");
  set.Show("frmCount");
  Counted& second = Loaded();
  EXPECT_NE(&first, &second);
  EXPECT_EQ(alive, 2);
  // The first one's handler, resuming late, must not close its successor.
  first.CloseSelf();
  EXPECT_TRUE(set.IsLoaded("frmCount"));
  EXPECT_TRUE(second.loaded());
  set.Collect();
  EXPECT_EQ(alive, 1);
  second.CloseSelf();
  EXPECT_EQ(alive, 1);
  set.Collect();
  EXPECT_EQ(alive, 0);
  EXPECT_EQ(log.events,
            (Strings{"load frmCount", "unload frmCount", "load frmCount", "unload frmCount"}));
}

TEST_F(WindowSetTest, AWindowClosedByItsOwnLoadStepIsNotShown) {
  close_in_load = true;
  set.Show("frmCount");
  close_in_load = false;
  EXPECT_EQ(log.events, (Strings{"load frmCount", "unload frmCount"}));
  EXPECT_FALSE(set.IsLoaded("frmCount"));
  set.Show("frmCount");
  EXPECT_TRUE(Loaded().form().window().visible);
}

TEST_F(WindowSetTest, AnUnknownNameIsAProgrammingError) {
  EXPECT_THROW(set.Show("frmNone"), std::out_of_range);
  EXPECT_FALSE(set.IsLoaded("frmNone"));
  EXPECT_EQ(set.Find("frmNone"), nullptr);
}

TEST(MenuModel, OnlyACommandTheUserCanReachRuns) {
  const struct {
    const char* case_name;
    bool submenu_visible, submenu_enabled, command_visible, command_enabled;
    bool runs;
  } cases[] = {
      {"reachable", true, true, true, true, true},
      {"hidden command", true, true, false, true, false},
      {"disabled command", true, true, true, false, false},
      {"hidden submenu", false, true, true, true, false},
      {"disabled submenu", true, false, true, true, false},
  };
  for (const auto& c : cases) {
    int runs = 0;
    ui::MenuItem command{"Cmd",          "コマンド", {}, c.command_visible, c.command_enabled,
                         [&] { ++runs; }};
    ui::MenuItem submenu{"Sub", "サブ", {command}, c.submenu_visible, c.submenu_enabled, {}};
    ui::Menu menu(ui::MenuItem{"Root", "Root", {submenu}, true, true, {}});
    EXPECT_EQ(menu.Choose("Cmd"), c.runs) << c.case_name;
    EXPECT_EQ(runs, c.runs ? 1 : 0) << c.case_name;
  }
}

TEST(MenuModel, AMissingItemIsAProgrammingError) {
  ui::Menu menu(ui::MenuItem{"Root", "Root", {}, true, true, {}});
  EXPECT_THROW(menu["Nothing"], std::out_of_range);
  EXPECT_EQ(menu.Find("Nothing"), nullptr);
  EXPECT_FALSE(menu.Choose("Nothing"));
}

}  // namespace
}  // namespace kelvara::testing
