#include "file_writers.h"

#include <cstddef>
#include <utility>

namespace kelvara::resgen {
namespace {

constexpr uint32_t kBmpFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kV5HeaderSize = 124;
constexpr int32_t kPixelsPerMetre = 3780;  // 96 dots an inch

class Bytes {
 public:
  void U8(uint32_t v) { data_.push_back(static_cast<uint8_t>(v)); }
  void U16(uint32_t v) {
    U8(v & 0xFF);
    U8(v >> 8 & 0xFF);
  }
  void U32(uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
  void PadTo4(size_t row_start) {
    while ((data_.size() - row_start) % 4 != 0) U8(0);
  }
  size_t size() const { return data_.size(); }
  std::vector<uint8_t> Take() { return std::move(data_); }
  void Append(const std::vector<uint8_t>& more) {
    data_.insert(data_.end(), more.begin(), more.end());
  }

 private:
  std::vector<uint8_t> data_;
};

uint32_t Stride(int width, int bits) { return (static_cast<uint32_t>(width) * bits + 31) / 32 * 4; }

void BmpFileHeader(Bytes& out, uint32_t header_size, uint32_t pixel_bytes) {
  out.U8('B');
  out.U8('M');
  out.U32(kBmpFileHeaderSize + header_size + pixel_bytes);
  out.U16(0);
  out.U16(0);
  out.U32(kBmpFileHeaderSize + header_size);
}

// The fields that BITMAPINFOHEADER and BITMAPV5HEADER share.
void InfoFields(Bytes& out, uint32_t header_size, int width, int height, uint32_t bits,
                uint32_t compression, uint32_t image_bytes, int32_t pixels_per_metre) {
  out.U32(header_size);
  out.I32(width);
  out.I32(height);
  out.U16(1);
  out.U16(bits);
  out.U32(compression);
  out.U32(image_bytes);
  out.I32(pixels_per_metre);
  out.I32(pixels_per_metre);
  out.U32(0);
  out.U32(0);
}

void Pixels32(Bytes& out, const Canvas& image) {
  for (int y = image.height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.width(); ++x) {
      const Rgba p = image.at(x, y);
      out.U8(p.b);
      out.U8(p.g);
      out.U8(p.r);
      out.U8(p.a);
    }
  }
}

void AndMask(Bytes& out, const Canvas& image) {
  for (int y = image.height() - 1; y >= 0; --y) {
    const size_t row_start = out.size();
    uint32_t bits = 0;
    int used = 0;
    for (int x = 0; x < image.width(); ++x) {
      bits = bits << 1 | (image.at(x, y).a < kMaskAlphaBelow ? 1U : 0U);
      if (++used == 8) {
        out.U8(bits);
        bits = 0;
        used = 0;
      }
    }
    if (used > 0) out.U8(bits << (8 - used));
    out.PadTo4(row_start);
  }
}

std::vector<uint8_t> IconImage(const Canvas& image) {
  const uint32_t xor_bytes = Stride(image.width(), 32) * static_cast<uint32_t>(image.height());
  const uint32_t and_bytes = Stride(image.width(), 1) * static_cast<uint32_t>(image.height());
  Bytes out;
  // An icon's height counts the colour image and the mask together.
  InfoFields(out, kInfoHeaderSize, image.width(), 2 * image.height(), 32, 0, xor_bytes + and_bytes,
             0);
  Pixels32(out, image);
  AndMask(out, image);
  return out.Take();
}

std::vector<uint8_t> IconFile(uint32_t type, const std::vector<Canvas>& images,
                              const std::vector<HotSpot>& hot_spots) {
  std::vector<std::vector<uint8_t>> bodies;
  for (const Canvas& image : images) bodies.push_back(IconImage(image));
  Bytes out;
  out.U16(0);
  out.U16(type);
  out.U16(static_cast<uint32_t>(images.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    out.U8(images[i].width() >= 256 ? 0 : static_cast<uint32_t>(images[i].width()));
    out.U8(images[i].height() >= 256 ? 0 : static_cast<uint32_t>(images[i].height()));
    out.U8(0);
    out.U8(0);
    // An icon names its planes and bit count here; a cursor its hot spot.
    const HotSpot hot = i < hot_spots.size() ? hot_spots[i] : HotSpot{};
    out.U16(type == 1 ? 1 : static_cast<uint32_t>(hot.x));
    out.U16(type == 1 ? 32 : static_cast<uint32_t>(hot.y));
    out.U32(static_cast<uint32_t>(bodies[i].size()));
    out.U32(offset);
    offset += static_cast<uint32_t>(bodies[i].size());
  }
  for (const auto& body : bodies) out.Append(body);
  return out.Take();
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const Canvas& image) {
  const uint32_t pixel_bytes = Stride(image.width(), 24) * static_cast<uint32_t>(image.height());
  Bytes out;
  BmpFileHeader(out, kInfoHeaderSize, pixel_bytes);
  InfoFields(out, kInfoHeaderSize, image.width(), image.height(), 24, 0, pixel_bytes,
             kPixelsPerMetre);
  for (int y = image.height() - 1; y >= 0; --y) {
    const size_t row_start = out.size();
    for (int x = 0; x < image.width(); ++x) {
      const Rgba p = image.at(x, y);
      out.U8((p.b * p.a + 127U) / 255);
      out.U8((p.g * p.a + 127U) / 255);
      out.U8((p.r * p.a + 127U) / 255);
    }
    out.PadTo4(row_start);
  }
  return out.Take();
}

std::vector<uint8_t> EncodeBmp32(const Canvas& image) {
  const uint32_t pixel_bytes = Stride(image.width(), 32) * static_cast<uint32_t>(image.height());
  Bytes out;
  BmpFileHeader(out, kV5HeaderSize, pixel_bytes);
  InfoFields(out, kV5HeaderSize, image.width(), image.height(), 32, 3 /* BI_BITFIELDS */,
             pixel_bytes, kPixelsPerMetre);
  out.U32(0x00FF0000);  // red, green, blue and alpha masks
  out.U32(0x0000FF00);
  out.U32(0x000000FF);
  out.U32(0xFF000000);
  out.U32(0x73524742);                         // LCS_sRGB
  for (int i = 0; i < 9 + 3; ++i) out.U32(0);  // end points and gamma, unused with sRGB
  out.U32(4);                                  // LCS_GM_IMAGES
  out.U32(0);                                  // no profile
  out.U32(0);
  out.U32(0);
  Pixels32(out, image);
  return out.Take();
}

std::vector<uint8_t> EncodeIcon(const std::vector<Canvas>& images) {
  return IconFile(1, images, {});
}

std::vector<uint8_t> EncodeCursor(const std::vector<Canvas>& images,
                                  const std::vector<HotSpot>& hot_spots) {
  return IconFile(2, images, hot_spots);
}

}  // namespace kelvara::resgen
