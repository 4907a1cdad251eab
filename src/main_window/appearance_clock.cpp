// The clock and date block: fonts, digital or analog layout, face and hands.
#include "main_window/appearance_clock.h"

#include <array>
#include <string>

#include "main_window/appearance_colours.h"
#include "main_window/main_window.h"
#include "main_window/main_window_design.h"
#include "main_window/picture_slot.h"
#include "text/number_text.h"

namespace kelvara {
namespace {

// A larger size would not fit a 16-bit height in twips.
constexpr double kLargestFontSize = 1638;

struct DateGeometry {
  float height, width, top, left, font_size;
};
constexpr DateGeometry kDigitalDate = {375, 2175, 340, 360, 14};
constexpr DateGeometry kAnalogDateBesideMoon = {255, 1455, 75, 2190, 10};
constexpr DateGeometry kAnalogDateAlone = {255, 1455, 480, 1920, 10};

struct FontStyle {
  const char* name;
  bool bold, italic;
};
constexpr std::array<FontStyle, 4> kFontStyles = {{
    {"標準", false, false},
    {"斜体", false, true},
    {"太字", true, false},
    {"太字 斜体", true, true},
}};

void ChangeFont(ui::Form& form, ui::Control& label, auto&& change) {
  ui::Font font = label.font;
  change(font);
  form.SetFont(label, font);
}

void ApplyFonts(MainWindow& window) {
  ui::Form& form = window.form();
  MainWindowControls& c = window.controls();
  const std::string& name = c.ClFntN.caption;
  const std::string& style = c.ClFntSt.caption;
  const FontStyle* chosen = nullptr;
  for (const FontStyle& s : kFontStyles) {
    if (style == s.name) chosen = &s;
  }
  for (ui::Control* label : {&c.lblDate, &c.lblTime}) {
    ChangeFont(form, *label, [&](ui::Font& font) {
      font.name = name.empty() ? kClockFont : name;
      if (chosen != nullptr) font.bold = chosen->bold, font.italic = chosen->italic;
    });
  }
  if (style.empty()) window.SetText(c.ClFntSt, kDefaultFontStyle);

  const std::string& size_text = c.FSize.caption;
  const double size = LeadingNumber(size_text);
  if (!size_text.empty() && size > 0 && size <= kLargestFontSize) {
    ChangeFont(form, c.lblTime, [&](ui::Font& font) { font.size = static_cast<float>(size); });
  }
}

void ShowClockFace(MainWindow& window, platform::Pictures& pictures) {
  ui::Form& form = window.form();
  MainWindowControls& c = window.controls();
  ui::Control& built_in = c.ClockBk;
  ui::Control& user_face = c.ClockImage;
  const std::string& path = c.ClImage.caption;
  if (path.empty()) {
    form.SetVisible(built_in, true);
    ClearPicture(form, pictures, user_face);
    form.SetVisible(user_face, false);
  } else if (LoadPictureInto(form, pictures, user_face, path)) {
    form.SetVisible(user_face, true);
    form.SetVisible(built_in, false);
  } else {
    // An unreadable face keeps the one shown before; with none, the built-in.
    form.SetVisible(built_in, !user_face.visible);
  }
}

void ApplyClockKind(MainWindow& window, platform::Pictures& pictures) {
  ui::Form& form = window.form();
  MainWindowControls& c = window.controls();
  const std::string& kind = c.ClSW.caption;
  if (kind == kDigitalClock) {
    LayOutDate(window, DateLayout::kDigital);
    form.SetVisible({&c.LineM, &c.LineH, &c.LineS, &c.ClockBk, &c.ClockImage}, false);
    form.SetVisible(c.lblTime, true);
  } else if (kind == kAnalogClock) {
    form.SetVisible(c.lblTime, false);
    form.SetVisible({&c.LineM, &c.LineH, &c.LineS}, true);
    // Beside the moon only when its switch reads exactly "on" at this point.
    LayOutDate(window,
               c.MVw.caption == "on" ? DateLayout::kAnalogBesideMoon : DateLayout::kAnalogAlone);
    ShowClockFace(window, pictures);
  }
}

}  // namespace

void LayOutDate(MainWindow& window, DateLayout layout) {
  ui::Form& form = window.form();
  const DateGeometry& g = layout == DateLayout::kDigital            ? kDigitalDate
                          : layout == DateLayout::kAnalogBesideMoon ? kAnalogDateBesideMoon
                                                                    : kAnalogDateAlone;
  ui::Control& date = window.controls().lblDate;
  form.SetHeight(date, g.height);
  form.SetWidth(date, g.width);
  form.SetTop(date, g.top);
  form.SetLeft(date, g.left);
  ChangeFont(form, date, [&](ui::Font& font) { font.size = g.font_size; });
}

void ApplyClockBlock(MainWindow& window, platform::Pictures& pictures) {
  MainWindowControls& c = window.controls();
  window.SetText(c.CVw, "on");
  window.form().SetVisible({&c.lblDate, &c.lblTime}, true);
  ApplyFonts(window);
  ApplyClockKind(window, pictures);
  ApplyOrRecordColour(window, c.MClor, c.LineM);
  ApplyOrRecordColour(window, c.HClor, c.LineH);
  ApplyOrRecordColour(window, c.SClor, c.LineS);
  ApplyOrRecordColour(window, c.MAClor, c.lblMAge);
}

}  // namespace kelvara
