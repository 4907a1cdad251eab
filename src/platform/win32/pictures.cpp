#include "platform/win32/pictures.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/win32/text.h"

namespace kelvara::win32 {
namespace {

struct Decoded {
  UniqueBitmap bitmap;
  PictureSize size;
  HRESULT result = E_FAIL;
};

// The largest picture we make: 16384 x 16384 at 4 bytes a pixel is 1 GiB,
// more than any bar or clock face could want.
constexpr UINT kMaxSide = 16384;

Decoded ToDib(IWICImagingFactory* factory, IWICBitmapSource* source) {
  Decoded out;
  ComPtr<IWICFormatConverter> converter;
  out.result = factory->CreateFormatConverter(converter.put());
  if (FAILED(out.result)) return out;
  out.result = converter->Initialize(source, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                     nullptr, 0.0, WICBitmapPaletteTypeCustom);
  if (FAILED(out.result)) return out;
  UINT width = 0, height = 0;
  out.result = converter->GetSize(&width, &height);
  if (FAILED(out.result)) return out;
  if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) {
    out.result = E_OUTOFMEMORY;
    return out;
  }
  // Top-down, as WIC writes rows.
  NewDib dib = MakeTopDownDib(static_cast<int>(width), static_cast<int>(height));
  if (!dib.bitmap) {
    out.result = E_OUTOFMEMORY;
    return out;
  }
  const UINT stride = width * 4;
  out.result = converter->CopyPixels(nullptr, stride, stride * height, dib.pixels);
  if (FAILED(out.result)) return out;
  out.bitmap = std::move(dib.bitmap);
  out.size = PictureSize{static_cast<int>(width), static_cast<int>(height)};
  return out;
}

Decoded FirstFrame(IWICImagingFactory* factory, IWICBitmapDecoder* decoder) {
  ComPtr<IWICBitmapFrameDecode> frame;
  if (const HRESULT result = decoder->GetFrame(0, frame.put()); FAILED(result)) {
    Decoded failed;
    failed.result = result;
    return failed;
  }
  return ToDib(factory, frame.get());
}

// Decodes a file image held in memory; `bytes` must outlive the call only.
Decoded FromMemory(IWICImagingFactory* factory, const std::uint8_t* bytes, std::size_t size) {
  Decoded failed;
  if (size == 0 || size > 0x7FFFFFFF) return failed;
  ComPtr<IWICStream> stream;
  failed.result = factory->CreateStream(stream.put());
  if (FAILED(failed.result)) return failed;
  failed.result = stream->InitializeFromMemory(const_cast<BYTE*>(bytes), static_cast<DWORD>(size));
  if (FAILED(failed.result)) return failed;
  ComPtr<IWICBitmapDecoder> decoder;
  failed.result = factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                   WICDecodeMetadataCacheOnDemand, decoder.put());
  if (FAILED(failed.result)) return failed;
  return FirstFrame(factory, decoder.get());
}

std::string ReasonFor(HRESULT result) {
  switch (result) {
    case HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND):
    case HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND):
    case HRESULT_FROM_WIN32(ERROR_INVALID_NAME):
    case HRESULT_FROM_WIN32(ERROR_BAD_NETPATH):
      return "ファイルが見つかりません";
    case HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED):
    case HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION):
      return "ファイルを開けません";
    case E_OUTOFMEMORY:
      return "画像が大きすぎます";
    default:
      return "画像として読み取れません";
  }
}

struct ResourceBytes {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
};

ResourceBytes FindBytes(HMODULE module, const wchar_t* name, const wchar_t* type) {
  const HRSRC found = FindResourceW(module, name, type);
  if (found == nullptr) return {};
  const HGLOBAL loaded = LoadResource(module, found);  // not to be freed: part of the module
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) return {};
  return {static_cast<const std::uint8_t*>(data), SizeofResource(module, found)};
}

