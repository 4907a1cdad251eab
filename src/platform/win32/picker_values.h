#pragma once

// What goes into the system pickers and what comes out of them, apart from
// the dialogs themselves, so that it can be checked without a display.
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/pickers.h"

namespace kelvara::win32 {

// The native filter list of the open-file picker.
struct FilterList {
  // "description\0pattern\0" per entry and one more NUL; empty for none.
  std::wstring text;
  int entries = 0;
};

// From the design's "description|pattern|description|pattern|" text. A
// description without its pattern is dropped, and so is an entry whose
// pattern is empty: an empty element would end the native list there. An
// empty description shows the pattern instead.
FilterList MakeFilterList(std::string_view filter);

// The font picker's starting font at `dpi`. Bold and italic left unset are
// not set. A size outside what the picker takes is brought inside it; no size
// at all leaves the height to the face.
LOGFONTW PresetLogFont(const platform::FontPreset& preset, int dpi);

// The picker's answer, `point_tenths` as ChooseFont gives it in iPointSize.
platform::FontChoice ChoiceFromLogFont(const LOGFONTW& font, int point_tenths);

}  // namespace kelvara::win32
