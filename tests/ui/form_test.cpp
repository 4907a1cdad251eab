// The form model on its own: frames inside frames, what a frame passes on to
// what it holds, and the values the user can change with their events.
#include "ui/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/controls.h"

namespace kelvara::ui {
namespace {

using Strings = std::vector<std::string>;

const Font kFont{kGothicFont, 9, false, false};

std::vector<Control> Design() {
  std::vector<Control> rows = {
      MakeFrame("fraOuter", "表示", {600, 300, 4000, 3000}, kFont),
      MakeComboBox("cboLoose", "", {120, 3600, 1500, 300}, kFont, {"一", "二", "三"}),
      MakeShape("shpOrphan", {90, 90, 100, 100}, 0),
      MakeFrame("fraA", "", {100, 200, 1000, 1000}, kFont),
      MakeFrame("fraB", "", {10, 20, 500, 500}, kFont),
  };
  rows[2].container = "fraMissing";
  rows[3].container = "fraB";  // each in the other: one of them must give way
  rows[4].container = "fraA";
  for (Control& c :
       Within("fraOuter", {MakeFrame("fraInner", "時計", {300, 450, 2000, 1500}, kFont),
                           MakeTextField("txtDays", "7", {2400, 300, 1200, 300}, kFont),
                           MakeLine("linRule", 0, 15, 600, 15, 0)})) {
    rows.push_back(std::move(c));
  }
  for (Control& c :
       Within("fraInner",
              {MakeCheckBox("chkSeconds", "秒", {120, 240, 1200, 300}, kFont),
               MakeLabel("lblNote", "注", {120, 600, 900, 255}, Alignment::kLeft, kFont, 0),
               MakePicture("imgIn", {0, 0, 10, 10}, "", false)})) {
    rows.push_back(std::move(c));
  }
  rows.push_back(MakeLabel("lblInLabel", "", {5, 5, 5, 5}, Alignment::kLeft, kFont, 0));
  rows.back().container = "lblNote";  // not a frame: it lies on the window
  return rows;
}

FormWindow Window() {
  FormWindow w;
  w.back = Rgb(255, 255, 255);
  return w;
}

// Every notification and event, in order.
class Log final : public FormObserver {
 public:
  explicit Log(Form& form) {
    form.Subscribe(this);
    for (const Control& c : form.controls()) {
      Control& control = form[c.name];
      const std::string name = c.name;
      control.on_click = [this, &control, name] {
        lines.push_back(name + " click " + (control.checked ? "on" : "off"));
      };
      control.on_change = [this, &control, name] {
        lines.push_back(name + " change " + control.caption);
      };
      control.on_select = [this, &control, name] {
        lines.push_back(name + " select " + std::to_string(control.selected));
      };
    }
  }
  void ControlChanged(const Form&, const Control& c, const Rect&) override {
    lines.push_back(c.name + " changed");
  }
  void FormChanged(const Form&) override { lines.push_back("window changed"); }

