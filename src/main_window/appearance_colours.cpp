// Colour fields and the elements each one paints.
#include <array>
#include <span>
#include <string>

#include "main_window/appearance_parts.h"
#include "main_window/main_window.h"

namespace kelvara {
namespace {

constexpr std::array<const char*, 1> kDate = {"lblDate"};
constexpr std::array<const char*, 1> kTime = {"lblTime"};
constexpr std::array<const char*, 4> kCpu = {"Label1", "PrscrTime", "PrscrTotal", "lblCPer"};
constexpr std::array<const char*, 7> kRam = {"Label2", "RamT",      "RamTotal", "lblRamT",
                                             "Label5", "lblRTotal", "lblRPer"};
constexpr std::array<const char*, 4> kDiskBusy = {"Label3", "DiskTime", "DiskTotal", "lblDPer"};
constexpr std::array<const char*, 4> kFreeSpace = {"Label4", "DSpce", "DSTotal", "lblDSPer"};
constexpr std::array<const char*, 7> kPageFile = {"Label7", "PFT",       "PFTotal", "lblPFPer",
                                                  "Label8", "lblPTotal", "lblPTime"};

std::span<const char* const> Members(ColourGroup group) {
  switch (group) {
    case ColourGroup::kDate:
      return kDate;
    case ColourGroup::kTime:
      return kTime;
    case ColourGroup::kCpu:
      return kCpu;
    case ColourGroup::kRam:
      return kRam;
    case ColourGroup::kDiskBusy:
      return kDiskBusy;
    case ColourGroup::kFreeSpace:
      return kFreeSpace;
    case ColourGroup::kPageFile:
      return kPageFile;
  }
  return {};
}

// A bar is filled and framed in the colour; a frame and a caption take it as
// their line or text colour.
void Paint(ui::Form& form, ui::Control& control, ui::Colour colour) {
  if (control.kind == ui::ControlKind::kShape && control.filled) form.SetBack(control, colour);
  form.SetFore(control, colour);
}

}  // namespace

void ApplyColourField(ui::Form& form, std::string_view text, ColourGroup group) {
  const std::optional<ui::Colour> colour = ColourOfText(text);
  if (!colour) return;
  for (const char* name : Members(group)) Paint(form, form[name], *colour);
}

void ApplyColourToAll(ui::Form& form, std::string_view text) {
  for (ColourGroup group :
       {ColourGroup::kDate, ColourGroup::kTime, ColourGroup::kCpu, ColourGroup::kRam,
        ColourGroup::kDiskBusy, ColourGroup::kFreeSpace, ColourGroup::kPageFile}) {
    ApplyColourField(form, text, group);
  }
}

void ApplyOrRecordColour(MainWindow& window, std::string_view field, std::string_view control) {
  ui::Control& element = window.form()[control];
  const std::string& text = window.Text(field);
  if (text.empty()) {
    window.SetText(field, ColourText(element.fore));
  } else if (const std::optional<ui::Colour> colour = ColourOfText(text)) {
    window.form().SetFore(element, *colour);
  }
}

}  // namespace kelvara
