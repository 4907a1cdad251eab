#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>
#include <vector>

namespace kelvara::win32::host {

struct LineSpan {
  std::size_t begin = 0, end = 0;  // in the text, end excluded
  bool operator==(const LineSpan&) const = default;
};

// Breaks a caption into lines no wider than `width` in the DC's font, as a
// label wraps its text: at line ends, at blanks (also the ideographic one),
// and between Japanese characters. Blanks at a break belong to neither line.
// A word wider than the line stays whole, for the label's edge to cut.
void WrapCaption(HDC dc, std::wstring_view text, int width, std::vector<LineSpan>& lines);

}  // namespace kelvara::win32::host