std::uint32_t Read16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t Read32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// A bitmap resource is a BMP file without its 14-byte file header; give it one
// back so the decoder reads it like any BMP file.
std::vector<std::uint8_t> BmpFileFromPackedDib(ResourceBytes dib) {
  if (dib.size < 12) return {};
  const std::uint32_t header = Read32(dib.data);
  std::uint32_t table = 0;
  if (header == 12) {
    const std::uint32_t bits = Read16(dib.data + 10);
    table = bits <= 8 ? (1u << bits) * 3 : 0;
  } else {
    if (header < 40 || dib.size < header) return {};
    const std::uint32_t bits = Read16(dib.data + 14);
    const std::uint32_t compression = Read32(dib.data + 16);
    const std::uint32_t used = Read32(dib.data + 32);
    const std::uint32_t colours = used != 0 ? used : (bits <= 8 ? (1u << bits) : 0);
    if (colours > 256) return {};
    table = colours * 4;
    if (header == 40 && compression == BI_BITFIELDS) table += 12;
    if (header == 40 && compression == 6) table += 16;  // BI_ALPHABITFIELDS
  }
  std::vector<std::uint8_t> file;
  file.reserve(14 + dib.size);
  Put16(file, 0x4D42);  // "BM"
  Put32(file, static_cast<std::uint32_t>(14 + dib.size));
  Put32(file, 0);
  Put32(file, 14 + header + table);
  file.insert(file.end(), dib.data, dib.data + dib.size);
  return file;
}

// An icon group resource points at its icons by id; put them together as the
// ICO file they came from.
std::vector<std::uint8_t> IcoFileFromGroup(HMODULE module, ResourceBytes group) {
  if (group.size < 6 || Read16(group.data + 2) != 1) return {};
  const std::uint32_t count = Read16(group.data + 4);
  if (count == 0 || group.size < 6 + count * 14) return {};
  std::vector<ResourceBytes> images;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint8_t* entry = group.data + 6 + i * 14;
    const ResourceBytes image =
        FindBytes(module, MAKEINTRESOURCEW(Read16(entry + 12)), MAKEINTRESOURCEW(3));  // RT_ICON
    if (image.data == nullptr) return {};
    images.push_back(image);
  }
  std::vector<std::uint8_t> file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, count);
  std::uint32_t offset = 6 + count * 16;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint8_t* entry = group.data + 6 + i * 14;
    file.insert(file.end(), entry, entry + 8);  // size, colours, planes, bits
    Put32(file, static_cast<std::uint32_t>(images[i].size));
    Put32(file, offset);
    offset += static_cast<std::uint32_t>(images[i].size);
  }
  for (const ResourceBytes& image : images) {
    file.insert(file.end(), image.data, image.data + image.size);
  }
  return file;
}

}  // namespace

UniqueBitmap DibFromPacked(const std::uint8_t* dib, std::size_t size) {
  if (dib == nullptr || size < 40) return {};
  const std::uint32_t header = Read32(dib);
  const auto width = static_cast<std::int32_t>(Read32(dib + 4));
  const auto height = static_cast<std::int32_t>(Read32(dib + 8));
  const std::uint32_t bits = Read16(dib + 14);
  const std::uint32_t compression = Read32(dib + 16);
  const std::uint32_t colours = Read32(dib + 32);
  if (header < 40 || header > size || compression != BI_RGB || colours != 0) return {};
  if (bits != 24 && bits != 32) return {};
  if (width <= 0 || width > static_cast<std::int32_t>(kMaxSide) || height == 0 ||
      height < -static_cast<std::int32_t>(kMaxSide) ||
      height > static_cast<std::int32_t>(kMaxSide)) {
    return {};
  }
  const std::size_t rows = static_cast<std::size_t>(height < 0 ? -height : height);
  const std::size_t columns = static_cast<std::size_t>(width);
  const std::size_t bytes_per_pixel = bits / 8;
  const std::size_t stride = (columns * bytes_per_pixel + 3) & ~std::size_t{3};
  if ((size - header) / stride < rows) return {};

  NewDib made = MakeTopDownDib(width, static_cast<int>(rows));
  if (!made.bitmap) return {};
  std::uint8_t* out = made.pixels;
  const std::uint8_t* pixels = dib + header;
  for (std::size_t y = 0; y < rows; ++y) {
    // A positive height stores the bottom row first.
    const std::uint8_t* from = pixels + (height > 0 ? rows - 1 - y : y) * stride;
    std::uint8_t* to = out + y * columns * 4;
    for (std::size_t x = 0; x < columns; ++x, from += bytes_per_pixel, to += 4) {
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
      to[3] = 255;
    }
  }
  return std::move(made.bitmap);
}

NewDib MakeTopDownDib(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || bits == nullptr) return {};
  return {std::move(bitmap), static_cast<std::uint8_t*>(bits)};
}

