#include "platform/win32/host/caption_layout.h"

namespace kelvara::win32::host {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == 0x3000; }
bool IsLineEnd(wchar_t c) { return c == L'\r' || c == L'\n'; }
// Japanese text breaks between any two of its characters.
bool IsWide(wchar_t c) { return c >= 0x2E80 && c != 0x3000; }

bool CanBreakBefore(std::wstring_view text, std::size_t at) {
  if (at == 0 || at >= text.size()) return false;
  const wchar_t before = text[at - 1];
  const wchar_t after = text[at];
  return IsBlank(before) || IsBlank(after) || IsWide(before) || IsWide(after);
}

std::size_t TrimEnd(std::wstring_view text, std::size_t begin, std::size_t end) {
  while (end > begin && IsBlank(text[end - 1])) --end;
  return end;
}

// How many characters from `begin` fit in `width`.
std::size_t Fitting(HDC dc, std::wstring_view text, std::size_t begin, std::size_t end, int width) {
  INT fit = 0;
  SIZE size{};
  GetTextExtentExPointW(dc, text.data() + begin, static_cast<int>(end - begin), width, &fit,
                        nullptr, &size);
  return fit < 0 ? 0 : static_cast<std::size_t>(fit);
}

}  // namespace

void WrapCaption(HDC dc, std::wstring_view text, int width, std::vector<LineSpan>& lines) {
  lines.clear();
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t paragraph_end = start;
    while (paragraph_end < text.size() && !IsLineEnd(text[paragraph_end])) ++paragraph_end;
    std::size_t at = start;
    while (true) {
      const std::size_t fit = at + Fitting(dc, text, at, paragraph_end, width);
      if (fit >= paragraph_end) {
        lines.push_back({at, TrimEnd(text, at, paragraph_end)});
        break;
      }
      std::size_t cut = fit;
      while (cut > at && !CanBreakBefore(text, cut)) --cut;
      if (cut == at) {
        // Nothing breaks inside the room: the word runs on to its end.
        cut = fit + 1;
        while (cut < paragraph_end && !CanBreakBefore(text, cut)) ++cut;
      }
      lines.push_back({at, TrimEnd(text, at, cut)});
      at = cut;
      while (at < paragraph_end && IsBlank(text[at])) ++at;
      if (at >= paragraph_end) break;
    }
    if (paragraph_end >= text.size()) break;
    // A CR LF pair is one line end.
    start = paragraph_end + 1;
    if (text[paragraph_end] == L'\r' && start < text.size() && text[start] == L'\n') ++start;
  }
}

}  // namespace kelvara::win32::host
