#include "main_window/window_place.h"

#include <algorithm>

#include "text/number_text.h"
#include "ui/centre.h"

namespace kelvara {
namespace {

constexpr double kTopFraction = 13;  // default top: this part of the screen height
constexpr float kRightMargin = 350;  // default gap to the screen's right edge

bool Overlaps(const ui::Rect& w, const platform::ScreenArea& s) {
  return w.left < s.left + s.width && s.left < w.left + w.width && w.top < s.top + s.height &&
         s.top < w.top + w.height;
}

// The gap between the window and a screen along one axis; 0 when they overlap on it.
double Gap(double start, double length, double screen_start, double screen_length) {
  return std::max({0.0, screen_start - (start + length), start - (screen_start + screen_length)});
}

double SquaredDistance(const ui::Rect& w, const platform::ScreenArea& s) {
  const double dx = Gap(w.left, w.width, s.left, s.width);
  const double dy = Gap(w.top, w.height, s.top, s.height);
  return dx * dx + dy * dy;
}

}  // namespace

void KeepReachable(ui::Form& form, const std::vector<platform::ScreenArea>& screens) {
  const ui::Rect window = form.window().rect;
  if (screens.empty()) return;
  for (const platform::ScreenArea& screen : screens) {
    if (Overlaps(window, screen)) return;
  }
  const auto nearest =
      std::min_element(screens.begin(), screens.end(),
                       [&](const platform::ScreenArea& a, const platform::ScreenArea& b) {
                         return SquaredDistance(window, a) < SquaredDistance(window, b);
                       });
  form.SetWindowTop(ui::Within(window.top, window.height, nearest->top, nearest->height));
  form.SetWindowLeft(ui::Within(window.left, window.width, nearest->left, nearest->width));
}

void PlaceWindow(ui::Form& form, const platform::ScreenSize& screen, std::string_view top,
                 std::string_view left) {
  form.SetWindowTop(top.empty() ? static_cast<float>(screen.height / kTopFraction)
                                : static_cast<float>(LeadingNumber(top)));
  form.SetWindowLeft(left.empty() ? screen.width - form.window().rect.width - kRightMargin
                                  : static_cast<float>(LeadingNumber(left)));
}

std::optional<float> HeightForPageFileSwitch(std::string_view page_file_switch, float shown,
                                             float hidden) {
  if (page_file_switch.empty() || page_file_switch == "on") return shown;
  if (page_file_switch == "off") return hidden;
  return std::nullopt;
}

}  // namespace kelvara
