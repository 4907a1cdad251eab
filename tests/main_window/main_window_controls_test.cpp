// The main window's controls are found once, when it is made: a name the
// behaviour uses but the design lacks fails there, not when a handler runs.
#include "main_window/main_window_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "main_window/main_window_design.h"

namespace kelvara {
namespace {

ui::Form FormWithout(const std::string& missing) {
  std::vector<ui::Control> design = MainWindowDesign();
  std::erase_if(design, [&](const ui::Control& c) { return c.name == missing; });
  return ui::Form("frmDTMn", MainWindowFrame(), std::move(design));
}

TEST(MainWindowControls, AControlMissingFromTheDesignFailsWhenTheWindowIsMade) {
  for (const char* missing : {"ClockBk", "Mp0", "Mp29", "lblDs", "TmrRS", "Fil", "PFUl"}) {
    ui::Form form = FormWithout(missing);
    EXPECT_EQ(form.Find(missing), nullptr);
    EXPECT_THROW(MainWindowControls{form}, std::out_of_range) << missing;
  }
}

TEST(MainWindowControls, EveryMemberIsTheControlOfItsName) {
  ui::Form form("frmDTMn", MainWindowFrame(), MainWindowDesign());
  MainWindowControls c(form);
  const struct {
    const char* name;
    const ui::Control* member;
  } rows[] = {
      {"ClockBk", &c.ClockBk},
      {"LineS", &c.LineS},
      {"Mp0", c.Mp[0]},
      {"Mp17", c.Mp[17]},
      {"Mp29", c.Mp[29]},
      {"lblMAge", &c.lblMAge},
      {"lblTime", &c.lblTime},
      {"CpuI", &c.CpuI},
      {"DSTotal", &c.DSTotal},
      {"Label8", &c.Label8},
      {"cmdFstPstn", &c.cmdFstPstn},
      {"lblDs", &c.lblDs},
      {"Command2", &c.Command2},
      {"TmrRS", &c.TmrRS},
      {"txtAge", &c.txtAge},
      {"WTop", &c.WTop},
      {"ClSW", &c.ClSW},
      {"PFUl", &c.PFUl},
  };
  for (const auto& row : rows) EXPECT_EQ(row.member, &form[row.name]) << row.name;
}

}  // namespace
}  // namespace kelvara
