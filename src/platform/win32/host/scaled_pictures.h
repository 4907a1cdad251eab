#pragma once

#include <windows.h>

#include <cstddef>
#include <map>
#include <optional>
#include <utility>

#include "platform/win32/pictures.h"
#include "platform/win32/raii.h"

namespace kelvara::win32::host {

// A bitmap to draw and its size in pixels.
struct SizedBitmap {
  HBITMAP bitmap = nullptr;
  PictureSize size;
};

// Smooth copies of pictures at the sizes one window draws them at its DPI,
// made on the first paint that wants them and kept until the DPI changes or
// the picture is released, so repainting never scales. A picture wanted at
// its own size is its own bitmap: no copy.
class ScaledPictures final : public PictureReleaseObserver {
 public:
  explicit ScaledPictures(Win32Pictures& pictures);
  ~ScaledPictures();
  ScaledPictures(const ScaledPictures&) = delete;
  ScaledPictures& operator=(const ScaledPictures&) = delete;

  // `source` at `size`; `source` itself when no copy can be made (not a
  // 32-bit top-down DIB section, or too large).
  SizedBitmap At(HBITMAP source, PictureSize size);

  // `source` stretched over `area`, at `designed` when not stretched. A
  // picture is copied at the first area it is stretched over at this DPI;
  // one stretched over another area later (a meter's bar following its
  // figure) is a resizing one, drawn from its copy at `designed` from then on,
  // so its changes never scale it again.
  SizedBitmap Stretched(HBITMAP source, PictureSize area, PictureSize designed);

  // Every copy goes: the DPI changed.
  void DropAll();
  std::size_t size() const { return copies_.size(); }

 private:
  void Releasing(HBITMAP bitmap) override;
  void Drop(HBITMAP source, PictureSize size);

  using Key = std::pair<HBITMAP, std::pair<int, int>>;
  Win32Pictures& pictures_;
  std::map<Key, UniqueBitmap> copies_;
  // The area each stretched picture was first stretched over at this DPI;
  // none for a resizing one.
  std::map<HBITMAP, std::optional<PictureSize>> stretched_;
};

}  // namespace kelvara::win32::host