PictureSize BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) != sizeof info) return {};
  return PictureSize{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

std::string ResourceNameFor(std::string_view model_name) {
  std::string name(model_name);
  for (char& c : name) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c == '/') c = '_';
  }
  return name;
}

Win32Pictures::Win32Pictures(HMODULE resources)
    : resources_(resources != nullptr ? resources : GetModuleHandleW(nullptr)) {}

Win32Pictures::~Win32Pictures() = default;

IWICImagingFactory* Win32Pictures::Factory() {
  if (!factory_) {
    if (!com_) com_.emplace();
    // The first factory: the one every Windows since XP SP3 and Wine have.
    CoCreateInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER,
                     IID_IWICImagingFactory, factory_.put_void());
  }
  return factory_.get();
}

platform::LoadedPicture Win32Pictures::Load(std::string_view path) {
  if (path.empty()) return {0, "ファイルが見つかりません"};
  IWICImagingFactory* factory = Factory();
  if (factory == nullptr) return {0, "画像を読み込む機能が使えません"};
  const std::wstring wide_path = Widen(path);
  ComPtr<IWICBitmapDecoder> decoder;
  HRESULT result = factory->CreateDecoderFromFilename(
      wide_path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand, decoder.put());
  if (FAILED(result)) return {0, ReasonFor(result)};
  Decoded decoded = FirstFrame(factory, decoder.get());
  if (!decoded.bitmap) return {0, ReasonFor(decoded.result)};
  const ui::PictureId id = next_id_++;
  if (next_id_ == 0) next_id_ = 1;
  loaded_[id] = Picture{std::move(decoded.bitmap), decoded.size};
  return {id, {}};
}

void Win32Pictures::Release(ui::PictureId id) {
  const auto found = loaded_.find(id);
  if (found == loaded_.end()) return;
  for (PictureReleaseObserver* observer : observers_)
    observer->Releasing(found->second.bitmap.get());
  loaded_.erase(found);
}

void Win32Pictures::AddReleaseObserver(PictureReleaseObserver& observer) {
  if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end()) {
    observers_.push_back(&observer);
  }
}

void Win32Pictures::RemoveReleaseObserver(PictureReleaseObserver& observer) {
  std::erase(observers_, &observer);
}

HBITMAP Win32Pictures::Bitmap(ui::PictureId id) const {
  const auto found = loaded_.find(id);
  return found == loaded_.end() ? nullptr : found->second.bitmap.get();
}

PictureSize Win32Pictures::Size(ui::PictureId id) const {
  const auto found = loaded_.find(id);
  return found == loaded_.end() ? PictureSize{} : found->second.size;
}

HBITMAP Win32Pictures::FromResource(std::string_view name) {
  const std::string key = ResourceNameFor(name);
  if (const auto found = own_.find(key); found != own_.end()) return found->second.bitmap.get();
  if (key.empty()) return nullptr;
  const std::wstring wide = Widen(key);
  std::vector<std::uint8_t> file;
  ResourceBytes bytes;
  if (const ResourceBytes dib = FindBytes(resources_, wide.c_str(), MAKEINTRESOURCEW(2));
      dib.data) {
    if (UniqueBitmap direct = DibFromPacked(dib.data, dib.size)) {
      Picture& own = own_[key];
      own.size = BitmapSize(direct.get());
      own.bitmap = std::move(direct);
      return own.bitmap.get();
    }
    file = BmpFileFromPackedDib(dib);  // RT_BITMAP
  } else if (const ResourceBytes raw = FindBytes(resources_, wide.c_str(), MAKEINTRESOURCEW(10));
             raw.data) {
    bytes = raw;  // RT_RCDATA: a whole picture file
  } else if (const ResourceBytes group =
                 FindBytes(resources_, wide.c_str(), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
             group.data) {
    file = IcoFileFromGroup(resources_, group);
  }
  if (!file.empty()) bytes = ResourceBytes{file.data(), file.size()};
  IWICImagingFactory* factory = Factory();
  if (bytes.data == nullptr || factory == nullptr) return nullptr;
  Decoded decoded = FromMemory(factory, bytes.data, bytes.size);
  if (!decoded.bitmap) return nullptr;
  Picture& own = own_[key];
  own = Picture{std::move(decoded.bitmap), decoded.size};
  return own.bitmap.get();
}

}  // namespace kelvara::win32
