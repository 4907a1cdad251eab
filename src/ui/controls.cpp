#include "ui/controls.h"

#include <utility>

namespace kelvara::ui {

Control MakeLabel(std::string name, std::string caption, Rect rect, Alignment alignment, Font font,
                  Colour fore) {
  Control c;
  c.name = std::move(name);
  c.kind = ControlKind::kLabel;
  c.caption = std::move(caption);
  c.rect = rect;
  c.alignment = alignment;
  c.font = std::move(font);
  c.fore = fore;
  return c;
}

Control MakePicture(std::string name, Rect rect, std::string resource, bool stretch, bool visible) {
  Control c;
  c.name = std::move(name);
  c.kind = ControlKind::kPicture;
  c.rect = rect;
  c.resource = std::move(resource);
  c.stretch = stretch;
  c.visible = visible;
  return c;
}

Control MakeLine(std::string name, float x1, float y1, float x2, float y2, Colour colour,
                 int width) {
  Control c;
  c.name = std::move(name);
  c.kind = ControlKind::kLine;
  c.x1 = x1, c.y1 = y1, c.x2 = x2, c.y2 = y2;
  c.fore = colour;
  c.line_width = width;
  return c;
}

}  // namespace kelvara::ui
