#pragma once

#include <windows.h>

#include <vector>

namespace kelvara::win32::host {

// What a batch of model changes needs repainted, handed to the window in one
// go. Under Wine every invalidation is a round trip to the server, and a
// colour-keyed window's whole shape is rebuilt at each repaint, so a refresh
// tick's twenty-odd changes should cost one invalidation and one paint.
class DirtyArea {
 public:
  // Empty rectangles and ones already covered add nothing; a rectangle that
  // covers earlier ones replaces them.
  void Add(const RECT& r);
  bool empty() const { return rects_.empty(); }
  const std::vector<RECT>& rects() const { return rects_; }

  // Invalidates everything gathered (without erasing) in one call, then
  // forgets it. False when there was nothing or the window refused.
  bool Flush(HWND window);

 private:
  std::vector<RECT> rects_;
};

}  // namespace kelvara::win32::host
