// The form model on its own: frames inside frames, what a frame passes on to
// what it holds, and the values the user can change with their events.
#include "ui/form.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace kelvara::ui {
namespace {

using Strings = std::vector<std::string>;
const Font kFont{kGothicFont, 9, false, false};

Control In(const char* frame, Control c) {
  c.container = frame;
  return c;
}

class FormTest : public ::testing::Test, public FormObserver {
 protected:
  FormTest() {
    form.Subscribe(this);
    for (const Control& row : form.controls()) {
      Control& c = form[row.name];
      c.on_click = [this, &c] { log.push_back(c.name + " click " + (c.checked ? "on" : "off")); };
      c.on_change = [this, &c] { log.push_back(c.name + " change " + c.caption); };
      c.on_select = [this, &c] { log.push_back(c.name + " select " + c.caption); };
    }
  }
  void ControlChanged(const Form&, const Control& c, const Rect&) override {
    log.push_back(c.name + " changed");
  }
  void FormChanged(const Form&) override {}

  Form form{"frmOption",
            {.back = Rgb(255, 255, 255)},
            {
                MakeFrame("fraOuter", "表示", {600, 300, 4000, 3000}, kFont),
                MakeComboBox("cboZone", "", {120, 3600, 1500, 300}, kFont, {"一", "二", "三"}),
                In("fraB", MakeFrame("fraA", "", {100, 200, 1000, 1000}, kFont)),  // each in
                In("fraA", MakeFrame("fraB", "", {10, 20, 500, 500}, kFont)),      // the other
                In("cboZone", MakeLabel("lblLost", "", {5, 5, 5, 5}, Alignment::kLeft, kFont, 0)),
                In("fraOuter", MakeFrame("fraInner", "時計", {300, 450, 2000, 1500}, kFont)),
                In("fraOuter", MakeTextField("txtDays", "7", {2400, 300, 1200, 300}, kFont)),
                In("fraInner", MakeCheckBox("chkSeconds", "秒", {120, 240, 1200, 300}, kFont)),
            }};
  Strings log;
};

TEST_F(FormTest, PlacesAddUpThroughEveryFrameAround) {
  const struct {
    const char* name;
    Rect window_rect;
  } cases[] = {
      {"fraInner", {900, 750, 2000, 1500}},
      {"txtDays", {3000, 600, 1200, 300}},
      {"chkSeconds", {1020, 990, 1200, 300}},
      {"cboZone", {120, 3600, 1500, 300}},
      {"lblLost", {5, 5, 5, 5}},  // its container is no frame
      {"fraA", {100, 200, 1000, 1000}},
      {"fraB", {110, 220, 500, 500}},
  };
  for (const auto& c : cases) EXPECT_EQ(form.WindowRect(form[c.name]), c.window_rect) << c.name;
  EXPECT_EQ(form.OriginTop(form["chkSeconds"]), 750);
  EXPECT_TRUE(form.Holds(form["fraOuter"], form["chkSeconds"]));
  EXPECT_FALSE(form.Holds(form["fraInner"], form["txtDays"]));
  form.SetLeft(form["fraInner"], 0);
  EXPECT_EQ(form.WindowRect(form["chkSeconds"]).left, 720);
  EXPECT_EQ(form.BackBehind(form["chkSeconds"]), Rgb(255, 255, 255));
  form["fraOuter"].opaque = true;
  EXPECT_EQ(form.BackBehind(form["chkSeconds"]), 0u);
}

TEST_F(FormTest, AHiddenOrDisabledFrameReachesEverythingInsideIt) {
  form.SetVisible(form["fraInner"], false);
  form.SetEnabled(form["fraOuter"], false);
  EXPECT_FALSE(form.Shown(form["chkSeconds"]));
  EXPECT_TRUE(form.Shown(form["txtDays"]));
  EXPECT_FALSE(form.Usable(form["txtDays"]));
  EXPECT_TRUE(form.Usable(form["cboZone"]));
  EXPECT_TRUE(form["chkSeconds"].visible && form["txtDays"].enabled);  // their own stay
  form.Click(form["chkSeconds"]);                                      // nothing clicks through
  EXPECT_FALSE(form["chkSeconds"].checked);
}

TEST_F(FormTest, ValuesNotifyAndRunTheirEventsOnlyWhenTheyChange) {
  Control &z = form["cboZone"], &d = form["txtDays"], &b = form["chkSeconds"];
  const struct {
    std::function<void()> act;
    int selected;  // the drop-down's afterwards
    Strings log;
  } steps[] = {
      {[&] { form.SetSelected(z, 1); }, 1, {"cboZone changed", "cboZone select 二"}},
      {[&] { form.SetSelected(z, 1); }, 1, {}},
      {[&] { form.SetSelected(z, 3); }, 1, {}},  // no such item
      {[&] { form.SetCaption(z, "三"); }, -1, {"cboZone changed", "cboZone change 三"}},
      {[&] { form.SetSelected(z, 2); }, 2, {"cboZone changed", "cboZone select 三"}},
      {[&] {
         form.SetItems(z, {"1", "2", "三"});
       },
       2,
       {"cboZone changed"}},
      {[&] { form.SetItems(z, {"三"}); }, -1, {"cboZone changed"}},  // the text stays
      {[&] { form.SetCaption(d, "7"); }, -1, {}},
      {[&] { form.SetCaption(d, "14"); }, -1, {"txtDays changed", "txtDays change 14"}},
      {[&] { form.SetChecked(b, false); }, -1, {}},
      {[&] { form.Click(b); }, -1, {"chkSeconds changed", "chkSeconds click on"}},
      {[&] { form.SetChecked(b, false); }, -1, {"chkSeconds changed", "chkSeconds click off"}},
  };
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    log.clear();
    steps[i].act();
    EXPECT_EQ(log, steps[i].log) << "step " << i;
    EXPECT_EQ(z.selected, steps[i].selected) << "step " << i;
  }
  EXPECT_EQ(z.caption, "三");
  // A design's choice shows its item; one outside the list is none.
  Form design("f", {},
              {MakeComboBox("a", "typed", {}, kFont, {"x", "y"}, 1),
               MakeComboBox("b", "typed", {}, kFont, {"x", "y"}, 2)});
  EXPECT_EQ(design["a"].caption, "y");
  EXPECT_EQ(design["b"].selected, -1);
}

TEST_F(FormTest, TypedCharactersPassTheFilterOfAnUnlockedUsableField) {
  form["txtDays"].key_filter = [](char32_t typed) { return typed >= U'0' && typed <= U'9'; };
  EXPECT_TRUE(form.Accepts(form["txtDays"], U'5'));
  EXPECT_FALSE(form.Accepts(form["txtDays"], U'\b'));
  EXPECT_TRUE(form.Accepts(form["cboZone"], U'a'));
  EXPECT_FALSE(form.Accepts(form["fraInner"], U'a'));
  form.SetLocked(form["cboZone"], true);
  EXPECT_FALSE(form.Accepts(form["cboZone"], U'a'));
  form.SetEnabled(form["fraOuter"], false);
  EXPECT_FALSE(form.Accepts(form["txtDays"], U'5'));
}

}  // namespace
}  // namespace kelvara::ui
