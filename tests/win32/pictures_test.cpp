// Pictures from files and from our own resources, decoded by Windows, as
// 32-bit premultiplied DIB sections; failures as reasons, releases as frees.
#include "platform/win32/pictures.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/text.h"

namespace kelvara::win32 {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Rgba {
  std::uint8_t r, g, b, a;
};

void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void PutBig32(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// A 3 x 2 picture: red, green, blue over white, black, and a transparent grey.
constexpr int kWidth = 3, kHeight = 2;
const std::array<Rgba, kWidth* kHeight> kPixels = {{
    {255, 0, 0, 255},
    {0, 255, 0, 255},
    {0, 0, 255, 255},
    {255, 255, 255, 255},
    {0, 0, 0, 255},
    {128, 128, 128, 0},
}};

void PutInfoHeader(Bytes& out, int width, int height, int bits) {
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bits));
  for (int i = 0; i < 6; ++i) Put32(out, 0);  // BI_RGB, no size, no resolution, no palette
}

// A 24-bit BMP file, bottom-up rows padded to four bytes.
Bytes MakeBmp() {
  const int stride = (kWidth * 3 + 3) & ~3;
  Bytes out;
  Put16(out, 0x4D42);
  Put32(out, static_cast<std::uint32_t>(54 + stride * kHeight));
  Put32(out, 0);
  Put32(out, 54);
  PutInfoHeader(out, kWidth, kHeight, 24);
  for (int y = kHeight - 1; y >= 0; --y) {
    for (int x = 0; x < kWidth; ++x) {
      const Rgba& p = kPixels[static_cast<std::size_t>(y * kWidth + x)];
      out.insert(out.end(), {p.b, p.g, p.r});
    }
    for (int pad = kWidth * 3; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
  }
  return ~crc;
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
  PutBig32(out, static_cast<std::uint32_t>(data.size()));
  Bytes typed(type, type + 4);
  typed.insert(typed.end(), data.begin(), data.end());
  out.insert(out.end(), typed.begin(), typed.end());
  PutBig32(out, Crc32(typed.data(), typed.size()));
}

// An 8-bit RGBA PNG with its image in one stored (uncompressed) deflate block.
Bytes MakePng() {
  Bytes raw;
  for (int y = 0; y < kHeight; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < kWidth; ++x) {
      const Rgba& p = kPixels[static_cast<std::size_t>(y * kWidth + x)];
      raw.insert(raw.end(), {p.r, p.g, p.b, p.a});
    }
  }
  Bytes zlib = {0x78, 0x01, 0x01};
  Put16(zlib, static_cast<std::uint32_t>(raw.size()));
  Put16(zlib, static_cast<std::uint32_t>(~raw.size() & 0xFFFF));
  zlib.insert(zlib.end(), raw.begin(), raw.end());
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  PutBig32(zlib, (b << 16) | a);

  Bytes header;
  PutBig32(header, kWidth);
  PutBig32(header, kHeight);
  header.insert(header.end(), {8, 6, 0, 0, 0});
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", zlib);
  PutChunk(out, "IEND", {});
  return out;
}

// The image of one 32-bit icon: header with doubled height, colours bottom-up,
// then an all-clear AND mask so that alpha decides.
Bytes MakeIconImage() {
  Bytes out;
  PutInfoHeader(out, kWidth, kHeight * 2, 32);
  for (int y = kHeight - 1; y >= 0; --y) {
    for (int x = 0; x < kWidth; ++x) {
      const Rgba& p = kPixels[static_cast<std::size_t>(y * kWidth + x)];
      out.insert(out.end(), {p.b, p.g, p.r, p.a});
    }
  }
  for (int y = 0; y < kHeight; ++y) Put32(out, 0);  // mask rows, 4 bytes each
  return out;
}

Bytes MakeIco() {
  const Bytes image = MakeIconImage();
  Bytes out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, 1);
  out.insert(out.end(), {kWidth, kHeight, 0, 0});
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, static_cast<std::uint32_t>(image.size()));
  Put32(out, 22);
  out.insert(out.end(), image.begin(), image.end());
  return out;
}

