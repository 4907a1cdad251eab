#pragma once

#include <windows.h>

#include "platform/win32/raii.h"

namespace kelvara::win32::host {

// An off-screen bitmap the size of a window's client area: a paint draws
// there and copies the result in one go, so nothing flickers.
class BackBuffer {
 public:
  BackBuffer() = default;
  ~BackBuffer() { Release(); }
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  // A DC to draw in, at least `width` by `height`; null when GDI refuses.
  [[nodiscard]] HDC Prepare(HDC like, int width, int height) {
    if (dc_ && width <= size_.cx && height <= size_.cy) return dc_.get();
    Release();
    dc_.reset(CreateCompatibleDC(like));
    bitmap_.reset(CreateCompatibleBitmap(like, width, height));
    if (!dc_ || !bitmap_) {
      Release();
      return nullptr;
    }
    original_ = SelectObject(dc_.get(), bitmap_.get());
    size_ = SIZE{width, height};
    return dc_.get();
  }

  void Release() {
    // The bitmap must leave the DC before either can go.
    if (dc_ && original_ != nullptr) SelectObject(dc_.get(), original_);
    original_ = nullptr;
    bitmap_.reset();
    dc_.reset();
    size_ = SIZE{};
  }

 private:
  UniqueCreatedDc dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ original_ = nullptr;
  SIZE size_{};
};

}  // namespace kelvara::win32::host
