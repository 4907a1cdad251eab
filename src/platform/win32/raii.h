#pragma once

// Move-only owners for everything the Win32 code acquires. Copies are deleted
// on purpose: a copied owner is a double free waiting to happen.

#include <objbase.h>
#include <pdh.h>
#include <windows.h>

#include <utility>

#include "platform/win32/live_gdi.h"

namespace kelvara::win32 {

// One value and the call that gives it back to the system. `Traits` names the
// value type, its empty value and the release call (ClosedBy below serves most).
template <typename Traits>
class Unique {
 public:
  using Value = typename Traits::Value;

  Unique() = default;
  explicit Unique(Value value) : value_(value) { Count(value, 1); }
  ~Unique() { reset(); }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  // A move changes the owner, not the count.
  Unique(Unique&& other) noexcept : value_(std::exchange(other.value_, Traits::None())) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) {
      reset();
      value_ = std::exchange(other.value_, Traits::None());
    }
    return *this;
  }

  Value get() const { return value_; }
  explicit operator bool() const { return value_ != Traits::None(); }

  // Gives up ownership without releasing: whoever takes it (the system, for
  // a window's region) is no longer counted as ours.
  Value release() {
    const Value value = std::exchange(value_, Traits::None());
    Count(value, -1);
    return value;
  }

  void reset(Value value = Traits::None()) {
    const Value old = std::exchange(value_, value);
    Count(value, 1);
    if (old != Traits::None()) {
      Traits::Close(old);
      Count(old, -1);
    }
  }

  // For calls that return the value through a pointer; releases any old one.
  Value* put() {
    static_assert(!kCounted, "a value written through a pointer would not be counted");
    reset();
    return &value_;
  }

 private:
  static constexpr bool kCounted = requires { requires Traits::kCountedGdi; };
  static void Count(Value value, long delta) {
    if constexpr (kCounted) {
      if (value != Traits::None()) LiveGdiCounter().fetch_add(delta, std::memory_order_relaxed);
    }
  }

  Value value_ = Traits::None();
};

// Traits for a value that is null when empty and goes back with one call.
// `kGdi` counts it among the live GDI objects.
template <typename V, auto kClose, bool kGdi = false>
struct ClosedBy {
  using Value = V;
  static constexpr bool kCountedGdi = kGdi;
  static Value None() { return nullptr; }
  static void Close(Value value) { kClose(value); }
};
// Files and devices say "invalid" with INVALID_HANDLE_VALUE instead of null.
struct FileTraits : ClosedBy<HANDLE, CloseHandle> {
  static Value None() { return INVALID_HANDLE_VALUE; }
};
template <typename H>
using GdiTraits = ClosedBy<H, DeleteObject, true>;
// pdh.dll is loaded when the counters open (pdh_counters.cpp).
void ClosePdhQuery(PDH_HQUERY query);

using UniqueHandle = Unique<ClosedBy<HANDLE, CloseHandle>>;
using UniqueMutex = UniqueHandle;
using UniqueFile = Unique<FileTraits>;
using UniqueGdiObject = Unique<GdiTraits<HGDIOBJ>>;
using UniqueBitmap = Unique<GdiTraits<HBITMAP>>;
using UniqueBrush = Unique<GdiTraits<HBRUSH>>;
using UniquePen = Unique<GdiTraits<HPEN>>;
using UniqueFont = Unique<GdiTraits<HFONT>>;
using UniqueRegion = Unique<GdiTraits<HRGN>>;
// A DC made with CreateCompatibleDC or CreateDC.
using UniqueCreatedDc = Unique<ClosedBy<HDC, DeleteDC, true>>;
using UniqueIcon = Unique<ClosedBy<HICON, DestroyIcon>>;
// Only for cursors we made or loaded without LR_SHARED.
using UniqueCursor = Unique<ClosedBy<HCURSOR, DestroyCursor>>;
using UniqueMenu = Unique<ClosedBy<HMENU, DestroyMenu>>;
using UniqueWindow = Unique<ClosedBy<HWND, DestroyWindow>>;
using UniqueGlobal = Unique<ClosedBy<HGLOBAL, GlobalFree>>;
using UniqueModule = Unique<ClosedBy<HMODULE, FreeLibrary>>;
using UniquePdhQuery = Unique<ClosedBy<PDH_HQUERY, ClosePdhQuery>>;
// Memory the shell hands out, item ID lists included.
using UniqueCoTaskMem = Unique<ClosedBy<void*, CoTaskMemFree>>;

// A DC got with GetDC: it goes back with ReleaseDC and its window.
class WindowDc {
 public:
  WindowDc() = default;
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() { reset(); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  WindowDc(WindowDc&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&& other) noexcept {
    if (this != &other) {
      reset();
      window_ = std::exchange(other.window_, nullptr);
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  void reset() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
    window_ = nullptr;
    dc_ = nullptr;
  }

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// BeginPaint to EndPaint, for WM_PAINT.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;

  HDC get() const { return dc_; }
  const PAINTSTRUCT& paint() const { return paint_; }

 private:
  HWND window_;
  HDC dc_ = nullptr;
  PAINTSTRUCT paint_{};
};

// Saves a DC's state (clipping, modes, selections) and restores it, so that
// what a painter narrowed does not outlive its scope.
class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDc() { RestoreDC(dc_, saved_); }
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// Selects an object into a DC and puts the previous one back, so that a DC is
// never deleted with one of our objects still selected.
class SelectedObject {
 public:
  SelectedObject() = default;
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {
    if (previous_ == HGDI_ERROR) previous_ = nullptr;
  }
  ~SelectedObject() { reset(); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  SelectedObject(SelectedObject&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)),
        previous_(std::exchange(other.previous_, nullptr)) {}
  SelectedObject& operator=(SelectedObject&& other) noexcept {
    if (this != &other) {
      reset();
      dc_ = std::exchange(other.dc_, nullptr);
      previous_ = std::exchange(other.previous_, nullptr);
    }
    return *this;
  }

  explicit operator bool() const { return previous_ != nullptr; }
  void reset() {
    if (dc_ != nullptr && previous_ != nullptr) SelectObject(dc_, previous_);
    dc_ = nullptr;
    previous_ = nullptr;
  }

 private:
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// GlobalLock for as long as the guard lives.
class GlobalLocked {
 public:
  explicit GlobalLocked(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
  ~GlobalLocked() {
    if (data_ != nullptr) GlobalUnlock(memory_);
  }
  GlobalLocked(const GlobalLocked&) = delete;
  GlobalLocked& operator=(const GlobalLocked&) = delete;

  void* data() const { return data_; }

 private:
  HGLOBAL memory_;
  void* data_;
};

// A counted COM reference.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  void reset() {
    if (p_ != nullptr) std::exchange(p_, nullptr)->Release();
  }
  T** put() {
    reset();
    return &p_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }

 private:
  T* p_ = nullptr;
};

// COM for the calling thread while the object lives. A thread already in
// another apartment keeps it; COM still works there, so that is not a failure.
class ComApartment {
 public:
  explicit ComApartment(DWORD model = COINIT_APARTMENTTHREADED) {
    const HRESULT result = CoInitializeEx(nullptr, model);
    initialised_ = SUCCEEDED(result);
  }
  ~ComApartment() {
    if (initialised_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialised_ = false;
};

}  // namespace kelvara::win32
