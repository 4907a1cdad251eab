#include "file_reader.h"

namespace kelvara::resgen {
namespace {

class Reader {
 public:
  explicit Reader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}

  bool Has(size_t at, size_t count) const {
    return at <= bytes_.size() && count <= bytes_.size() - at;
  }
  uint32_t U8(size_t at) const { return bytes_[at]; }
  uint32_t U16(size_t at) const { return U8(at) | U8(at + 1) << 8; }
  uint32_t U32(size_t at) const { return U16(at) | U16(at + 2) << 16; }
  int32_t I32(size_t at) const { return static_cast<int32_t>(U32(at)); }
  size_t size() const { return bytes_.size(); }

 private:
  const std::vector<uint8_t>& bytes_;
};

size_t RowBytes(int64_t width, int64_t bits) {
  return static_cast<size_t>((width * bits + 31) / 32 * 4);
}

std::string ReadBmp(const Reader& in, DecodedFile& out) {
  if (!in.Has(0, 54)) return "shorter than a BMP's headers";
  if (in.U32(2) != in.size()) return "file size field is not the file's size";
  if (in.U32(6) != 0) return "reserved fields are not zero";
  const uint32_t header = in.U32(14);
  const uint32_t offset = in.U32(10);
  if (header != 40 && header != 124) return "unexpected info header size";
  if (offset != 14 + header || !in.Has(14, header)) return "pixels do not follow the header";
  const int32_t width = in.I32(18), height = in.I32(22);
  if (width <= 0 || height <= 0 || width > 4096 || height > 4096) return "bad dimensions";
  if (in.U16(26) != 1) return "planes is not 1";
  const uint32_t bits = in.U16(28), compression = in.U32(30);
  if (bits == 24 && header == 40 && compression == 0) {
    out.kind = FileKind::kBmp24;
  } else if (bits == 32 && header == 124 && compression == 3) {
    if (in.U32(54) != 0x00FF0000 || in.U32(58) != 0x0000FF00 || in.U32(62) != 0x000000FF ||
        in.U32(66) != 0xFF000000) {
      return "32-bit masks are not BGRA";
    }
    out.kind = FileKind::kBmp32;
  } else {
    return "unexpected bit count, header or compression";
  }
  const size_t stride = RowBytes(width, bits);
  const size_t image_bytes = stride * static_cast<size_t>(height);
  if (in.U32(34) != image_bytes) return "image size field is wrong";
  if (offset + image_bytes != in.size()) return "pixel data does not end the file";
  Canvas canvas(width, height);
  for (int32_t row = 0; row < height; ++row) {
    const size_t start = offset + static_cast<size_t>(height - 1 - row) * stride;
    for (int32_t x = 0; x < width; ++x) {
      const size_t at = start + static_cast<size_t>(x) * (bits / 8);
      const Rgba p{static_cast<uint8_t>(in.U8(at + 2)), static_cast<uint8_t>(in.U8(at + 1)),
                   static_cast<uint8_t>(in.U8(at)),
                   static_cast<uint8_t>(bits == 32 ? in.U8(at + 3) : 255)};
      canvas.Set(x, row, p);
    }
  }
  out.images.push_back({std::move(canvas), {}});
  return "";
}

std::string ReadIconImage(const Reader& in, size_t at, size_t length, int width, int height,
                          DecodedImage& image) {
  const size_t xor_bytes = RowBytes(width, 32) * static_cast<size_t>(height);
  const size_t and_stride = RowBytes(width, 1);
  const size_t and_bytes = and_stride * static_cast<size_t>(height);
  if (length != 40 + xor_bytes + and_bytes) return "image length does not match its size";
  if (in.U32(at) != 40) return "image header is not 40 bytes";
  if (in.I32(at + 4) != width || in.I32(at + 8) != 2 * height)
    return "image header size differs from its entry";
  if (in.U16(at + 12) != 1 || in.U16(at + 14) != 32 || in.U32(at + 16) != 0) {
    return "image is not uncompressed 32-bit";
  }
  if (in.U32(at + 20) != xor_bytes + and_bytes) return "image size field is wrong";
  const size_t pixels = at + 40, mask = pixels + xor_bytes;
  for (int row = 0; row < height; ++row) {
    const size_t up = static_cast<size_t>(height - 1 - row);
    for (int x = 0; x < width; ++x) {
      const size_t p = pixels + up * RowBytes(width, 32) + static_cast<size_t>(x) * 4;
      const Rgba colour{static_cast<uint8_t>(in.U8(p + 2)), static_cast<uint8_t>(in.U8(p + 1)),
                        static_cast<uint8_t>(in.U8(p)), static_cast<uint8_t>(in.U8(p + 3))};
      image.pixels.Set(x, row, colour);
      const uint32_t byte = in.U8(mask + up * and_stride + static_cast<size_t>(x / 8));
      image.transparent_in_mask.push_back((byte >> (7 - x % 8) & 1) != 0);
    }
    for (size_t pad = static_cast<size_t>(width); pad < and_stride * 8; ++pad) {
      if ((in.U8(mask + up * and_stride + pad / 8) >> (7 - pad % 8) & 1) != 0) {
        return "mask padding is not zero";
      }
    }
  }
  return "";
}

std::string ReadIcon(const Reader& in, DecodedFile& out) {
  const uint32_t type = in.U16(2), count = in.U16(4);
  out.kind = type == 1 ? FileKind::kIcon : FileKind::kCursor;
  if (count == 0) return "wrong number of images";
  size_t next = 6 + 16 * size_t{count};
  if (!in.Has(0, next)) return "directory runs past the end";
  for (uint32_t i = 0; i < count; ++i) {
    const size_t entry = 6 + 16 * size_t{i};
    const int width = in.U8(entry) == 0 ? 256 : static_cast<int>(in.U8(entry));
    const int height = in.U8(entry + 1) == 0 ? 256 : static_cast<int>(in.U8(entry + 1));
    if (in.U8(entry + 2) != 0 || in.U8(entry + 3) != 0) return "colour count or reserved not zero";
    if (type == 1 && (in.U16(entry + 4) != 1 || in.U16(entry + 6) != 32)) {
      return "icon entry is not 1 plane of 32 bits";
    }
    if (type == 2) {
      out.hot_spots.push_back(
          {static_cast<int>(in.U16(entry + 4)), static_cast<int>(in.U16(entry + 6))});
    }
    const size_t length = in.U32(entry + 8), offset = in.U32(entry + 12);
    if (offset != next) return "images are not packed after the directory";
    if (!in.Has(offset, length)) return "image runs past the end of the file";
    next = offset + length;
    DecodedImage image{Canvas(width, height), {}};
    const std::string problem = ReadIconImage(in, offset, length, width, height, image);
    if (!problem.empty()) return problem;
    out.images.push_back(std::move(image));
  }
  if (next != in.size()) return "bytes left after the last image";
  return "";
}

}  // namespace

std::string DecodePictureFile(const std::vector<uint8_t>& bytes, DecodedFile& out) {
  out = {};
  const Reader in(bytes);
  if (in.Has(0, 2) && in.U8(0) == 'B' && in.U8(1) == 'M') return ReadBmp(in, out);
  if (in.Has(0, 6) && in.U16(0) == 0 && (in.U16(2) == 1 || in.U16(2) == 2))
    return ReadIcon(in, out);
  return "neither a BMP nor an icon or cursor";
}

}  // namespace kelvara::resgen
