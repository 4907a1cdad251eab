// The clock and date block: fonts, digital or analog layout, face and hands.
#include <array>
#include <string>

#include "main_window/appearance_parts.h"
#include "main_window/main_window.h"
#include "main_window/main_window_design.h"
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

void ChangeFont(ui::Form& form, const char* label, auto&& change) {
  ui::Control& c = form[label];
  ui::Font font = c.font;
  change(font);
  form.SetFont(c, font);
}

void ApplyFonts(MainWindow& window) {
  ui::Form& form = window.form();
  const std::string& name = window.Text("ClFntN");
  const std::string& style = window.Text("ClFntSt");
  const FontStyle* chosen = nullptr;
  for (const FontStyle& s : kFontStyles) {
    if (style == s.name) chosen = &s;
  }
  for (const char* label : {"lblDate", "lblTime"}) {
    ChangeFont(form, label, [&](ui::Font& font) {
      font.name = name.empty() ? kClockFont : name;
      if (chosen != nullptr) font.bold = chosen->bold, font.italic = chosen->italic;
    });
  }
  if (style.empty()) window.SetText("ClFntSt", kDefaultFontStyle);

  const std::string& size_text = window.Text("FSize");
  const double size = LeadingNumber(size_text);
  if (!size_text.empty() && size > 0 && size <= kLargestFontSize) {
    ChangeFont(form, "lblTime", [&](ui::Font& font) { font.size = static_cast<float>(size); });
  }
}

void ShowClockFace(MainWindow& window, platform::Pictures& pictures) {
  ui::Form& form = window.form();
  ui::Control& built_in = form["ClockBk"];
  ui::Control& user_face = form["ClockImage"];
  const std::string& path = window.Text("ClImage");
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
  const std::string& kind = window.Text("ClSW");
  if (kind == kDigitalClock) {
    LayOutDate(form, DateLayout::kDigital);
    form.SetVisible(
        {&form["LineM"], &form["LineH"], &form["LineS"], &form["ClockBk"], &form["ClockImage"]},
        false);
    form.SetVisible(form["lblTime"], true);
  } else if (kind == kAnalogClock) {
    form.SetVisible(form["lblTime"], false);
    form.SetVisible({&form["LineM"], &form["LineH"], &form["LineS"]}, true);
    // Beside the moon only when its switch reads exactly "on" at this point.
    LayOutDate(form, window.Text("MVw") == "on" ? DateLayout::kAnalogBesideMoon
                                                : DateLayout::kAnalogAlone);
    ShowClockFace(window, pictures);
  }
}

}  // namespace

void LayOutDate(ui::Form& form, DateLayout layout) {
  const DateGeometry& g = layout == DateLayout::kDigital            ? kDigitalDate
                          : layout == DateLayout::kAnalogBesideMoon ? kAnalogDateBesideMoon
                                                                    : kAnalogDateAlone;
  ui::Control& date = form["lblDate"];
  form.SetHeight(date, g.height);
  form.SetWidth(date, g.width);
  form.SetTop(date, g.top);
  form.SetLeft(date, g.left);
  ChangeFont(form, "lblDate", [&](ui::Font& font) { font.size = g.font_size; });
}

void ApplyClockBlock(MainWindow& window, platform::Pictures& pictures) {
  ui::Form& form = window.form();
  window.SetText("CVw", "on");
  form.SetVisible({&form["lblDate"], &form["lblTime"]}, true);
  ApplyFonts(window);
  ApplyClockKind(window, pictures);
  ApplyOrRecordColour(window, "MClor", "LineM");
  ApplyOrRecordColour(window, "HClor", "LineH");
  ApplyOrRecordColour(window, "SClor", "LineS");
  ApplyOrRecordColour(window, "MAClor", "lblMAge");
}

}  // namespace kelvara
