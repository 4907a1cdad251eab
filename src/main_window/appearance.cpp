// Applying the settings to the window, and the first-start appearance.
#include <array>
#include <string>

#include "main_window/appearance_parts.h"
#include "main_window/figures.h"
#include "main_window/main_window.h"
#include "main_window/main_window_design.h"
#include "main_window/window_place.h"
#include "text/number_text.h"

namespace kelvara {
namespace {

constexpr int kRefreshInterval = 500;  // milliseconds
constexpr double kBytesPerUserMegabyte = 1047500;
// The key sits just off the time's colour, below it where it can, so only the
// background vanishes.
constexpr ui::Colour kKeyOffset = 10;
constexpr ui::Colour kSmallestColourBelowKey = 15;

constexpr std::array<const char*, 4> kRefreshTimers = {"TmrNN", "TmrRN", "TmrNP", "TmrRP"};

void SetColourKey(ui::Form& form, ui::Colour key) {
  form.SetWindowBack(key);
  form.SetColourKey(key);
}

void ApplyUserTotals(MainWindow& window) {
  ui::Form& form = window.form();
  const std::string& ram = window.Text("RTUl");
  if (!ram.empty()) {
    form.SetCaption(form["lblRTotal"], ram + " MB");
    form.SetCaption(
        form["lblMClr"],
        FormatDigits(LeadingNumber(ram) * kBytesPerUserMegabyte * kReleaseFactor, "####"));
  }
  const std::string& page_file = window.Text("PFUl");
  if (!page_file.empty()) form.SetCaption(form["lblPTotal"], page_file + " MB");
}

void ApplyCaptionColours(MainWindow& window) {
  ui::Form& form = window.form();
  ApplyColourToAll(form, window.Text("AllClor"));
  ApplyColourField(form, window.Text("DATEClor"), ColourGroup::kDate);
  if (window.Text("TimeClor").empty()) {
    window.SetText("TimeClor", ColourText(form["lblTime"].fore));
  } else {
    ApplyColourField(form, window.Text("TimeClor"), ColourGroup::kTime);
  }
}

void ApplyColourKey(MainWindow& window) {
  ui::Form& form = window.form();
  const std::string& stored = window.Text("BClor");
  if (!stored.empty()) {
    if (const auto key = ColourOfText(stored)) SetColourKey(form, *key);
    return;  // a key that is no colour leaves the window's key as it is
  }
  const ui::Colour time = form["lblTime"].fore;
  const ui::Colour key = time >= kSmallestColourBelowKey ? time - kKeyOffset : time + kKeyOffset;
  window.SetText("BClor", ColourText(key));
  SetColourKey(form, key);
}

void ApplyItemColours(MainWindow& window) {
  ui::Form& form = window.form();
  ApplyColourField(form, window.Text("CClor"), ColourGroup::kCpu);
  ApplyColourField(form, window.Text("RClor"), ColourGroup::kRam);
  ApplyColourField(form, window.Text("DClor"), ColourGroup::kDiskBusy);
  ApplyColourField(form, window.Text("DSClor"), ColourGroup::kFreeSpace);
  ApplyColourField(form, window.Text("PClor"), ColourGroup::kPageFile);
}

void HideClock(ui::Form& form) {
  form.SetVisible({&form["lblDate"], &form["lblTime"], &form["ClockImage"], &form["ClockBk"],
                   &form["LineM"], &form["LineH"], &form["LineS"]},
                  false);
}

void HideMoonPictures(ui::Form& form) {
  for (int age = 0; age < 30; ++age) form.SetVisible(form["Mp" + std::to_string(age)], false);
}

void ApplyMoonAgeSwitch(MainWindow& window) {
  const std::string& number_switch = window.Text("MAgeVw");
  ui::Control& number = window.form()["lblMAge"];
  if (number_switch.empty() || number_switch == "on") {
    window.form().SetVisible(number, true);
  } else if (number_switch == "off") {
    window.form().SetVisible(number, false);
  }
}

void PressPageFileLayout(MainWindow& window) {
  const std::string& page_file = window.Text("PFVw");
  if (page_file == "off") {
    window.form().Press("Command2");
  } else if (page_file.empty() || page_file == "on") {
    window.form().Press("Command1");
  }
}

}  // namespace

void MainWindow::ApplySettings() {
  PlaceWindow(form_, platform_.system.Screen(), Text("WTop"), Text("WLeft"));
  ApplyUserTotals(*this);
  ApplyCaptionColours(*this);
  ApplyColourKey(*this);
  ApplyItemColours(*this);
  ApplyBarPictures(*this, platform_.pictures);

  if (Text("CVw") == "off") HideClock(form_);
  if (Text("CVw").empty()) SetText("CVw", "on");
  if (Text("ClSW").empty()) SetText("ClSW", kDigitalClock);
  if (Text("CVw") == "on") ApplyClockBlock(*this, platform_.pictures);

  SetText("txtAge", "");  // the next age counts as a change and redraws
  if (Text("MVw").empty()) SetText("MVw", "on");
  if (Text("MVw") == "on") {
    const platform::LocalTime now = platform_.clock.Now();
    WriteDateFields(now);
    SetText("txtFDay", std::to_string(now.day));
    CalcMoonAge();
  } else {
    HideMoonPictures(form_);
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
  const ui::Colour key = C("lblTime").fore - kKeyOffset;
  SetText("BClor", ColourText(key));
  SetColourKey(form_, key);

  SetText("CVw", "on");
  SetText("MVw", "on");
  SetText("MAgeVw", "on");
  SetText("ClSW", kDigitalClock);
  LayOutDate(form_, DateLayout::kDigital);
  form_.SetVisible({&C("LineM"), &C("LineH"), &C("LineS")}, false);
  SetText("MClor", ColourText(C("LineM").fore));
  SetText("HClor", ColourText(C("LineH").fore));
  SetText("SClor", ColourText(C("LineS").fore));
  form_.SetVisible({&C("ClockBk"), &C("ClockImage")}, false);
  form_.SetVisible(C("lblTime"), true);
  SetText("MAClor", ColourText(C("lblMAge").fore));
  SetText("ClFntN", kClockFont);
  SetText("ClFntSt", kDefaultFontStyle);
  SetText("FSize", NumberText(C("lblTime").font.size));

  SetText("PFVw", "on");
  Command1_Click();
  CalcMoonAge();
  form_.SetWindowVisible(true);
  form_.SetEnabled(C("TmrNN"), true);
  form_.SetInterval(C("TmrNN"), kRefreshInterval);
}

void MainWindow::SelectRefreshTimer() {
  const bool ram = !Text("RTUl").empty();
  const bool page_file = !Text("PFUl").empty();
  const std::size_t chosen = (ram ? 1 : 0) + (page_file ? 2 : 0);  // NN, RN, NP, RP
  for (std::size_t i = 0; i < kRefreshTimers.size(); ++i) {
    if (i != chosen) form_.SetEnabled(C(kRefreshTimers[i]), false);
  }
  form_.SetEnabled(C(kRefreshTimers[chosen]), true);
  form_.SetInterval(C(kRefreshTimers[chosen]), kRefreshInterval);
}

}  // namespace kelvara
