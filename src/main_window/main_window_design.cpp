#include "main_window/main_window_design.h"

#include "main_window/figures.h"
#include "main_window/main_window.h"

#include <string>
#include <utility>

#include "store/user_data_store.h"
#include "ui/controls.h"

namespace kelvara {
namespace {

using ui::Alignment;
using ui::Colour;
using ui::Control;
using ui::ControlKind;
using ui::Font;
using ui::Rect;
using ui::Rgb;

// Hidden working controls sit right of the visible area.
constexpr float kOffscreen = 4200;

Font Gothic(float size, bool bold) { return Font{kClockFont, size, bold, false}; }

Control Label(const char* name, const char* caption, Rect rect, Alignment alignment, Font font,
              Colour fore = kGrey) {
  return ui::MakeLabel(name, caption, rect, alignment, std::move(font), fore);
}

Control Picture(const char* name, Rect rect, const char* resource, bool stretch, bool visible) {
  return ui::MakePicture(name, rect, resource, stretch, visible);
}

Control Line(const char* name, float x, float y1, float y2, Colour colour, int width) {
  return ui::MakeLine(name, x, y1, x, y2, colour, width);
}

// Out of sight, right of the visible area.
Control Hidden(Control c) {
  c.rect = {kOffscreen, 0, 615, 255};
  c.visible = false;
  return c;
}

// One meter row: the bar, its picture twin above it, then the frame.
void AddBarRow(std::vector<Control>& out, const char* bar, const char* picture, const char* frame,
               float top) {
  out.push_back(ui::MakeShape(bar, {kBarLeft, top, 0, 255}, kGrey, kGrey));
  out.push_back(Picture(picture, {kBarLeft, top, 0, 255}, "", true, true));
  Control outline = ui::MakeShape(frame, {kBarLeft, top, kBarFullWidth, 255}, kGrey);
  outline.back = kGrey;
  out.push_back(std::move(outline));
}

const Font kCaptionFont = Gothic(9.75f, true);
const Font kAmountFont = Gothic(8.25f, false);

// The analog clock: face pictures under the hands.
void AddAnalogClock(std::vector<Control>& out) {
  out.push_back(Picture("ClockBk", {840, 30, 1125, 1125}, "clock_face", true, true));
  out.push_back(Picture("ClockImage", {840, 30, 1125, 1125}, "", true, true));
  out.push_back(Line("LineH", 1395, 315, 595, kHourHandColour, 3));
  out.push_back(Line("LineM", 1395, 240, 600, kMinuteHandColour, 2));
  out.push_back(Line("LineS", 1395, 255, 595, kSecondHandColour, 1));
}

// The moon: thirty stacked phase pictures, at most one shown, the age above them.
void AddMoon(std::vector<Control>& out) {
  for (int age = 0; age < 30; ++age) {
    std::string resource = "moon/mp";
    if (age < 10) resource += '0';
    resource += std::to_string(age);
    out.push_back(
        ui::MakePicture("Mp" + std::to_string(age), {2520, 300, 795, 795}, resource, true, false));
  }
  out.push_back(Label("lblMAge", "", {3030, 840, 255, 255}, Alignment::kRight,
                      Font{"Palatino Linotype", 9.75f, true, false}, Rgb(255, 255, 192)));
}

void AddDateAndTime(std::vector<Control>& out) {
  out.push_back(Label("lblDate", "", {2190, 75, 1455, 255}, Alignment::kCentre, kCaptionFont));
  out.push_back(
      Label("lblTime", "Time", {360, 600, 2175, 495}, Alignment::kCentre, Gothic(24, true)));
}

// The meter rows, top to bottom, with the disk rows at the page-file-shown
// layout; then their names, percentages and the used / total amounts.
void AddMeterRows(std::vector<Control>& out) {
  AddBarRow(out, "PrscrTime", "CpuI", "PrscrTotal", 1320);
  AddBarRow(out, "RamT", "MemI", "RamTotal", 1920);
  AddBarRow(out, "PFT", "PFI", "PFTotal", 2520);
  AddBarRow(out, "DiskTime", "DscI", "DiskTotal", 3120);
  AddBarRow(out, "DSpce", "DspI", "DSTotal", 3720);

  out.push_back(Label("Label1", "CPU", {120, 1365, 615, 255}, Alignment::kCentre, kCaptionFont));
  out.push_back(Label("Label2", "RAM", {120, 1965, 615, 255}, Alignment::kCentre, kCaptionFont));
  out.push_back(
      Label("Label7", "Page File", {120, 2415, 615, 375}, Alignment::kCentre, kCaptionFont));
  out.push_back(Label("Label3", "DISK", {120, 3165, 615, 255}, Alignment::kCentre, kCaptionFont));
  out.push_back(
      Label("Label4", "空き　領域", {120, 3660, 615, 375}, Alignment::kCentre, kCaptionFont));

  out.push_back(Label("lblCPer", "", {2640, 1605, 615, 255}, Alignment::kRight, kCaptionFont));
  out.push_back(Label("lblRPer", "", {2640, 2205, 615, 255}, Alignment::kRight, kCaptionFont));
  out.push_back(Label("lblPFPer", "", {2640, 2805, 615, 255}, Alignment::kRight, kCaptionFont));
  out.push_back(Label("lblDPer", "", {2640, 3405, 615, 255}, Alignment::kRight, kCaptionFont));
  out.push_back(Label("lblDSPer", "", {2640, 4005, 615, 255}, Alignment::kRight, kCaptionFont));

  out.push_back(Label("lblRamT", "", {720, 2205, 855, 255}, Alignment::kRight, kAmountFont));
  out.push_back(Label("Label5", "/", {1620, 2205, 135, 255}, Alignment::kCentre, kAmountFont));
  out.push_back(Label("lblRTotal", "", {1800, 2205, 1095, 255}, Alignment::kLeft, kAmountFont));
  out.push_back(Label("lblPTime", "", {720, 2805, 855, 255}, Alignment::kRight, kAmountFont));
  out.push_back(Label("Label8", "/", {1620, 2805, 135, 255}, Alignment::kCentre, kAmountFont));
  out.push_back(Label("lblPTotal", "", {1800, 2805, 975, 255}, Alignment::kLeft, kAmountFont));
}

// The position strip, below the bottom edge until editing uncovers it.
void AddPositionStrip(std::vector<Control>& out) {
  out.push_back(Picture("PstnMove", {360, 4305, 480, 480}, "grip", true, true));
  const Colour mint = Rgb(182, 252, 204);
  out.push_back(
      ui::MakeButton("cmdPstnSave", "決定", {960, 4350, 615, 375}, Gothic(9, false), mint));
  out.push_back(ui::MakeButton("cmdFstPstn", "元の位置に戻す", {1680, 4350, 1575, 375},
                               Gothic(9, false), mint));
}

// Hidden working captions, buttons pressed from code, the refresh timers, and
// the text fields that are the window's variables and its 31 settings.
void AddHiddenControls(std::vector<Control>& out) {
  for (const auto& [name, caption] :
       {std::pair{"lblC", "C"}, {"lblD", "D"}, {"lblDs", "DS"}, {"lblMClr", ""}}) {
    out.push_back(Hidden(ui::MakeLabel(name, caption, {}, Alignment::kLeft, {}, 0)));
  }
  for (const char* button : {"cmdSave", "cmdReset", "cmdClose", "Command1", "Command2"}) {
    out.push_back(Hidden(ui::MakeButton(button, button, {}, {})));
  }
  for (const char* timer : {"TmrNN", "TmrRN", "TmrNP", "TmrRP", "TmrRS"}) {
    out.push_back(Hidden(ui::MakeTimer(timer, 0, false)));
  }
  for (const char* field : {"OsVer", "UName", "CDir", "Fil", "txtYY", "txtMM", "txtDD", "txtFDay",
                            "txtYY2", "txtMM2", "txtAll", "txtAge"}) {
    out.push_back(Hidden(ui::MakeHiddenField(field)));
  }
  for (const StoreField& field : kStoreFields) {
    out.push_back(Hidden(ui::MakeHiddenField(std::string(field.name))));
  }
}

}  // namespace

ui::FormWindow MainWindowFrame() {
  ui::FormWindow w;
  w.caption = "TavoroⅡ";
  w.rect = {0, 0, 3630, 3675};
  w.back = kStartColourKey;
  w.visible = false;
  return w;
}

std::vector<Control> MainWindowDesign() {
  std::vector<Control> out;
  out.reserve(160);
  AddAnalogClock(out);
  AddMoon(out);
  AddDateAndTime(out);
  AddMeterRows(out);
  AddPositionStrip(out);
  AddHiddenControls(out);
  return out;
}

}  // namespace kelvara
