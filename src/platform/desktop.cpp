#include "platform/desktop.h"

#include <algorithm>
#include <utility>

#include "ui/centre.h"

namespace kelvara::platform {
namespace {

// How far a point lies outside a monitor, squared; 0 inside.
long long SquaredGap(const MonitorPixels& m, int x, int y) {
  const long long dx = std::max({0, m.left - x, x - (m.right - 1)});
  const long long dy = std::max({0, m.top - y, y - (m.bottom - 1)});
  return dx * dx + dy * dy;
}

}  // namespace

Desktop::Desktop(std::vector<MonitorPixels> monitors) : monitors_(std::move(monitors)) {
  const auto primary = std::find_if(monitors_.begin(), monitors_.end(),
                                    [](const MonitorPixels& m) { return m.primary; });
  if (primary != monitors_.end()) std::rotate(monitors_.begin(), primary, primary + 1);
  if (!monitors_.empty() && monitors_.front().dpi > 0) dpi_ = monitors_.front().dpi;
}

ScreenArea Desktop::Area(int left, int top, int right, int bottom) const {
  return ScreenArea{Twips(left), Twips(top), Twips(right - left), Twips(bottom - top)};
}

ScreenSize Desktop::Screen() const {
  if (monitors_.empty()) return {};
  const MonitorPixels& m = monitors_.front();
  return ScreenSize{Twips(m.right - m.left), Twips(m.bottom - m.top)};
}

std::vector<ScreenArea> Desktop::WorkAreas() const {
  std::vector<ScreenArea> areas;
  areas.reserve(monitors_.size());
  for (const MonitorPixels& m : monitors_) {
    areas.push_back(Area(m.work_left, m.work_top, m.work_right, m.work_bottom));
  }
  return areas;
}

MonitorArea Desktop::MonitorAt(int x, int y) const {
  if (monitors_.empty()) return {};
  const auto nearest = std::min_element(monitors_.begin(), monitors_.end(),
                                        [&](const MonitorPixels& a, const MonitorPixels& b) {
                                          return SquaredGap(a, x, y) < SquaredGap(b, x, y);
                                        });
  const MonitorPixels& m = *nearest;
  return MonitorArea{Area(m.left, m.top, m.right, m.bottom),
                     Area(m.work_left, m.work_top, m.work_right, m.work_bottom)};
}

void CentreOnMonitor(ui::Form& form, const MonitorArea& monitor) {
  const ui::FormWindow& w = form.window();
  const ScreenArea& whole = monitor.whole;
  const ScreenArea& work = monitor.work;
  form.SetWindowTop(ui::Within(ui::Centred(whole.top, whole.height, w.OuterHeight()),
                               w.OuterHeight(), work.top, work.height));
  form.SetWindowLeft(ui::Within(ui::Centred(whole.left, whole.width, w.OuterWidth()),
                                w.OuterWidth(), work.left, work.width));
}

}  // namespace kelvara::platform
