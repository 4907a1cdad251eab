#pragma once

// Helpers of the host's tests: a canvas whose pixels can be read, a look at
// the process's GDI objects, and a window to test with when a display exists.
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/win32/raii.h"
#include "platform/win32/text.h"

namespace kelvara::win32::host::testing {

// A 24-bit BMP file of `width` x `height` whose pixel at (x, y) is `colour`.
inline std::string WriteBmp(const char* name, int width, int height,
                            const std::function<COLORREF(int, int)>& colour) {
  const int row = (width * 3 + 3) / 4 * 4;
  std::vector<std::uint8_t> file(54 + static_cast<std::size_t>(row * height), 0);
  auto put32 = [&file](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  file[0] = 'B', file[1] = 'M';
  put32(2, static_cast<std::uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  file[26] = 1, file[28] = 24;
  for (int y = 0; y < height; ++y) {
    std::uint8_t* line = file.data() + 54 + static_cast<std::size_t>((height - 1 - y) * row);
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colour(x, y);
      line[x * 3] = GetBValue(c);
      line[x * 3 + 1] = GetGValue(c);
      line[x * 3 + 2] = GetRValue(c);
    }
  }
  const auto path = std::filesystem::temp_directory_path() / name;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  return Narrow(path.wstring());
}

// A 32-bit top-down DIB section selected into a memory DC.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_.reset(CreateCompatibleDC(nullptr));
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<DWORD*>(bits);
    select_ = SelectedObject(dc_.get(), bitmap_.get());
  }

  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }

  COLORREF At(int x, int y) const {
    GdiFlush();
    const DWORD bgra = bits_[y * width_ + x];
    return RGB((bgra >> 16) & 0xff, (bgra >> 8) & 0xff, bgra & 0xff);
  }
  void Fill(COLORREF colour) {
    GdiFlush();
    const DWORD bgra = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    for (int i = 0; i < width_ * height_; ++i) bits_[i] = bgra;
  }
  // Pixels inside `r` (or outside it) that are not `colour`.
  int CountOther(COLORREF colour, const RECT& r, bool inside) const {
    int count = 0;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const bool in = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
        if (in == inside && At(x, y) != colour) ++count;
      }
    }
    return count;
  }

 private:
  int width_, height_;
  UniqueCreatedDc dc_;
  UniqueBitmap bitmap_;
  DWORD* bits_ = nullptr;
  SelectedObject select_;
};

// The GDI handle slots that 256 fresh objects get. GDI hands freed slots out
// again first, so the same set before and after some work means the work
// left no object behind; a leak holds a slot and pushes a fresh one in.
inline std::set<WORD> FreshGdiSlots() {
  std::vector<HPEN> pens;
  for (int i = 0; i < 256; ++i) pens.push_back(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
  std::set<WORD> slots;
  for (HPEN pen : pens) slots.insert(LOWORD(reinterpret_cast<UINT_PTR>(pen)));
  for (HPEN pen : pens) DeleteObject(pen);
  return slots;
}

// Live GDI objects where the system counts them (Windows); 0 where it does
// not (Wine).
inline DWORD CountedGdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

}  // namespace kelvara::win32::host::testing

namespace kelvara::win32::host::testing {

// What the process holds in GDI objects, as exactly as the system tells.
struct GdiState {
  DWORD counted = 0;
  std::set<WORD> slots;
  bool operator==(const GdiState& other) const {
    return counted != 0 ? counted == other.counted : slots == other.slots;
  }
};

inline GdiState Gdi() {
  GdiState state{CountedGdiObjects(), {}};
  if (state.counted == 0) state.slots = FreshGdiSlots();
  return state;
}

}  // namespace kelvara::win32::host::testing