  Strings lines;
};

class FormTest : public ::testing::Test {
 protected:
  Form form{"frmOption", Window(), Design()};
  Log log{form};
};

TEST_F(FormTest, PlacesAddUpThroughEveryFrameAround) {
  const struct {
    const char* name;
    Rect window_rect;
    std::string container;
  } cases[] = {
      {"fraOuter", {600, 300, 4000, 3000}, ""},
      {"fraInner", {900, 750, 2000, 1500}, "fraOuter"},
      {"txtDays", {3000, 600, 1200, 300}, "fraOuter"},
      {"chkSeconds", {1020, 990, 1200, 300}, "fraInner"},
      {"lblNote", {1020, 1350, 900, 255}, "fraInner"},
      {"cboLoose", {120, 3600, 1500, 300}, ""},
      {"shpOrphan", {90, 90, 100, 100}, ""},
      {"lblInLabel", {5, 5, 5, 5}, ""},
      {"fraA", {100, 200, 1000, 1000}, ""},  // gave way: on the window
      {"fraB", {110, 220, 500, 500}, "fraA"},
  };
  for (const auto& c : cases) {
    const Control& control = form[c.name];
    EXPECT_EQ(form.WindowRect(control), c.window_rect) << c.name;
    const Control* container = form.Container(control);
    EXPECT_EQ(container ? container->name : "", c.container) << c.name;
  }
  const Control& rule = form["linRule"];
  EXPECT_EQ(form.OriginLeft(rule), 600);
  EXPECT_EQ(form.OriginTop(rule), 300);
  EXPECT_TRUE(form.Holds(form["fraOuter"], form["chkSeconds"]));
  EXPECT_FALSE(form.Holds(form["fraInner"], form["txtDays"]));
  EXPECT_FALSE(form.Holds(form["chkSeconds"], form["chkSeconds"]));
  // Moving a frame moves what it holds.
  form.SetLeft(form["fraInner"], 0);
  EXPECT_EQ(form.WindowRect(form["chkSeconds"]).left, 720);
}

TEST_F(FormTest, AHiddenOrDisabledFrameReachesEverythingInsideIt) {
  const Strings all = {"fraOuter", "fraInner", "txtDays", "chkSeconds", "lblNote", "cboLoose"};
  const struct {
    const char* frame;
    bool hide;
    Strings out;  // the controls no longer shown (usable)
  } cases[] = {
      {"fraInner", true, {"fraInner", "chkSeconds", "lblNote"}},
      {"fraOuter", true, {"fraOuter", "fraInner", "txtDays", "chkSeconds", "lblNote"}},
      {"fraInner", false, {"fraInner", "chkSeconds", "lblNote"}},
      {"fraOuter", false, {"fraOuter", "fraInner", "txtDays", "chkSeconds", "lblNote"}},
  };
  for (const auto& c : cases) {
    Control& frame = form[c.frame];
    c.hide ? form.SetVisible(frame, false) : form.SetEnabled(frame, false);
    Strings out;
    for (const std::string& name : all) {
      const bool in = c.hide ? form.Shown(form[name]) : form.Usable(form[name]);
      if (!in) out.push_back(name);
    }
    EXPECT_EQ(out, c.out) << c.frame << (c.hide ? " hidden" : " disabled");
    // What the contents say of themselves is untouched, and comes back.
    EXPECT_TRUE(form["chkSeconds"].visible && form["chkSeconds"].enabled);
    c.hide ? form.SetVisible(frame, true) : form.SetEnabled(frame, true);
    EXPECT_TRUE(form.Shown(form["chkSeconds"]) && form.Usable(form["chkSeconds"]));
  }
}

TEST_F(FormTest, WhatShowsBehindIsTheNearestOpaqueFrameOrTheWindow) {
  EXPECT_EQ(form.BackBehind(form["chkSeconds"]), Rgb(255, 255, 255));
  Control& outer = form["fraOuter"];
  outer.opaque = true;
  outer.back = Rgb(1, 2, 3);
  EXPECT_EQ(form.BackBehind(form["chkSeconds"]), Rgb(1, 2, 3));
  EXPECT_EQ(form.BackBehind(outer), Rgb(255, 255, 255));
}

TEST_F(FormTest, SettersNotifyAndRunEventsOnlyOnARealChange) {
  const struct {
    const char* what;
    void (*act)(Form&);
    Strings lines;
  } cases[] = {
      {"same items",
       [](Form& f) {
         f.SetItems(f["cboLoose"], {"一", "二", "三"});
       },
       {}},
      {"new items", [](Form& f) { f.SetItems(f["cboLoose"], {"一"}); }, {"cboLoose changed"}},
      {"same choice", [](Form& f) { f.SetSelected(f["cboLoose"], -1); }, {}},
      {"no such item", [](Form& f) { f.SetSelected(f["cboLoose"], 3); }, {}},
      {"below the list", [](Form& f) { f.SetSelected(f["cboLoose"], -2); }, {}},
      {"same text", [](Form& f) { f.SetCaption(f["txtDays"], "7"); }, {}},
      {"new text",
       [](Form& f) { f.SetCaption(f["txtDays"], "14"); },
       {"txtDays changed", "txtDays change 14"}},
      {"a label's text has no event",
       [](Form& f) { f.SetCaption(f["lblNote"], "x"); },
       {"lblNote changed"}},
      {"same check", [](Form& f) { f.SetChecked(f["chkSeconds"], false); }, {}},
      {"new check",
       [](Form& f) { f.SetChecked(f["chkSeconds"], true); },
       {"chkSeconds changed", "chkSeconds click on"}},
      {"same lock", [](Form& f) { f.SetLocked(f["txtDays"], false); }, {}},
      {"new lock", [](Form& f) { f.SetLocked(f["txtDays"], true); }, {"txtDays changed"}},
  };
  for (const auto& c : cases) {
    log.lines.clear();
    c.act(form);
    EXPECT_EQ(log.lines, c.lines) << c.what;
  }
}

TEST_F(FormTest, AChoiceSetsTheTextAndTypingLetsTheChoiceGo) {
  Control& combo = form["cboLoose"];
  const struct {
    const char* what;
    void (*act)(Form&, Control&);
    int selected;
    const char* caption;
    Strings lines;
  } steps[] = {
      {"choose",
       [](Form& f, Control& c) { f.SetSelected(c, 1); },
       1,
       "二",
       {"cboLoose changed", "cboLoose select 1"}},
      {"choose again", [](Form& f, Control& c) { f.SetSelected(c, 1); }, 1, "二", {}},
      {"type",
       [](Form& f, Control& c) { f.SetCaption(c, "二十"); },
       -1,
       "二十",
       {"cboLoose changed", "cboLoose change 二十"}},
      {"type an item's text: still no choice",
       [](Form& f, Control& c) { f.SetCaption(c, "三"); },
       -1,
       "三",
       {"cboLoose changed", "cboLoose change 三"}},
      {"choose",
       [](Form& f, Control& c) { f.SetSelected(c, 2); },
       2,
       "三",
       {"cboLoose changed", "cboLoose select 2"}},
      {"a list that keeps the text there keeps the choice",
       [](Form& f, Control& c) {
         f.SetItems(c, {"1", "2", "三", "4"});
       },
       2,
       "三",
       {"cboLoose changed"}},
      {"a list that moves it lets the choice go, not the text",
       [](Form& f, Control& c) { f.SetItems(c, {"三"}); },
       -1,
       "三",
       {"cboLoose changed"}},
      {"choose",
       [](Form& f, Control& c) { f.SetSelected(c, 0); },
       0,
       "三",
       {"cboLoose changed", "cboLoose select 0"}},
      {"choose nothing: the text stays",
       [](Form& f, Control& c) { f.SetSelected(c, -1); },
       -1,
       "三",
       {"cboLoose changed"}},
  };
  for (const auto& s : steps) {
    log.lines.clear();
    s.act(form, combo);
    EXPECT_EQ(combo.selected, s.selected) << s.what;
    EXPECT_EQ(combo.caption, s.caption) << s.what;
    EXPECT_EQ(log.lines, s.lines) << s.what;
  }
}

TEST(FormDesignTest, AChoiceOfTheDesignShowsItsItemAndOneOutsideTheListIsNone) {
  Form form("f", {},
            {MakeComboBox("cboIn", "typed", {}, kFont, {"a", "b"}, 1),
             MakeComboBox("cboOut", "typed", {}, kFont, {"a", "b"}, 2)});
  EXPECT_EQ(form["cboIn"].caption, "b");
  EXPECT_EQ(form["cboOut"].selected, -1);
  EXPECT_EQ(form["cboOut"].caption, "typed");
}

TEST_F(FormTest, AClickTurnsACheckBoxOverBeforeItsHandlerLooks) {
  Control& box = form["chkSeconds"];
  form.Click(box);
  form.Click(box);
  EXPECT_EQ(log.lines, (Strings{"chkSeconds changed", "chkSeconds click on", "chkSeconds changed",
                                "chkSeconds click off"}));
  // Nothing clicks through a disabled or hidden frame.
  log.lines.clear();
  form.SetEnabled(form["fraOuter"], false);
  form.Click(box);
  form.SetEnabled(form["fraOuter"], true);
  form.SetVisible(form["fraInner"], false);
  form.Click(box);
  EXPECT_EQ(log.lines, (Strings{"fraOuter changed", "fraOuter changed", "fraInner changed"}));
  EXPECT_FALSE(box.checked);
}

TEST_F(FormTest, TypedCharactersPassTheFilterOfAnUnlockedUsableField) {
  Control& days = form["txtDays"];
  days.key_filter = [](char32_t typed) { return typed >= U'0' && typed <= U'9'; };
  const struct {
    const char* field;
    char32_t typed;
    bool accepted;
  } cases[] = {
      {"txtDays", U'5', true},   {"txtDays", U'a', false}, {"txtDays", U'\b', false},
      {"txtDays", U'５', false}, {"cboLoose", U'a', true}, {"cboLoose", U'\U0001F319', true},
      {"lblNote", U'a', false},  // labels take no typing
  };
  for (const auto& c : cases) {
    EXPECT_EQ(form.Accepts(form[c.field], c.typed), c.accepted)
        << c.field << " " << static_cast<unsigned>(c.typed);
  }
  form.SetLocked(form["cboLoose"], true);
  EXPECT_FALSE(form.Accepts(form["cboLoose"], U'a'));
  form.SetEnabled(form["fraOuter"], false);
  EXPECT_FALSE(form.Accepts(days, U'5'));
}

}  // namespace
}  // namespace kelvara::ui
