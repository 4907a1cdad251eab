#pragma once

#include <cmath>
#include <vector>

#include "platform/system_info.h"
#include "ui/form.h"

namespace kelvara::platform {

inline constexpr int kTwipsPerInch = 1440;

// Twips as whole pixels at a DPI, rounded to the nearest, and back.
inline int TwipsToPixels(float twips, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / kTwipsPerInch));
}
inline float PixelsToTwips(int pixels, int dpi) {
  return static_cast<float>(static_cast<double>(pixels) * kTwipsPerInch / dpi);
}

// One monitor as the system reports it to a program that is aware of each
// monitor's DPI: physical pixels on the virtual desktop, and its scale.
struct MonitorPixels {
  int left = 0, top = 0, right = 0, bottom = 0;                      // the whole monitor
  int work_left = 0, work_top = 0, work_right = 0, work_bottom = 0;  // not under the taskbar
  int dpi = 96;
  bool primary = false;
};

// The desktop in the one measure every window shares: twips at the primary
// monitor's current DPI. A window's top-left, the screen's size and areas and
// the stored place are all in it, so they mean the same pixels whatever DPI
// each window has; a window's own DPI sizes only what is inside it.
class Desktop {
 public:
  // The primary monitor's DPI is the desktop's; none marked primary, the
  // first monitor's; no monitors at all, 96.
  explicit Desktop(std::vector<MonitorPixels> monitors);

  int dpi() const { return dpi_; }
  int Px(float twips) const { return TwipsToPixels(twips, dpi_); }
  float Twips(int pixels) const { return PixelsToTwips(pixels, dpi_); }

  // The primary monitor's whole size; zero when there is none.
  ScreenSize Screen() const;
  // Every monitor's work area, the primary one first.
  std::vector<ScreenArea> WorkAreas() const;
  // The monitor holding the pixel point, else the nearest one; the primary
  // one first on a tie. All zero when there are no monitors.
  MonitorArea MonitorAt(int x, int y) const;

 private:
  ScreenArea Area(int left, int top, int right, int bottom) const;

  std::vector<MonitorPixels> monitors_;  // the primary one first
  int dpi_ = 96;
};

// A secondary window's place: centred on the monitor by its outer size,
// then kept inside that monitor's work area (a window larger than the work
// area keeps its top-left corner there). Top first, then left. On the
// primary monitor with nothing to keep it from, the same place as centring
// on the screen.
void CentreOnMonitor(ui::Form& form, const MonitorArea& monitor);

}  // namespace kelvara::platform
