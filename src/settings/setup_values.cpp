#include "settings/setup_values.h"

#include <array>
#include <charconv>

#include "text/number_text.h"

namespace kelvara {
namespace {

constexpr std::size_t kTotalDigits = 6;

struct NamedStyle {
  const char* text;
  FontStyle style;
};
constexpr std::array<NamedStyle, 4> kStyles = {{
    {"標準", {false, false}},
    {"斜体", {false, true}},
    {"太字", {true, false}},
    {"太字 斜体", {true, true}},
}};

}  // namespace

ui::Colour TransparencyFor(ui::Colour colour) { return colour >= 15 ? colour - 10 : colour + 10; }

bool IsAcceptedTotal(std::string_view text) {
  if (text.empty()) return true;
  if (text.size() > kTotalDigits) return false;
  bool above_zero = false;
  for (const char ch : text) {
    if (ch < '0' || ch > '9') return false;
    above_zero = above_zero || ch != '0';
  }
  return above_zero;
}

std::optional<FontStyle> StyleOfText(std::string_view style) {
  for (const NamedStyle& s : kStyles) {
    if (style == s.text) return s.style;
  }
  return std::nullopt;
}

const char* StyleText(FontStyle style) {
  for (const NamedStyle& s : kStyles) {
    if (s.style.bold == style.bold && s.style.italic == style.italic) return s.text;
  }
  return kStyles[0].text;
}

platform::FontPreset FontPresetOf(std::string_view name, std::string_view size,
                                  std::string_view style) {
  platform::FontPreset preset;
  preset.name.assign(name);
  preset.size = static_cast<float>(LeadingNumber(size));
  const std::optional<FontStyle> marks =
      style.empty() ? std::optional<FontStyle>(FontStyle{true, false}) : StyleOfText(style);
  if (marks) {
    preset.bold = marks->bold;
    preset.italic = marks->italic;
  }
  return preset;
}

std::string SizeText(float size) {
  std::array<char, 32> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), size);
  return std::string(text.data(), result.ptr);
}

}  // namespace kelvara
