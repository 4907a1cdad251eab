// The tray icon kept in a shell that loses it, restarts or starts late.
#include "platform/tray_keeper.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace kelvara::platform {
namespace {

// A shell with room for one icon: an add fails while it has one, a modify
// or delete while it has none, everything while it is down.
class ScriptedShell final : public TrayShell {
 public:
  bool Add(const TrayIconData& data) override { return Call("add", data, !has_icon, true); }
  bool Modify(const TrayIconData& data, TrayChange change) override {
    changes.push_back(change);
    return Call("modify", data, has_icon, true);
  }
  bool Delete(const TrayIconData& data) override { return Call("delete", data, has_icon, false); }
  void ScheduleRetry(bool armed) override { calls.push_back(armed ? "retry on" : "retry off"); }

  bool up = true;
  bool has_icon = false;
  std::vector<std::string> calls;
  std::vector<TrayChange> changes;  // what each modify sent

 private:
  bool Call(const char* what, const TrayIconData& data, bool possible, bool icon_after) {
    calls.push_back(std::string(what) + " " + data.tip.data());
    if (!up || !possible) return false;
    has_icon = icon_after;
    return true;
  }
};

TrayIconData Tip(const char* text) {
  TrayIconData data;
  std::copy_n(text, std::char_traits<char>::length(text), data.tip.begin());
  return data;
}

using Calls = std::vector<std::string>;

TEST(TrayKeeperTest, ALostIconComesBackOnceWhicheverSignOfTheLossComesFirst) {
  struct Case {
    const char* order;
    bool tick_first;
    Calls after_loss;
  };
  const Case cases[] = {
      {"a failing modify, then TaskbarCreated",
       true,
       {"modify b", "delete b", "add b", "modify b"}},
      {"TaskbarCreated, then a modify", false, {"modify a", "delete a", "add a", "modify b"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.order);
    ScriptedShell shell;
    TrayKeeper keeper(shell);
    keeper.Notify(TrayCommand::kAdd, Tip("a"));
    ASSERT_TRUE(shell.has_icon);
    shell.has_icon = false;  // the shell forgets it
    shell.calls.clear();
    if (c.tick_first) {
      keeper.Notify(TrayCommand::kModify, Tip("b"));
      keeper.TaskbarCreated();
    } else {
      keeper.TaskbarCreated();
      keeper.Notify(TrayCommand::kModify, Tip("b"));
    }
    shell.calls.erase(std::remove(shell.calls.begin(), shell.calls.end(), "retry off"),
                      shell.calls.end());
    EXPECT_EQ(shell.calls, c.after_loss);
    EXPECT_TRUE(shell.has_icon);
    EXPECT_TRUE(keeper.shown());
  }
}

TEST(TrayKeeperTest, TheIconStaysPutThroughTicksAndAnnouncementsWhileTheShellHasIt) {
  ScriptedShell shell;
  TrayKeeper keeper(shell);
  keeper.Notify(TrayCommand::kAdd, Tip("a"));
  shell.calls.clear();
  keeper.Notify(TrayCommand::kModify, Tip("a"));  // the same tip: nothing to tell
  keeper.Notify(TrayCommand::kModify, Tip("b"));
  keeper.TaskbarCreated();
  EXPECT_EQ(shell.calls, (Calls{"modify b", "modify b"}));
}

TEST(TrayKeeperTest, AShellStillStartingIsTriedAgainUntilItTakesTheIconOrTheTriesRunOut) {
  ScriptedShell shell;
  shell.up = false;
  TrayKeeper keeper(shell);
  keeper.Notify(TrayCommand::kAdd, Tip("a"));
  EXPECT_EQ(shell.calls, (Calls{"delete a", "add a", "retry on"}));
  keeper.Notify(TrayCommand::kModify, Tip("b"));  // waits for the retry
  keeper.RetryTimer();
  shell.up = true;
  shell.calls.clear();
  keeper.RetryTimer();
  EXPECT_EQ(shell.calls, (Calls{"delete b", "add b", "retry off"}));
  EXPECT_TRUE(keeper.shown());

  ScriptedShell never;
  never.up = false;
  TrayKeeper hopeless(never);
  hopeless.Notify(TrayCommand::kAdd, Tip("a"));
  for (int i = 1; i < TrayKeeper::kMostRetries; ++i) hopeless.RetryTimer();
  never.calls.clear();
  hopeless.RetryTimer();
  EXPECT_EQ(never.calls, (Calls{"retry off"}));
}

TEST(TrayKeeperTest, ARemovedIconStaysRemovedAndTheKeeperRemovesItsOwnAtTheEnd) {
  ScriptedShell shell;
  {
    TrayKeeper keeper(shell);
    keeper.Notify(TrayCommand::kAdd, Tip("a"));
    keeper.Notify(TrayCommand::kDelete, Tip("a"));
    shell.calls.clear();
    keeper.TaskbarCreated();
    keeper.RetryTimer();
    EXPECT_EQ(shell.calls, (Calls{"retry off"}));
    EXPECT_FALSE(shell.has_icon);
    keeper.Notify(TrayCommand::kAdd, Tip("c"));
    shell.calls.clear();
  }
  EXPECT_EQ(shell.calls, (Calls{"delete c"}));
  EXPECT_FALSE(shell.has_icon);
}

TEST(TrayKeeperTest, ATipChangeSendsOnlyTheTipAndAnyOtherChangeTheWholeRecord) {
  struct Case {
    const char* what;
    void (*change)(TrayIconData&);
    TrayChange sent;
  };
  const Case cases[] = {
      {"a new tip", [](TrayIconData& d) { d.tip[0] = 'b'; }, TrayChange::kTip},
      {"a new tip and flags",
       [](TrayIconData& d) {
         d.tip[0] = 'b';
         d.flags = 3;
       },
       TrayChange::kAll},
      {"new flags, the same tip", [](TrayIconData& d) { d.flags = 3; }, TrayChange::kAll},
      {"a new callback message", [](TrayIconData& d) { d.callback_message = 513; },
       TrayChange::kAll},
      {"a new id", [](TrayIconData& d) { d.id = 2; }, TrayChange::kAll},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedShell shell;
    TrayKeeper keeper(shell);
    keeper.Notify(TrayCommand::kAdd, Tip("a"));
    TrayIconData next = Tip("a");
    c.change(next);
    keeper.Notify(TrayCommand::kModify, next);
    EXPECT_EQ(shell.changes, std::vector<TrayChange>{c.sent});
    EXPECT_EQ(keeper.last(), next);
  }
}

TEST(TrayKeeperTest, TaskbarCreatedSendsTheWholeRecordAndALostTipChangeReAddsIt) {
  ScriptedShell shell;
  TrayKeeper keeper(shell);
  keeper.Notify(TrayCommand::kAdd, Tip("a"));
  keeper.Notify(TrayCommand::kModify, Tip("b"));
  // The announcement comes with a new taskbar scale too: the icon goes again.
  keeper.TaskbarCreated();
  EXPECT_EQ(shell.changes, (std::vector<TrayChange>{TrayChange::kTip, TrayChange::kAll}));

  shell.has_icon = false;
  shell.calls.clear();
  keeper.Notify(TrayCommand::kModify, Tip("c"));
  EXPECT_EQ(shell.calls, (Calls{"modify c", "delete c", "add c", "retry off"}));
  EXPECT_TRUE(shell.has_icon);
}

}  // namespace
}  // namespace kelvara::platform
