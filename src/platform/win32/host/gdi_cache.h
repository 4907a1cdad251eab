#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "platform/win32/host/font_names.h"
#include "platform/win32/raii.h"
#include "ui/form.h"

namespace kelvara::win32::host {

// A font for captions and where its lines go.
struct CaptionFont {
  UniqueFont handle;
  int line_pitch = 0;  // from one line's top to the next
  // How far above its own place the text is drawn. A stand-in face sits its
  // baseline where the designed face would (the MS Gothic faces' cell is
  // their em, baseline at 220/256 of it), so captions stay inside the
  // rectangles designed for them.
  int lift = 0;
};

// Pens, brushes and fonts for painting, made once per distinct value. The
// set of values a window uses is small and steady, so the GDI object count
// stays flat; Trim bounds it should a user try colour after colour.
class GdiCache {
 public:
  explicit GdiCache(FontNames& names) : names_(names) {}

  HBRUSH Brush(ui::Colour colour);
  HPEN Pen(ui::Colour colour, int width);
  const CaptionFont& Font(const ui::Font& font, int dpi);

  // Only between paints: nothing of the cache may be selected into a DC.
  void Trim();
  std::size_t size() const { return brushes_.size() + pens_.size() + fonts_.size(); }

  static constexpr std::size_t kMostPerKind = 64;

 private:
  using FontKey = std::tuple<std::string, float, bool, bool, int>;

  FontNames& names_;
  std::map<ui::Colour, UniqueBrush> brushes_;
  std::map<std::pair<ui::Colour, int>, UniquePen> pens_;
  std::map<FontKey, CaptionFont> fonts_;
};

// The character height in pixels of a point size at a DPI.
int EmPixels(float points, int dpi);

// A font of the model at a DPI: the resolved family, the point size as a
// character height, bold and italic.
[[nodiscard]] UniqueFont MakeFont(FontNames& names, const ui::Font& font, int dpi);
[[nodiscard]] CaptionFont MakeCaptionFont(FontNames& names, const ui::Font& font, int dpi);

}  // namespace kelvara::win32::host
