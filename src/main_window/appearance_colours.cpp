// Colour fields and the elements each one paints.
#include "main_window/appearance_colours.h"

#include <optional>
#include <string>

#include "main_window/main_window.h"
#include "text/colour_text.h"

namespace kelvara {
namespace {

// A bar is filled and framed in the colour; a frame and a caption take it as
// their line or text colour.
void Paint(ui::Form& form, ui::Control& control, ui::Colour colour) {
  if (control.kind == ui::ControlKind::kShape && control.filled) form.SetBack(control, colour);
  form.SetFore(control, colour);
}

void PaintGroup(ui::Form& form, MainWindowControls& c, ColourGroup group, ui::Colour colour) {
  const auto paint = [&](std::initializer_list<ui::Control*> members) {
    for (ui::Control* member : members) Paint(form, *member, colour);
  };
  switch (group) {
    case ColourGroup::kDate:
      return paint({&c.lblDate});
    case ColourGroup::kTime:
      return paint({&c.lblTime});
    case ColourGroup::kCpu:
      return paint({&c.Label1, &c.PrscrTime, &c.PrscrTotal, &c.lblCPer});
    case ColourGroup::kRam:
      return paint(
          {&c.Label2, &c.RamT, &c.RamTotal, &c.lblRamT, &c.Label5, &c.lblRTotal, &c.lblRPer});
    case ColourGroup::kDiskBusy:
      return paint({&c.Label3, &c.DiskTime, &c.DiskTotal, &c.lblDPer});
    case ColourGroup::kFreeSpace:
      return paint({&c.Label4, &c.DSpce, &c.DSTotal, &c.lblDSPer});
    case ColourGroup::kPageFile:
      return paint(
          {&c.Label7, &c.PFT, &c.PFTotal, &c.lblPFPer, &c.Label8, &c.lblPTotal, &c.lblPTime});
  }
}

}  // namespace

void ApplyColourField(MainWindow& window, std::string_view text, ColourGroup group) {
  const std::optional<ui::Colour> colour = ColourOfText(text);
  if (!colour) return;
  PaintGroup(window.form(), window.controls(), group, *colour);
}

void ApplyColourToAll(MainWindow& window, std::string_view text) {
  for (ColourGroup group :
       {ColourGroup::kDate, ColourGroup::kTime, ColourGroup::kCpu, ColourGroup::kRam,
        ColourGroup::kDiskBusy, ColourGroup::kFreeSpace, ColourGroup::kPageFile}) {
    ApplyColourField(window, text, group);
  }
}

void ApplyOrRecordColour(MainWindow& window, ui::Control& field, ui::Control& element) {
  const std::string& text = field.caption;
  if (text.empty()) {
    window.SetText(field, ColourText(element.fore));
  } else if (const std::optional<ui::Colour> colour = ColourOfText(text)) {
    window.form().SetFore(element, *colour);
  }
}

}  // namespace kelvara
