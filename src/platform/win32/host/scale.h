#pragma once

#include <windows.h>

#include <cmath>

#include "ui/form.h"

namespace kelvara::win32::host {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDesignDpi = 96;

// The model's twips as this window's pixels, at the window's real DPI.
class Scale {
 public:
  explicit Scale(int dpi = kDesignDpi) : dpi_(dpi > 0 ? dpi : kDesignDpi) {}

  int dpi() const { return dpi_; }

  int Px(float twips) const {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi_ / kTwipsPerInch));
  }
  float Twips(int pixels) const {
    return static_cast<float>(static_cast<double>(pixels) * kTwipsPerInch / dpi_);
  }
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
