#include "platform/win32/host/form_painter.h"

#include <algorithm>

#include "platform/win32/raii.h"

namespace kelvara::win32::host {
namespace {

using ui::ControlKind;

bool Intersects(const RECT& a, const RECT& b) {
  RECT both;
  return IntersectRect(&both, &a, &b) != FALSE;
}

void WidenInto(std::wstring& out, const std::string& utf8) {
  out.clear();
  if (utf8.empty()) return;
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  out.resize(static_cast<std::size_t>(length));
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), length);
}

// Pictures carry premultiplied alpha: icons keep their see-through parts.
void DrawPicture(HDC dc, HBITMAP bitmap, PictureSize size, const RECT& to) {
  UniqueCreatedDc source(CreateCompatibleDC(dc));
  if (!source) return;
  SelectedObject select(source.get(), bitmap);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  GdiAlphaBlend(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, source.get(), 0, 0,
                size.width, size.height, blend);
}

}  // namespace

bool IsPainted(ControlKind kind) {
  return kind == ControlKind::kLabel || kind == ControlKind::kShape ||
         kind == ControlKind::kPicture || kind == ControlKind::kLine;
}

RECT PaintedBounds(const Scale& scale, const ui::Form& form, const ui::Control& c) {
  const bool fill = c.kind == ControlKind::kFrame && c.opaque;
  if ((!IsPainted(c.kind) && !fill) || !form.Shown(c)) return RECT{};
  if (c.kind == ControlKind::kLine) {
    const float left = form.OriginLeft(c), top = form.OriginTop(c);
    const int reach = scale.FromDesignPx(std::max(c.line_width, 1)) + 1;
    const int x1 = scale.Px(left + c.x1), y1 = scale.Px(top + c.y1);
    const int x2 = scale.Px(left + c.x2), y2 = scale.Px(top + c.y2);
    return RECT{std::min(x1, x2) - reach, std::min(y1, y2) - reach, std::max(x1, x2) + reach,
                std::max(y1, y2) + reach};
  }
  RECT r = scale.Rect(form.WindowRect(c));
  if (r.right <= r.left || r.bottom <= r.top) return RECT{};
  return r;
}

