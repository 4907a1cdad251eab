#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/host/caption_layout.h"
#include "platform/win32/host/gdi_cache.h"
#include "platform/win32/host/scale.h"
#include "platform/win32/host/scaled_pictures.h"
#include "platform/win32/pictures.h"
#include "ui/form.h"

namespace kelvara::win32::host {

// The kinds the host paints itself; the others are native windows or nothing.
bool IsPainted(ui::ControlKind kind);

// The pixels a painted control, or an opaque frame's fill, may touch; empty
// when it touches none.
RECT PaintedBounds(const Scale& scale, const ui::Form& form, const ui::Control& control);

// Paints a form's background and its visible painted controls, bottom of the
// stacking order first, into a DC. Only `area` is touched. An opaque frame's
// fill goes down at its own place in the order or just before the first
// control it holds, whichever comes first.
class FormPainter {
 public:
  // `pictures` must outlive the painter.
  FormPainter(GdiCache& gdi, Win32Pictures& pictures)
      : gdi_(gdi), pictures_(pictures), scaled_(pictures) {}

  void Paint(HDC dc, const Scale& scale, const ui::Form& form, const RECT& area);

  // The window's DPI changed: the pictures' copies for the old one go.
  void DropScaled() { scaled_.DropAll(); }
  std::size_t scaled_count() const { return scaled_.size(); }

 private:
  void Fill(HDC dc, const Scale& scale, const ui::Form& form, const RECT& area,
            const ui::Control* frame);
  void Label(HDC dc, const Scale& scale, const ui::Control& c, const RECT& r);
  void Shape(HDC dc, const Scale& scale, const ui::Control& c, const RECT& r);
  void Picture(HDC dc, const Scale& scale, const ui::Control& c, const RECT& r);
  void Line(HDC dc, const Scale& scale, const ui::Form& form, const ui::Control& c);

  GdiCache& gdi_;
  Win32Pictures& pictures_;
  ScaledPictures scaled_;
  // Reused: captions repaint twice a second.
  std::wstring text_;
  std::vector<LineSpan> lines_;
  // The frames whose fill this paint has put down, by index.
  std::vector<bool> filled_;
};

}  // namespace kelvara::win32::host
