#pragma once

#include <string>

#include "ui/form.h"

namespace kelvara::ui {

// The Japanese UI font the designs use throughout.
inline constexpr const char* kGothicFont = "ＭＳ Ｐゴシック";

// Builders for the rows of design tables: the values a design gives, the rest
// at the model's defaults.
Control MakeLabel(std::string name, std::string caption, Rect rect, Alignment alignment, Font font,
                  Colour fore);
Control MakePicture(std::string name, Rect rect, std::string resource, bool stretch,
                    bool visible = true);
Control MakeLine(std::string name, float x1, float y1, float x2, float y2, Colour colour,
                 int width = 1);

}  // namespace kelvara::ui
