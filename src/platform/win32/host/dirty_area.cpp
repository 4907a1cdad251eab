#include "platform/win32/host/dirty_area.h"

#include <algorithm>

#include "platform/win32/raii.h"

namespace kelvara::win32::host {
namespace {

bool Covers(const RECT& outer, const RECT& inner) {
  return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
         outer.bottom >= inner.bottom;
}

}  // namespace

void DirtyArea::Add(const RECT& r) {
  if (IsRectEmpty(&r) != FALSE) return;
  for (const RECT& had : rects_) {
    if (Covers(had, r)) return;
  }
  std::erase_if(rects_, [&r](const RECT& had) { return Covers(r, had); });
  rects_.push_back(r);
}

bool DirtyArea::Flush(HWND window) {
  if (rects_.empty()) return false;
  bool done = false;
  if (rects_.size() == 1) {
    done = InvalidateRect(window, &rects_.front(), FALSE) != FALSE;
  } else {
    // A region keeps the paint to what changed, where one bounding rectangle
    // would repaint everything between a caption at the top and one at the
    // bottom.
    UniqueRegion all(CreateRectRgnIndirect(&rects_.front()));
    for (std::size_t i = 1; all && i < rects_.size(); ++i) {
      UniqueRegion one(CreateRectRgnIndirect(&rects_[i]));
      if (one) CombineRgn(all.get(), all.get(), one.get(), RGN_OR);
    }
    if (all) {
      done = InvalidateRgn(window, all.get(), FALSE) != FALSE;
    } else {  // out of regions: the bounding rectangle still covers it all
      RECT bounds = rects_.front();
      for (const RECT& r : rects_) UnionRect(&bounds, &bounds, &r);
      done = InvalidateRect(window, &bounds, FALSE) != FALSE;
    }
  }
  rects_.clear();
  return done;
}

}  // namespace kelvara::win32::host
