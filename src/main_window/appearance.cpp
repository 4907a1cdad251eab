// Applying the settings to the window, and the first-start appearance.
#include <array>
#include <string>

#include "main_window/appearance_clock.h"
#include "main_window/appearance_colours.h"
#include "main_window/appearance_pictures.h"
#include "main_window/figures.h"
#include "main_window/main_window.h"
#include "main_window/main_window_design.h"
#include "main_window/window_place.h"
#include "text/colour_text.h"
#include "text/number_text.h"

namespace kelvara {
namespace {

constexpr int kRefreshInterval = 500;  // milliseconds
constexpr double kBytesPerUserMegabyte = 1047500;
// The key sits just off the time's colour, below it where it can, so only the
// background vanishes.
constexpr ui::Colour kKeyOffset = 10;
constexpr ui::Colour kSmallestColourBelowKey = 15;

void SetColourKey(ui::Form& form, ui::Colour key) {
  form.SetWindowBack(key);
  form.SetColourKey(key);
}

void ApplyUserTotals(MainWindow& window) {
  ui::Form& form = window.form();
  MainWindowControls& c = window.controls();
  const std::string& ram = c.RTUl.caption;
  if (!ram.empty()) {
    form.SetCaption(c.lblRTotal, ram + " MB");
    form.SetCaption(
        c.lblMClr,
        FormatDigits(LeadingNumber(ram) * kBytesPerUserMegabyte * kReleaseFactor, "####"));
  }
  const std::string& page_file = c.PFUl.caption;
  if (!page_file.empty()) form.SetCaption(c.lblPTotal, page_file + " MB");
}

void ApplyCaptionColours(MainWindow& window) {
  MainWindowControls& c = window.controls();
  ApplyColourToAll(window, c.AllClor.caption);
  ApplyColourField(window, c.DATEClor.caption, ColourGroup::kDate);
  if (c.TimeClor.caption.empty()) {
    window.SetText(c.TimeClor, ColourText(c.lblTime.fore));
  } else {
    ApplyColourField(window, c.TimeClor.caption, ColourGroup::kTime);
  }
}

void ApplyColourKey(MainWindow& window) {
  ui::Form& form = window.form();
  MainWindowControls& c = window.controls();
  const std::string& stored = c.BClor.caption;
  if (!stored.empty()) {
    if (const auto key = ColourOfText(stored)) SetColourKey(form, *key);
    return;  // a key that is no colour leaves the window's key as it is
  }
  const ui::Colour time = c.lblTime.fore;
  const ui::Colour key = time >= kSmallestColourBelowKey ? time - kKeyOffset : time + kKeyOffset;
  window.SetText(c.BClor, ColourText(key));
  SetColourKey(form, key);
}

void ApplyItemColours(MainWindow& window) {
  MainWindowControls& c = window.controls();
  ApplyColourField(window, c.CClor.caption, ColourGroup::kCpu);
  ApplyColourField(window, c.RClor.caption, ColourGroup::kRam);
  ApplyColourField(window, c.DClor.caption, ColourGroup::kDiskBusy);
  ApplyColourField(window, c.DSClor.caption, ColourGroup::kFreeSpace);
  ApplyColourField(window, c.PClor.caption, ColourGroup::kPageFile);
}

void HideClock(ui::Form& form, MainWindowControls& c) {
  form.SetVisible({&c.lblDate, &c.lblTime, &c.ClockImage, &c.ClockBk, &c.LineM, &c.LineH, &c.LineS},
                  false);
}

void HideMoonPictures(ui::Form& form, MainWindowControls& c) {
  for (ui::Control* picture : c.Mp) form.SetVisible(*picture, false);
}

void ApplyMoonAgeSwitch(MainWindow& window) {
  const std::string& number_switch = window.controls().MAgeVw.caption;
  ui::Control& number = window.controls().lblMAge;
  if (number_switch.empty() || number_switch == "on") {
    window.form().SetVisible(number, true);
  } else if (number_switch == "off") {
    window.form().SetVisible(number, false);
  }
}

void PressPageFileLayout(MainWindow& window) {
  MainWindowControls& c = window.controls();
  const std::string& page_file = c.PFVw.caption;
  if (page_file == "off") {
    window.form().Press(c.Command2);
  } else if (page_file.empty() || page_file == "on") {
    window.form().Press(c.Command1);
  }
}

}  // namespace

void MainWindow::ApplySettings() {
  PlaceWindow(form_, platform_.system.Screen(), c_.WTop.caption, c_.WLeft.caption);
  ApplyUserTotals(*this);
  ApplyCaptionColours(*this);
  ApplyColourKey(*this);
  ApplyItemColours(*this);
  ApplyBarPictures(*this, platform_.pictures);

  if (c_.CVw.caption == "off") HideClock(form_, c_);
  if (c_.CVw.caption.empty()) SetText(c_.CVw, "on");
  if (c_.ClSW.caption.empty()) SetText(c_.ClSW, kDigitalClock);
  if (c_.CVw.caption == "on") ApplyClockBlock(*this, platform_.pictures);

  SetText(c_.txtAge, "");  // the next age counts as a change and redraws
  if (c_.MVw.caption.empty()) SetText(c_.MVw, "on");
  if (c_.MVw.caption == "on") {
    const platform::LocalTime now = platform_.clock.Now();
    WriteDateFields(now);
    SetText(c_.txtFDay, std::to_string(now.day));
    CalcMoonAge();
  } else {
    HideMoonPictures(form_, c_);
  }
  ApplyMoonAgeSwitch(*this);
  PressPageFileLayout(*this);
  SelectRefreshTimer();
  KeepReachable(form_, platform_.system.ScreenAreas());
  form_.SetWindowVisible(true);
}

void MainWindow::ApplyDefaults() {
  PlaceWindow(form_, platform_.system.Screen(), "", "");
  // Still the design colour: nothing has painted the time yet.
  const ui::Colour key = c_.lblTime.fore - kKeyOffset;
  SetText(c_.BClor, ColourText(key));
  SetColourKey(form_, key);

  SetText(c_.CVw, "on");
  SetText(c_.MVw, "on");
  SetText(c_.MAgeVw, "on");
  SetText(c_.ClSW, kDigitalClock);
  LayOutDate(*this, DateLayout::kDigital);
  form_.SetVisible({&c_.LineM, &c_.LineH, &c_.LineS}, false);
  SetText(c_.MClor, ColourText(c_.LineM.fore));
  SetText(c_.HClor, ColourText(c_.LineH.fore));
  SetText(c_.SClor, ColourText(c_.LineS.fore));
  form_.SetVisible({&c_.ClockBk, &c_.ClockImage}, false);
  form_.SetVisible(c_.lblTime, true);
  SetText(c_.MAClor, ColourText(c_.lblMAge.fore));
  SetText(c_.ClFntN, kClockFont);
  SetText(c_.ClFntSt, kDefaultFontStyle);
  SetText(c_.FSize, NumberText(c_.lblTime.font.size));

  SetText(c_.PFVw, "on");
  Command1_Click();
  CalcMoonAge();
  form_.SetWindowVisible(true);
  form_.SetEnabled(c_.TmrNN, true);
  form_.SetInterval(c_.TmrNN, kRefreshInterval);
}

void MainWindow::SelectRefreshTimer() {
  const bool ram = !c_.RTUl.caption.empty();
  const bool page_file = !c_.PFUl.caption.empty();
  const std::array<ui::Control*, 4> timers = {&c_.TmrNN, &c_.TmrRN, &c_.TmrNP, &c_.TmrRP};
  const std::size_t chosen = (ram ? 1 : 0) + (page_file ? 2 : 0);  // NN, RN, NP, RP
  for (std::size_t i = 0; i < timers.size(); ++i) {
    if (i != chosen) form_.SetEnabled(*timers[i], false);
  }
  form_.SetEnabled(*timers[chosen], true);
  form_.SetInterval(*timers[chosen], kRefreshInterval);
}

}  // namespace kelvara
