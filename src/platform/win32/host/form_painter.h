#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/host/caption_layout.h"
#include "platform/win32/host/gdi_cache.h"
#include "platform/win32/host/scale.h"
#include "platform/win32/pictures.h"
#include "ui/form.h"

namespace kelvara::win32::host {

// The kinds the host paints itself; the others are native windows or nothing.
bool IsPainted(ui::ControlKind kind);

// The pixels a painted control may touch, empty when it touches none.
RECT PaintedBounds(const Scale& scale, const ui::Control& control);

// Paints a form's background and its visible painted controls, bottom of the
// stacking order first, into a DC. Only `area` is touched.
class FormPainter {
 public:
  FormPainter(GdiCache& gdi, Win32Pictures& pictures) : gdi_(gdi), pictures_(pictures) {}

  void Paint(HDC dc, const Scale& scale, const ui::Form& form, const RECT& area);

 private:
  void Label(HDC dc, const Scale& scale, const ui::Control& c);
  void Shape(HDC dc, const Scale& scale, const ui::Control& c);
  void Picture(HDC dc, const Scale& scale, const ui::Control& c);
  void Line(HDC dc, const Scale& scale, const ui::Control& c);

  GdiCache& gdi_;
  Win32Pictures& pictures_;
  // Reused: captions repaint twice a second.
  std::wstring text_;
  std::vector<LineSpan> lines_;
};

}  // namespace kelvara::win32::host