// What the DIB must hold: BGRA, premultiplied, top row first in memory.
std::array<std::uint32_t, kWidth * kHeight> ExpectedPixels(bool with_alpha) {
  std::array<std::uint32_t, kWidth * kHeight> out{};
  for (std::size_t i = 0; i < kPixels.size(); ++i) {
    Rgba p = kPixels[i];
    if (!with_alpha) p.a = 255;
    const auto scale = [&](std::uint8_t c) { return static_cast<std::uint32_t>(c * p.a / 255); };
    out[i] = scale(p.b) | (scale(p.g) << 8) | (scale(p.r) << 16) | (std::uint32_t{p.a} << 24);
  }
  return out;
}

std::array<std::uint32_t, kWidth * kHeight> PixelsOf(HBITMAP bitmap) {
  std::array<std::uint32_t, kWidth * kHeight> out{};
  DIBSECTION section{};
  if (GetObjectW(bitmap, sizeof section, &section) != sizeof section) return out;
  EXPECT_EQ(section.dsBmih.biBitCount, 32);
  const auto* bits = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = bits[i];
  return out;
}

class PicturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"kelvara 画像 " + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
  }
  void TearDown() override {
    for (const std::wstring& file : files_) DeleteFileW(file.c_str());
    RemoveDirectoryW(folder_.c_str());
  }

  // Writes the bytes to a file of that name in the test folder; its UTF-8 path.
  std::string Write(const wchar_t* name, const Bytes& bytes) {
    const std::wstring path = folder_ + L"\\" + name;
    files_.push_back(path);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return Narrow(path);
  }

  std::wstring folder_;
  std::vector<std::wstring> files_;
};

struct FormatRow {
  const wchar_t* name;
  Bytes (*make)();
  bool alpha;
};

TEST_F(PicturesTest, EachFormatLoadsWithItsSizeAndPixels) {
  const FormatRow rows[] = {
      {L"三色.bmp", MakeBmp, false},
      {L"三色.png", MakePng, true},
      {L"三色.ico", MakeIco, true},
  };
  Win32Pictures pictures;
  for (const FormatRow& row : rows) {
    const platform::LoadedPicture loaded = pictures.Load(Write(row.name, row.make()));
    ASSERT_NE(loaded.id, 0u) << Narrow(row.name) << ": " << loaded.error;
    EXPECT_EQ(loaded.error, "");
    EXPECT_EQ(pictures.Size(loaded.id), (PictureSize{kWidth, kHeight}));
    EXPECT_EQ(BitmapSize(pictures.Bitmap(loaded.id)), (PictureSize{kWidth, kHeight}));
    EXPECT_EQ(PixelsOf(pictures.Bitmap(loaded.id)), ExpectedPixels(row.alpha)) << Narrow(row.name);
  }
  EXPECT_EQ(pictures.loaded_count(), 3u);
}

TEST_F(PicturesTest, EveryLoadGetsAnIdOfItsOwn) {
  Win32Pictures pictures;
  const std::string path = Write(L"a.bmp", MakeBmp());
  const ui::PictureId first = pictures.Load(path).id;
  const ui::PictureId second = pictures.Load(path).id;
  EXPECT_NE(first, 0u);
  EXPECT_NE(second, 0u);
  EXPECT_NE(first, second);
  EXPECT_NE(pictures.Bitmap(first), pictures.Bitmap(second));
}

Bytes FirstBytes(Bytes bytes, std::size_t count) {
  bytes.resize(count);
  return bytes;
}

struct FailureRow {
  const wchar_t* name;  // null: no file is written
  Bytes bytes;
  const char* reason;
};

