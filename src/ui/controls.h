#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"

namespace kelvara::ui {

// The Japanese UI font the designs use throughout.
inline constexpr const char* kGothicFont = "ＭＳ Ｐゴシック";

// Builders for the rows of design tables: the values a design gives, the rest
// at the model's defaults. The name comes first, then the caption where the
// kind has one, then the place.
Control MakeLabel(std::string name, std::string caption, Rect rect, Alignment alignment, Font font,
                  Colour fore);
Control MakePicture(std::string name, Rect rect, std::string resource, bool stretch,
                    bool visible = true);
Control MakeLine(std::string name, float x1, float y1, float x2, float y2, Colour colour,
                 int width = 1);
// An outline in `border`, filled with `fill` when one is given.
Control MakeShape(std::string name, Rect rect, Colour border);
Control MakeShape(std::string name, Rect rect, Colour border, Colour fill);
Control MakeTextField(std::string name, std::string text, Rect rect, Font font,
                      bool locked = false);
// One of the window's variables: a text field nobody sees.
Control MakeHiddenField(std::string name, std::string text = {});
Control MakeButton(std::string name, std::string caption, Rect rect, Font font);
// A button drawn in its own colours.
Control MakeButton(std::string name, std::string caption, Rect rect, Font font, Colour back,
                   Colour fore = 0);
Control MakeCheckBox(std::string name, std::string caption, Rect rect, Font font,
                     bool checked = false);
// A drop-down that also takes typing. When `selected` chooses one of
// `items`, that item's text shows instead of `text`.
Control MakeComboBox(std::string name, std::string text, Rect rect, Font font,
                     std::vector<std::string> items, int selected = -1);
Control MakeFrame(std::string name, std::string caption, Rect rect, Font font);
Control MakeTimer(std::string name, int interval, bool enabled = true);

// The rows put inside a frame: their places become relative to it.
std::vector<Control> Within(std::string_view frame, std::vector<Control> rows);

}  // namespace kelvara::ui
