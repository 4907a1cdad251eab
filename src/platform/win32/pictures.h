#pragma once

#include <windows.h>

#include <wincodec.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/pictures.h"
#include "platform/win32/raii.h"

namespace kelvara::win32 {

struct PictureSize {
  int width = 0, height = 0;
  bool operator==(const PictureSize&) const = default;
};

// The width and height of any bitmap; zero for none.
PictureSize BitmapSize(HBITMAP bitmap);

// A new top-down 32-bit DIB section of that size and its pixels (BGRA, rows
// of width * 4 bytes); null, with no pixels, when it cannot be made.
struct NewDib {
  UniqueBitmap bitmap;
  std::uint8_t* pixels = nullptr;
};
[[nodiscard]] NewDib MakeTopDownDib(int width, int height);

// A packed DIB (a bitmap resource) of 24 or 32 bits a pixel, uncompressed, as
// a top-down 32-bit DIB section with every pixel opaque, the way the decoder
// reads such bitmaps; null for any other kind or for data that is too short.
// Our own bitmaps take this way, so that showing them needs no decoder.
[[nodiscard]] UniqueBitmap DibFromPacked(const std::uint8_t* dib, std::size_t size);

// The resource name of one of our own pictures, from the name the forms use:
// upper case, with '/' turned into '_' ("clock_face" -> "CLOCK_FACE",
// "moon/mp07" -> "MOON_MP07", "launcher/computer" -> "LAUNCHER_COMPUTER").
// A name already in that form stays as it is.
std::string ResourceNameFor(std::string_view model_name);

// Told of a loaded picture's bitmap just before it is deleted, so that what
// was made from it goes too.
class PictureReleaseObserver {
 public:
  virtual void Releasing(HBITMAP bitmap) = 0;

 protected:
  ~PictureReleaseObserver() = default;
};

// Every picture ends up as a top-down 32-bit DIB section with premultiplied
// alpha (BGRA), ready for BitBlt or AlphaBlend, whatever its source format.
// Decoding is Windows' own (WIC). Use on the thread that made the object.
class Win32Pictures final : public platform::Pictures {
 public:
  // Our own pictures come from `resources` (the program itself when null).
  explicit Win32Pictures(HMODULE resources = nullptr);
  Win32Pictures(const Win32Pictures&) = delete;
  Win32Pictures& operator=(const Win32Pictures&) = delete;
  ~Win32Pictures() override;

  // A UTF-8 path to a BMP, ICO, JPEG, GIF or PNG file: its first frame.
  [[nodiscard]] platform::LoadedPicture Load(std::string_view path) override;
  // The bitmap is deleted: deselect it from any DC first.
  void Release(ui::PictureId id) override;

  // For the host; null and zero for an id that is not held.
  HBITMAP Bitmap(ui::PictureId id) const;
  PictureSize Size(ui::PictureId id) const;
  std::size_t loaded_count() const { return loaded_.size(); }

  // One of our own pictures by its resource or form name, decoded once and
  // kept until this object ends; null when there is no such resource. Looked
  // up as a bitmap, then as raw file data (RCDATA), then as an icon group
  // (its first icon).
  [[nodiscard]] HBITMAP FromResource(std::string_view name);

  // An observer stays until it is removed; this object must outlive it.
  void AddReleaseObserver(PictureReleaseObserver& observer);
  void RemoveReleaseObserver(PictureReleaseObserver& observer);

 private:
  struct Picture {
    UniqueBitmap bitmap;
    PictureSize size;
  };

  IWICImagingFactory* Factory();

  HMODULE resources_;
  // Entered with the first decoder: our own bitmaps need no COM, so an idle
  // monitor never loads it. Declared before the factory, which it outlives.
  std::optional<ComApartment> com_;
  ComPtr<IWICImagingFactory> factory_;
  std::map<ui::PictureId, Picture> loaded_;
  std::map<std::string, Picture> own_;
  ui::PictureId next_id_ = 1;
  std::vector<PictureReleaseObserver*> observers_;
};

}  // namespace kelvara::win32