TEST_F(PicturesTest, UnreadableFilesGiveNoIdAndAReason) {
  const FailureRow rows[] = {
      {nullptr, {}, "ファイルが見つかりません"},
      {L"garbage.bmp", Bytes{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'},
       "画像として読み取れません"},
      {L"empty.png", Bytes{}, "画像として読み取れません"},
      {L"cut.png", FirstBytes(MakePng(), 40), "画像として読み取れません"},
  };
  Win32Pictures pictures;
  for (const FailureRow& row : rows) {
    const std::string path =
        row.name != nullptr ? Write(row.name, row.bytes) : Narrow(folder_ + L"\\ない.bmp");
    const platform::LoadedPicture loaded = pictures.Load(path);
    EXPECT_EQ(loaded.id, 0u) << path;
    EXPECT_EQ(loaded.error, row.reason) << path;
  }
  EXPECT_EQ(pictures.Load("").id, 0u);
  EXPECT_EQ(pictures.loaded_count(), 0u);
}

TEST_F(PicturesTest, ReleaseDeletesTheBitmapAndForgetsTheId) {
  Win32Pictures pictures;
  const std::string path = Write(L"r.png", MakePng());
  std::vector<HBITMAP> released;
  const DWORD gdi_before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 200; ++i) {
    const ui::PictureId id = pictures.Load(path).id;
    ASSERT_NE(id, 0u);
    const HBITMAP bitmap = pictures.Bitmap(id);
    ASSERT_NE(GetObjectType(bitmap), 0u);
    pictures.Release(id);
    ASSERT_EQ(GetObjectType(bitmap), 0u) << "load " << i;
    EXPECT_EQ(pictures.Bitmap(id), nullptr);
    EXPECT_EQ(pictures.Size(id), PictureSize{});
    pictures.Release(id);  // a second release is harmless
  }
  EXPECT_EQ(pictures.loaded_count(), 0u);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi_before);
}

TEST(ResourceNames, FormNamesBecomeResourceNames) {
  const std::pair<const char*, const char*> rows[] = {
      {"clock_face", "CLOCK_FACE"},
      {"moon/mp07", "MOON_MP07"},
      {"moon/mp29", "MOON_MP29"},
      {"grip", "GRIP"},
      {"logo", "LOGO"},
      {"hand", "HAND"},
      {"launcher/computer", "LAUNCHER_COMPUTER"},
      {"CLOCK_FACE", "CLOCK_FACE"},  // already a resource name
  };
  for (const auto& [model, resource] : rows) EXPECT_EQ(ResourceNameFor(model), resource);
}