void FormPainter::Paint(HDC dc, const Scale& scale, const ui::Form& form, const RECT& area) {
  SavedDc saved(dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  FillRect(dc, &area, gdi_.Brush(form.window().back));
  filled_.assign(form.controls().size(), false);
  for (const ui::Control& c : form.controls()) {
    if (c.kind == ControlKind::kFrame) {
      Fill(dc, scale, form, area, &c);
      continue;
    }
    if (!IsPainted(c.kind)) continue;
    const RECT bounds = PaintedBounds(scale, form, c);
    if (!Intersects(bounds, area)) continue;
    Fill(dc, scale, form, area, form.Container(c));
    const RECT r = scale.Rect(form.WindowRect(c));
    switch (c.kind) {
      case ControlKind::kLabel:
        Label(dc, scale, c, r);
        break;
      case ControlKind::kShape:
        Shape(dc, scale, c, r);
        break;
      case ControlKind::kPicture:
        Picture(dc, scale, c, r);
        break;
      case ControlKind::kLine:
        Line(dc, scale, form, c);
        break;
      default:
        break;
    }
  }
}

void FormPainter::Fill(HDC dc, const Scale& scale, const ui::Form& form, const RECT& area,
                       const ui::Control* frame) {
  if (frame == nullptr) return;
  const auto index = static_cast<std::size_t>(frame - form.controls().data());
  if (filled_[index]) return;
  filled_[index] = true;
  // The frames around go down first.
  Fill(dc, scale, form, area, form.Container(*frame));
  const RECT bounds = PaintedBounds(scale, form, *frame);
  if (Intersects(bounds, area)) FillRect(dc, &bounds, gdi_.Brush(frame->back));
}

void FormPainter::Label(HDC dc, const Scale& scale, const ui::Control& c, const RECT& r) {
  if (c.opaque) FillRect(dc, &r, gdi_.Brush(c.back));
  WidenInto(text_, c.caption);
  if (text_.empty()) return;
  const CaptionFont& font = gdi_.Font(c.font, scale.dpi());
  // Left selected: Paint puts the DC's own font back once at its end. Under
  // Wine every selection of that stock font re-reads the X resources.
  SelectObject(dc, font.handle.get());
  SetTextColor(dc, c.fore & 0xffffff);
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  const int width = r.right - r.left;
  WrapCaption(dc, text_, width, lines_);
  int y = r.top - font.lift;
  for (const LineSpan& line : lines_) {
    if (y >= r.bottom) break;
    const wchar_t* start = text_.data() + line.begin;
    const int length = static_cast<int>(line.end - line.begin);
    SIZE size{};
    GetTextExtentPoint32W(dc, start, length, &size);
    int x = r.left;
    if (c.alignment == ui::Alignment::kRight) x = r.right - size.cx;
    if (c.alignment == ui::Alignment::kCentre) x = r.left + (width - size.cx) / 2;
    ExtTextOutW(dc, x, y, ETO_CLIPPED, &r, start, static_cast<UINT>(length), nullptr);
    y += font.line_pitch;
  }
}

void FormPainter::Shape(HDC dc, const Scale& scale, const ui::Control& c, const RECT& r) {
  if (c.filled) FillRect(dc, &r, gdi_.Brush(c.back));
  // The border lies inside the shape, as wide as a design pixel.
  const int border = scale.FromDesignPx(1);
  HBRUSH edge = gdi_.Brush(c.fore);
  const RECT sides[] = {
      {r.left, r.top, r.right, std::min(r.top + border, r.bottom)},
      {r.left, std::max(r.bottom - border, r.top), r.right, r.bottom},
      {r.left, r.top, std::min(r.left + border, r.right), r.bottom},
      {std::max(r.right - border, r.left), r.top, r.right, r.bottom},
  };
  for (const RECT& side : sides) FillRect(dc, &side, edge);
}

void FormPainter::Picture(HDC dc, const Scale& scale, const ui::Control& c, const RECT& area) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  HBITMAP bitmap = nullptr;
  if (c.picture != 0) {
    bitmap = pictures_.Bitmap(c.picture);
  } else if (!c.resource.empty()) {
    bitmap = pictures_.FromResource(c.resource);
  }
  if (bitmap == nullptr) return;
  const PictureSize own = BitmapSize(bitmap);
  if (own.width <= 0 || own.height <= 0) return;
  // A picture's pixel is a design pixel.
  const PictureSize designed{scale.FromDesignPx(own.width), scale.FromDesignPx(own.height)};
  RECT to = area;
  SizedBitmap drawn;
  if (c.stretch) {
    drawn = scaled_.Stretched(bitmap, {area.right - area.left, area.bottom - area.top}, designed);
  } else {
    // At its designed size from the top-left corner, cut off by the control.
    to.right = to.left + designed.width;
    to.bottom = to.top + designed.height;
    drawn = scaled_.At(bitmap, designed);
  }
  if (drawn.bitmap == nullptr) return;
  SavedDc saved(dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  DrawPicture(dc, drawn.bitmap, drawn.size, to);
}

void FormPainter::Line(HDC dc, const Scale& scale, const ui::Form& form, const ui::Control& c) {
  const float left = form.OriginLeft(c), top = form.OriginTop(c);
  SelectedObject pen(dc, gdi_.Pen(c.fore, scale.FromDesignPx(std::max(c.line_width, 1))));
  MoveToEx(dc, scale.Px(left + c.x1), scale.Px(top + c.y1), nullptr);
  LineTo(dc, scale.Px(left + c.x2), scale.Px(top + c.y2));
}

}  // namespace kelvara::win32::host
