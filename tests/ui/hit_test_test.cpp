// Which control the mouse reaches: the rules the window host and the tests
// share.
#include "ui/hit_test.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/controls.h"

namespace kelvara::ui {
namespace {

const Font kFont{kGothicFont, 9, false, false};

Control With(Control c, bool visible, bool enabled, const char* container = "") {
  c.visible = visible;
  c.enabled = enabled;
  c.container = container;
  return c;
}

struct Point {
  float x, y;
};

Form Stack() {
  return Form("frmHit", FormWindow{},
              {
                  MakeLabel("lblBack", "", {0, 0, 1000, 1000}, Alignment::kLeft, kFont, 0),
                  MakePicture("picTop", {500, 500, 1000, 1000}, "", false),
                  MakeShape("shpOver", {0, 0, 300, 300}, 0),
                  MakeButton("cmdNative", "", {1200, 0, 500, 500}, kFont),
                  With(MakeLabel("lblHidden", "", {2000, 0, 500, 500}, Alignment::kLeft, kFont, 0),
                       false, true),
                  With(MakeFrame("fraOff", "", {3000, 0, 1000, 1000}, kFont), true, false),
                  With(MakeLabel("lblInOff", "", {100, 100, 500, 500}, Alignment::kLeft, kFont, 0),
                       true, true, "fraOff"),
                  With(MakeLabel("lblOff", "", {0, 2000, 500, 500}, Alignment::kLeft, kFont, 0),
                       true, false),
              });
}

TEST(HitTest, TheTopmostShownUsableLabelOrPictureUnderThePoint) {
  const Form form = Stack();
  const struct {
    float x, y;
    const char* want;  // "" for none
  } probes[] = {
      {0, 0, "lblBack"},         // the left and top edges are inside; the shape takes nothing
      {999.9f, 200, "lblBack"},  //
      {1000, 200, ""},           // the right edge is outside
      {200, 1000, ""},           // and so is the bottom
      {700, 700, "picTop"},      // the later control is on top
      {1499.9f, 1499.9f, "picTop"},
      {1500, 1000, ""},
      {1300, 100, ""},  // the system's own button takes its clicks itself
      {2100, 100, ""},  // hidden
      {3200, 200, ""},  // inside a disabled frame
      {100, 2100, ""},  // disabled
  };
  for (const auto& p : probes) {
    const Control* hit = ControlAt(form, p.x, p.y);
    EXPECT_EQ(hit ? hit->name : std::string(), p.want) << p.x << ", " << p.y;
  }
}

TEST(HitTest, AClickReachesOnlyTheControlUnderIt) {
  Form form = Stack();
  std::vector<std::string> clicked;
  for (const char* name : {"lblBack", "picTop", "cmdNative", "lblOff"}) {
    form[name].on_click = [&clicked, name] { clicked.push_back(name); };
  }
  // The label, the picture, the system's button, a disabled label.
  for (const Point p : {Point{100, 100}, Point{700, 700}, Point{1300, 100}, Point{100, 2100}}) {
    ClickAt(form, p.x, p.y);
  }
  EXPECT_EQ(clicked, (std::vector<std::string>{"lblBack", "picTop"}));
}

}  // namespace
}  // namespace kelvara::ui
