#include "platform/win32/host/scaled_pictures.h"

#include <climits>
#include <cstdint>
#include <utility>

#include "platform/resample.h"

namespace kelvara::win32::host {
namespace {

// A copy larger than this is not made: the picture is drawn stretched from
// its own bitmap instead.
constexpr int kMostSide = 16384;
constexpr std::int64_t kMostPixels = std::int64_t{4096} * 4096;

// The pixels of a 32-bit DIB section. Every picture is one, top-down; which
// way up cannot be asked, since Wine reports a top-down section's height as
// positive.
platform::PixelsView PixelsOf(HBITMAP bitmap) {
  DIBSECTION section{};
  if (GetObjectW(bitmap, sizeof section, &section) != sizeof section) return {};
  const BITMAP& b = section.dsBm;
  if (b.bmBits == nullptr || b.bmBitsPixel != 32 || b.bmWidthBytes != b.bmWidth * 4) return {};
  return {static_cast<const std::uint8_t*>(b.bmBits), b.bmWidth, b.bmHeight};
}

UniqueBitmap Scaled(HBITMAP source, PictureSize size) {
  if (size.width <= 0 || size.height <= 0 || size.width > kMostSide || size.height > kMostSide ||
      std::int64_t{size.width} * size.height > kMostPixels) {
    return {};
  }
  const platform::PixelsView from = PixelsOf(source);
  if (from.data == nullptr) return {};
  NewDib copy = MakeTopDownDib(size.width, size.height);
  if (!copy.bitmap) return {};
  GdiFlush();  // the source's pixels as GDI last left them
  if (!platform::Resample(from, {copy.pixels, size.width, size.height})) return {};
  return std::move(copy.bitmap);
}

}  // namespace

ScaledPictures::ScaledPictures(Win32Pictures& pictures) : pictures_(pictures) {
  pictures_.AddReleaseObserver(*this);
}

ScaledPictures::~ScaledPictures() { pictures_.RemoveReleaseObserver(*this); }

SizedBitmap ScaledPictures::At(HBITMAP source, PictureSize size) {
  const PictureSize own = BitmapSize(source);
  if (own.width <= 0 || own.height <= 0) return {};
  if (size == own) return {source, own};
  const Key key{source, {size.width, size.height}};
  if (const auto found = copies_.find(key); found != copies_.end()) {
    return {found->second.get(), size};
  }
  UniqueBitmap copy = Scaled(source, size);
  if (!copy) return {source, own};
  HBITMAP made = copy.get();
  copies_.emplace(key, std::move(copy));
  return {made, size};
}

SizedBitmap ScaledPictures::Stretched(HBITMAP source, PictureSize area, PictureSize designed) {
  std::optional<PictureSize>& kept = stretched_.try_emplace(source, area).first->second;
  if (kept && *kept == area) return At(source, area);
  if (kept) {
    if (*kept != designed) Drop(source, *kept);
    kept.reset();
  }
  return At(source, designed);
}

void ScaledPictures::DropAll() {
  copies_.clear();
  stretched_.clear();
}

void ScaledPictures::Drop(HBITMAP source, PictureSize size) {
  copies_.erase(Key{source, {size.width, size.height}});
}

void ScaledPictures::Releasing(HBITMAP bitmap) {
  stretched_.erase(bitmap);
  auto from = copies_.lower_bound(Key{bitmap, {INT_MIN, INT_MIN}});
  while (from != copies_.end() && from->first.first == bitmap) from = copies_.erase(from);
}

}  // namespace kelvara::win32::host
