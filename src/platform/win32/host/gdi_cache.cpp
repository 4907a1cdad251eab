#include "platform/win32/host/gdi_cache.h"

#include <cmath>

namespace kelvara::win32::host {
namespace {

// Where the MS Gothic faces put their baseline: 220 of their 256 units.
constexpr int kDesignAscent = 220;
constexpr int kDesignUnits = 256;

UniqueFont FontOfFace(const Face& face, const ui::Font& font, int dpi) {
  LOGFONTW spec{};
  // A negative height asks for the character height, which is what a point
  // size means.
  spec.lfHeight = -EmPixels(font.size, dpi);
  spec.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  spec.lfItalic = font.italic ? TRUE : FALSE;
  spec.lfCharSet = DEFAULT_CHARSET;
  spec.lfOutPrecision = OUT_TT_PRECIS;
  // Grey smoothing: colour fringes would show against the colour key.
  spec.lfQuality = ANTIALIASED_QUALITY;
  face.name.copy(spec.lfFaceName, LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectW(&spec));
}

}  // namespace

int EmPixels(float points, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(points) * dpi / 72.0));
}

UniqueFont MakeFont(FontNames& names, const ui::Font& font, int dpi) {
  return FontOfFace(names.Resolve(font.name), font, dpi);
}

CaptionFont MakeCaptionFont(FontNames& names, const ui::Font& font, int dpi) {
  const Face face = names.Resolve(font.name);
  CaptionFont made;
  made.handle = FontOfFace(face, font, dpi);
  if (!made.handle) return made;
  TEXTMETRICW metrics{};
  {
    WindowDc screen(nullptr);
    SelectedObject select(screen.get(), made.handle.get());
    GetTextMetricsW(screen.get(), &metrics);
  }
  made.line_pitch = metrics.tmHeight;
  if (face.stands_in) {
    const int em = EmPixels(font.size, dpi);
    made.line_pitch = em;
    made.lift = metrics.tmAscent - (em * kDesignAscent + kDesignUnits / 2) / kDesignUnits;
  }
  return made;
}

HBRUSH GdiCache::Brush(ui::Colour colour) {
  UniqueBrush& brush = brushes_[colour];
  if (!brush) brush.reset(CreateSolidBrush(colour & 0xffffff));
  return brush.get();
}

HPEN GdiCache::Pen(ui::Colour colour, int width) {
  UniquePen& pen = pens_[{colour, width}];
  if (!pen) pen.reset(CreatePen(PS_SOLID, width, colour & 0xffffff));
  return pen.get();
}

const CaptionFont& GdiCache::Font(const ui::Font& font, int dpi) {
  CaptionFont& made = fonts_[FontKey{font.name, font.size, font.bold, font.italic, dpi}];
  if (!made.handle) made = MakeCaptionFont(names_, font, dpi);
  return made;
}

void GdiCache::Trim() {
  if (brushes_.size() > kMostPerKind) brushes_.clear();
  if (pens_.size() > kMostPerKind) pens_.clear();
  if (fonts_.size() > kMostPerKind) fonts_.clear();
}

}  // namespace kelvara::win32::host