// A packed DIB of the test picture: `bits` 24 or 32, rows bottom-up unless
// `top_down`; the 32-bit alpha bytes hold rubbish the reader must ignore.
Bytes MakePackedDib(int bits, bool top_down) {
  const int bytes = bits / 8;
  const int stride = (kWidth * bytes + 3) & ~3;
  Bytes out;
  PutInfoHeader(out, kWidth, top_down ? -kHeight : kHeight, bits);
  for (int row = 0; row < kHeight; ++row) {
    const int y = top_down ? row : kHeight - 1 - row;
    for (int x = 0; x < kWidth; ++x) {
      const Rgba& p = kPixels[static_cast<std::size_t>(y * kWidth + x)];
      out.insert(out.end(), {p.b, p.g, p.r});
      if (bytes == 4) out.push_back(0x5A);
    }
    for (int pad = kWidth * bytes; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

TEST(PackedDibTest, UncompressedBitmapsBecomeOpaqueTopDownDibs) {
  const std::pair<int, bool> rows[] = {{24, false}, {24, true}, {32, false}, {32, true}};
  for (const auto& [bits, top_down] : rows) {
    const Bytes dib = MakePackedDib(bits, top_down);
    const UniqueBitmap bitmap = DibFromPacked(dib.data(), dib.size());
    ASSERT_TRUE(bitmap) << bits << (top_down ? " top-down" : " bottom-up");
    EXPECT_EQ(BitmapSize(bitmap.get()), (PictureSize{kWidth, kHeight}));
    EXPECT_EQ(PixelsOf(bitmap.get()), ExpectedPixels(false))
        << bits << (top_down ? " top-down" : " bottom-up");
  }
}

TEST(PackedDibTest, OtherKindsAndShortDataAreLeftToTheDecoder) {
  const auto patched = [](std::size_t at, std::uint32_t value, int width = 4) {
    Bytes dib = MakePackedDib(24, false);
    for (int i = 0; i < width; ++i) dib[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return dib;
  };
  Bytes short_by_one = MakePackedDib(24, false);
  short_by_one.pop_back();
  Bytes header_alone = MakePackedDib(24, false);
  header_alone.resize(40);
  const std::pair<const char*, Bytes> rows[] = {
      {"8 bits a pixel", patched(14, 8, 2)},
      {"16 bits a pixel", patched(14, 16, 2)},
      {"run-length compressed", patched(16, BI_RLE8)},
      {"bit fields", patched(16, BI_BITFIELDS)},
      {"a colour table", patched(32, 2)},
      {"no width", patched(4, 0)},
      {"a negative width", patched(4, 0xFFFFFFFF)},
      {"no height", patched(8, 0)},
      {"wider than any picture we make", patched(4, 16385)},
      {"a header longer than the data", patched(0, 4096)},
      {"a header shorter than any", patched(0, 12)},
      {"a row short", short_by_one},
      {"the header alone", header_alone},
  };
  for (const auto& [name, dib] : rows) {
    EXPECT_FALSE(DibFromPacked(dib.data(), dib.size())) << name;
  }
  EXPECT_FALSE(DibFromPacked(nullptr, 100));
}

// Our own pictures come from a module's resources. The test puts them into a
// copy of itself and loads that copy as data.
class ResourcePicturesTest : public PicturesTest {
 protected:
  void SetUp() override {
    PicturesTest::SetUp();
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring copy = folder_ + L"\\resources.dll";
    files_.push_back(copy);
    ASSERT_TRUE(CopyFileW(self, copy.c_str(), FALSE));

    const Bytes bmp = MakeBmp();
    const Bytes packed_dib(bmp.begin() + 14, bmp.end());
    const Bytes png = MakePng();
    const Bytes icon = MakeIconImage();
    Bytes group;
    Put16(group, 0);
    Put16(group, 1);
    Put16(group, 1);
    group.insert(group.end(), {kWidth, kHeight, 0, 0});
    Put16(group, 1);
    Put16(group, 32);
    Put32(group, static_cast<std::uint32_t>(icon.size()));
    Put16(group, 901);

    HANDLE update = BeginUpdateResourceW(copy.c_str(), FALSE);
    ASSERT_NE(update, nullptr);
    const WORD neutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
    const auto add = [&](LPCWSTR type, LPCWSTR name, const Bytes& data) {
      return UpdateResourceW(update, type, name, neutral, const_cast<std::uint8_t*>(data.data()),
                             static_cast<DWORD>(data.size()));
    };
    ASSERT_TRUE(add(RT_BITMAP, L"TEST_BITMAP", packed_dib));
    ASSERT_TRUE(add(RT_RCDATA, L"TEST_PNG", png));
    ASSERT_TRUE(add(RT_ICON, MAKEINTRESOURCEW(901), icon));
    ASSERT_TRUE(add(RT_GROUP_ICON, L"TEST_ICON", group));
    ASSERT_TRUE(EndUpdateResourceW(update, FALSE));

    module_ = LoadLibraryExW(copy.c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override {
    if (module_ != nullptr) FreeLibrary(module_);
    PicturesTest::TearDown();
  }

  HMODULE module_ = nullptr;
};

TEST_F(ResourcePicturesTest, BitmapDataAndIconResourcesDecode) {
  const std::pair<const char*, bool> rows[] = {
      {"test/bitmap", false},  // name and whether the picture keeps its alpha
      {"test/png", true},
      {"TEST_ICON", true},
  };
  Win32Pictures pictures(module_);
  for (const auto& [name, alpha] : rows) {
    const HBITMAP bitmap = pictures.FromResource(name);
    ASSERT_NE(bitmap, nullptr) << name;
    EXPECT_EQ(BitmapSize(bitmap), (PictureSize{kWidth, kHeight}));
    EXPECT_EQ(PixelsOf(bitmap), ExpectedPixels(alpha)) << name;
    // Decoded once: the same bitmap again.
    EXPECT_EQ(pictures.FromResource(name), bitmap);
  }
  EXPECT_EQ(pictures.FromResource("no/such_picture"), nullptr);
  EXPECT_EQ(pictures.FromResource(""), nullptr);
}

TEST_F(ResourcePicturesTest, OwnPicturesAreDeletedWithTheirOwner) {
  HBITMAP bitmap = nullptr;
  {
    Win32Pictures pictures(module_);
    bitmap = pictures.FromResource("test/png");
    ASSERT_NE(GetObjectType(bitmap), 0u);
  }
  EXPECT_EQ(GetObjectType(bitmap), 0u);
}

}  // namespace
}  // namespace kelvara::win32
