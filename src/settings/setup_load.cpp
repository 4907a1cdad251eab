// The load sequence: the working copy from the main window, the layout for
// the running Windows, the samples, and the clock kind's controls.
#include <string>

#include "main_window/main_window.h"
#include "platform/desktop.h"
#include "settings/settings_dialog.h"
#include "settings/setup_values.h"

namespace kelvara {
namespace {

constexpr float kOuterWidth = 8625;
constexpr float kOuterHeight = 8055;
// On Windows 6 and later the clock rows move down into the font row's space.
constexpr float kClockRowDrop = 360;

}  // namespace

void SettingsDialog::Form_Load() {
  const std::optional<platform::WindowsVersion> version = platform_.system.Version();
  // Without it the dialog shows its design and holds no working copy.
  if (!version) {
    form_.SetEnabled(c_.Command6, false);
    return;
  }
  loaded_ = true;
  form_.SetWindowWidth(kOuterWidth);
  form_.SetWindowHeight(kOuterHeight);
  platform::CentreOnMonitor(form_, platform_.system.ScreenUnderPointer());
  CopyFromMain();
  Set(c_.lblTime, platform_.clock.LongTime(platform_.clock.Now()));
  Set(c_.OsVer, std::to_string(version->major) + "." + std::to_string(version->minor));
  PlaceForVersion();
  LoadSamples();
}

void SettingsDialog::CopyFromMain() {
  auto copy = [this](ui::Control& field) { Set(field, main_.Text(field.name)); };
  for (ui::Control* field :
       {&c_.Fil,     &c_.WTop,    &c_.WLeft,  &c_.AllClor, &c_.DATEClor, &c_.TimeClor,
        &c_.CClor,   &c_.RClor,   &c_.DClor,  &c_.DSClor,  &c_.CVw,      &c_.MVw,
        &c_.ClFntN,  &c_.ClFntSt, &c_.BClor,  &c_.MClor,   &c_.HClor,    &c_.SClor,
        &c_.ClImage, &c_.CpuImg,  &c_.MemImg, &c_.DscImg,  &c_.DspImg,   &c_.FSize}) {
    copy(*field);
  }
  Set(c_.ClSw, main_.Text("ClSW"));
  for (ui::Control* field : {&c_.PFImg, &c_.PClor, &c_.PFVw, &c_.MAgeVw}) copy(*field);
  form_.SetBack(c_.MAClor, main_.form()["lblMAge"].fore);
  copy(c_.RTUl);
  copy(c_.PFUl);
}

void SettingsDialog::PlaceForVersion() {
  if (!IsVistaOrLater()) return;
  ShowFontRow(false);
  for (ui::Control* moved : {&c_.Label7, &c_.Label9, &c_.cboCVw, &c_.ClSw}) {
    form_.SetTop(*moved, moved->rect.top + kClockRowDrop);
  }
}

void SettingsDialog::ShowFontRow(bool shown) {
  form_.SetVisible({&c_.Label10, &c_.Label11, &c_.Label14, &c_.Label20, &c_.Command17, &c_.ClFntN,
                    &c_.ClFntSt, &c_.FSize},
                   shown);
}

void SettingsDialog::ShowSwitch(ui::Control& box, bool shown) {
  // The text only: showing the stored state is not the user's choice, so the
  // field keeps what it holds.
  Set(box, shown ? "表示" : "非表示");
}

void SettingsDialog::LoadSamples() {
  if (!c_.AllClor.caption.empty()) {
    form_.SetChecked(c_.Check1, true);
    PaintIfSet(c_.Text2, c_.AllClor);
  }
  if (!c_.DATEClor.caption.empty()) form_.SetChecked(c_.Check2, true);
  bool any_colour = !c_.AllClor.caption.empty();
  for (const ColourItem& item : colours_) {
    if (!item.per_item) continue;
    PaintIfSet(item.swatch, *item.field);
    any_colour = any_colour || !item.field->caption.empty();
  }
  if (!any_colour) form_.SetChecked(c_.Check1, true);

  ShowSwitch(c_.cboCVw, c_.CVw.caption == "on");
  ShowSwitch(c_.cboMVw, c_.MVw.caption == "on");
  ShowSwitch(c_.cboMAgeVw, c_.MAgeVw.caption != "off");
  PaintIfSet(c_.Bc, c_.BClor);
  PaintIfSet(c_.Mc, c_.MClor);
  PaintIfSet(c_.Hc, c_.HClor);
  PaintIfSet(c_.Sc, c_.SClor);
  ShowSwitch(c_.Combo1, c_.PFVw.caption != "off");

  // A stored file that no longer loads leaves its preview empty.
  for (const PictureGroup& meter : Meters()) {
    if (!meter.field.caption.empty()) LoadPicture(meter.preview, meter.field.caption);
  }
}

void SettingsDialog::ApplyClkKind() {
  const std::string& kind = c_.ClSw.caption;
  const bool digital = kind == "デジタル時計";
  const bool analog = kind == "アナログ時計";
  if (digital || analog) {
    for (ui::Control* analog_only : {&c_.Command18, &c_.Command19, &c_.Command20, &c_.Command22,
                                     &c_.ClImage, &c_.Mc, &c_.Hc, &c_.Sc}) {
      form_.SetEnabled(*analog_only, analog);
    }
    for (ui::Control* digital_only : {&c_.Command17, &c_.ClFntN, &c_.ClFntSt, &c_.FSize}) {
      form_.SetEnabled(*digital_only, digital);
    }
    form_.SetVisible({&c_.lblTime, &c_.Label20}, digital);
    form_.SetVisible({&c_.Command27, &c_.ClockBk, &c_.ClockImage, &c_.LineH, &c_.LineM, &c_.LineS},
                     analog);
  }
  if (analog) {
    ApplyHandColour(c_.LineH, c_.HClor);
    ApplyHandColour(c_.LineM, c_.MClor);
    ApplyHandColour(c_.LineS, c_.SClor);
    if (!c_.ClImage.caption.empty()) {
      LoadPicture(c_.ClockImage, c_.ClImage.caption);
      // An unreadable face leaves the built-in one in view rather than none.
      form_.SetVisible(c_.ClockBk, c_.ClockImage.picture == 0);
    }
  }
  if (IsVistaOrLater()) ShowFontRow(false);
}

void SettingsDialog::ApplyHandColour(ui::Control& line, const ui::Control& field) {
  // A field that names no colour leaves the hand as it is.
  if (const std::optional<ui::Colour> colour = ColourOfText(field.caption)) {
    form_.SetFore(line, *colour);
  }
}

}  // namespace kelvara
