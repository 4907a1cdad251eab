#pragma once

#include <windows.h>

#include "platform/desktop.h"
#include "ui/form.h"

namespace kelvara::win32::host {

inline constexpr int kDesignDpi = 96;

// The model's twips as this window's pixels, at the window's real DPI.
class Scale {
 public:
  explicit Scale(int dpi = kDesignDpi) : dpi_(dpi > 0 ? dpi : kDesignDpi) {}

  int dpi() const { return dpi_; }

  int Px(float twips) const { return platform::TwipsToPixels(twips, dpi_); }
  float Twips(int pixels) const { return platform::PixelsToTwips(pixels, dpi_); }
  // Design pixels (line widths, icon sizes) at this DPI.
  int FromDesignPx(int pixels) const { return MulDiv(pixels, dpi_, kDesignDpi); }

  // Both edges are rounded on their own, so neighbours that touch in twips
  // still touch in pixels.
  RECT Rect(const ui::Rect& r) const {
    return RECT{Px(r.left), Px(r.top), Px(r.left + r.width), Px(r.top + r.height)};
  }

 private:
  int dpi_;
};

}  // namespace kelvara::win32::host
