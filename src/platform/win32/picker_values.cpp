#include "platform/win32/picker_values.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <vector>

#include "platform/win32/text.h"

namespace kelvara::win32 {
namespace {

// The font picker refuses sizes beyond these.
constexpr float kSmallestPoints = 1;
constexpr float kLargestPoints = 1638;

std::vector<std::string_view> Pieces(std::string_view text) {
  std::vector<std::string_view> pieces;
  while (!text.empty()) {
    const std::size_t bar = text.find('|');
    pieces.push_back(text.substr(0, bar));
    if (bar == std::string_view::npos) break;
    text.remove_prefix(bar + 1);
  }
  return pieces;
}

}  // namespace

FilterList MakeFilterList(std::string_view filter) {
  FilterList list;
  const std::vector<std::string_view> pieces = Pieces(filter);
  for (std::size_t i = 0; i + 1 < pieces.size(); i += 2) {
    const std::string_view pattern = pieces[i + 1];
    if (pattern.empty()) continue;
    const std::string_view description = pieces[i].empty() ? pattern : pieces[i];
    list.text += Widen(description);
    list.text += L'\0';
    list.text += Widen(pattern);
    list.text += L'\0';
    ++list.entries;
  }
  if (list.entries > 0) list.text += L'\0';
  return list;
}

LOGFONTW PresetLogFont(const platform::FontPreset& preset, int dpi) {
  LOGFONTW font{};
  if (preset.size > 0) {  // false for NaN too
    const float points = std::fmin(std::fmax(preset.size, kSmallestPoints), kLargestPoints);
    font.lfHeight = -MulDiv(static_cast<int>(std::lround(points * 10)), dpi, 720);
  }
  font.lfWeight = preset.bold.value_or(false) ? FW_BOLD : FW_NORMAL;
  font.lfItalic = preset.italic.value_or(false) ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  std::wstring name = Widen(preset.name);
  std::size_t length = std::min<std::size_t>(name.size(), LF_FACESIZE - 1);
  // Half a surrogate pair would name no face at all.
  if (length > 0 && length < name.size() && IS_HIGH_SURROGATE(name[length - 1])) --length;
  name.copy(font.lfFaceName, length);
  return font;
}

platform::FontChoice ChoiceFromLogFont(const LOGFONTW& font, int point_tenths) {
  const std::size_t length = wcsnlen(font.lfFaceName, LF_FACESIZE);
  return platform::FontChoice{
      Narrow(std::wstring_view(font.lfFaceName, length)),
      point_tenths > 0 ? static_cast<float>(point_tenths) / 10.0f : 0.0f,
      font.lfWeight > FW_MEDIUM,
      font.lfItalic != 0,
  };
}

}  // namespace kelvara::win32
