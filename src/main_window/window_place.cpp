#include "main_window/window_place.h"

#include <array>
#include <charconv>

#include "text/number_text.h"

namespace kelvara {
namespace {

constexpr double kTopFraction = 13;  // default top: this part of the screen height
constexpr float kRightMargin = 350;  // default gap to the screen's right edge

}  // namespace

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

std::string ShortestText(float value) {
  if (value == 0.0f) return "0";  // a negative zero too
  std::array<char, 64> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace kelvara
