#include "ui/controls.h"

#include <utility>

namespace kelvara::ui {
namespace {

Control Make(std::string name, ControlKind kind, std::string caption, Rect rect) {
  Control c;
  c.name = std::move(name);
  c.kind = kind;
  c.caption = std::move(caption);
  c.rect = rect;
  return c;
}

Control MakeWithFont(std::string name, ControlKind kind, std::string caption, Rect rect,
                     Font font) {
  Control c = Make(std::move(name), kind, std::move(caption), rect);
  c.font = std::move(font);
  return c;
}

}  // namespace

Control MakeLabel(std::string name, std::string caption, Rect rect, Alignment alignment, Font font,
                  Colour fore) {
  Control c =
      MakeWithFont(std::move(name), ControlKind::kLabel, std::move(caption), rect, std::move(font));
  c.alignment = alignment;
  c.fore = fore;
  return c;
}

Control MakePicture(std::string name, Rect rect, std::string resource, bool stretch, bool visible) {
  Control c = Make(std::move(name), ControlKind::kPicture, {}, rect);
  c.resource = std::move(resource);
  c.stretch = stretch;
  c.visible = visible;
  return c;
}

Control MakeLine(std::string name, float x1, float y1, float x2, float y2, Colour colour,
                 int width) {
  Control c = Make(std::move(name), ControlKind::kLine, {}, {});
  c.x1 = x1, c.y1 = y1, c.x2 = x2, c.y2 = y2;
  c.fore = colour;
  c.line_width = width;
  return c;
}

Control MakeShape(std::string name, Rect rect, Colour border) {
  Control c = Make(std::move(name), ControlKind::kShape, {}, rect);
  c.fore = border;
  return c;
}

Control MakeShape(std::string name, Rect rect, Colour border, Colour fill) {
  Control c = MakeShape(std::move(name), rect, border);
  c.filled = true;
  c.back = fill;
  return c;
}

Control MakeTextField(std::string name, std::string text, Rect rect, Font font, bool locked) {
  Control c = MakeWithFont(std::move(name), ControlKind::kTextField, std::move(text), rect,
                           std::move(font));
  c.locked = locked;
  return c;
}

Control MakeHiddenField(std::string name, std::string text) {
  Control c = Make(std::move(name), ControlKind::kTextField, std::move(text), {});
  c.visible = false;
  return c;
}

Control MakeButton(std::string name, std::string caption, Rect rect, Font font) {
  return MakeWithFont(std::move(name), ControlKind::kButton, std::move(caption), rect,
                      std::move(font));
}

Control MakeButton(std::string name, std::string caption, Rect rect, Font font, Colour back,
                   Colour fore) {
  Control c = MakeButton(std::move(name), std::move(caption), rect, std::move(font));
  c.opaque = true;
  c.back = back;
  c.fore = fore;
  return c;
}

Control MakeCheckBox(std::string name, std::string caption, Rect rect, Font font, bool checked) {
  Control c = MakeWithFont(std::move(name), ControlKind::kCheckBox, std::move(caption), rect,
                           std::move(font));
  c.checked = checked;
  return c;
}

Control MakeComboBox(std::string name, std::string text, Rect rect, Font font,
                     std::vector<std::string> items, int selected) {
  Control c =
      MakeWithFont(std::move(name), ControlKind::kComboBox, std::move(text), rect, std::move(font));
  c.items = std::move(items);
  c.selected = selected;
  return c;
}

Control MakeFrame(std::string name, std::string caption, Rect rect, Font font) {
  return MakeWithFont(std::move(name), ControlKind::kFrame, std::move(caption), rect,
                      std::move(font));
}

Control MakeTimer(std::string name, int interval, bool enabled) {
  Control c = Make(std::move(name), ControlKind::kTimer, {}, {});
  c.interval = interval;
  c.enabled = enabled;
  return c;
}

std::vector<Control> Within(std::string_view frame, std::vector<Control> rows) {
  for (Control& row : rows) row.container.assign(frame);
  return rows;
}

}  // namespace kelvara::ui
