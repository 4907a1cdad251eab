#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/host/back_buffer.h"
#include "platform/win32/host/dirty_area.h"
#include "platform/win32/host/font_names.h"
#include "platform/win32/host/form_painter.h"
#include "platform/win32/host/gdi_cache.h"
#include "platform/win32/host/native_controls.h"
#include "platform/win32/host/scale.h"
#include "platform/win32/raii.h"
#include "ui/form.h"

namespace kelvara::win32::host {

// How the window is framed. The model's windows are either the borderless
// monitor or ordinary fixed dialogs.
enum class Frame {
  kBorderless,   // a popup without a taskbar button
  kFixedDialog,  // title bar and close box, no sizing
};

// The outer size of a window of that style whose client area is `client`
// pixels: the frame as the system draws it at `dpi`.
SIZE FramedSize(SIZE client, DWORD style, DWORD ex_style, int dpi);

// The window class every form window uses; tests find windows by it.
inline constexpr const wchar_t* kFormWindowClass = L"kelvara.Form";

// Realises one ui::Form as a window: paints its labels, shapes, pictures and
// lines into a back buffer, makes native children for the interactive kinds,
// runs its timers and routes clicks and mouse events to its handlers. It
// repaints only what a change notification names; what a timer's handler
// changes (a refresh tick writes some twenty captions and bars) is
// invalidated once, as the handler ends.
class FormHost final : public ui::FormObserver {
 public:
  FormHost(ui::Form& form, Frame frame, FontNames& names, Win32Pictures& pictures);
  ~FormHost() override;
  FormHost(const FormHost&) = delete;
  FormHost& operator=(const FormHost&) = delete;

  // Makes the window (hidden until the model shows it). False on failure.
  [[nodiscard]] bool Create(HINSTANCE instance, HICON large_icon, HICON small_icon);
  HWND window() const { return window_; }
  const Scale& scale() const { return scale_; }
  ui::Form& form() { return form_; }

  // Offered every message first; a value means it was handled.
  std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)> extra_messages;
  // The window moved to a screen of another DPI (its icons want redoing).
  std::function<void(int dpi)> on_dpi_changed;
  // The system or the user closes the window (close box, SC_CLOSE, end of
  // session). Unset: the window just hides.
  std::function<void()> on_close;

  // ui::FormObserver
  void ControlChanged(const ui::Form& form, const ui::Control& control,
                      const ui::Rect& before) override;
  void FormChanged(const ui::Form& form) override;
  void FocusRequested(const ui::Form& form, const ui::Control& control) override;

  // A keyboard message from the thread's queue for this window or one of
  // its children, before it is dispatched: Enter presses the focused
  // button, Esc closes a fixed dialog as its close box does (the monitor
  // ignores it), Tab, the arrows and Space move as in a dialog. True when
  // the message is done with.
  bool Navigate(MSG& message);

  // The form is going away: from now on the window neither reads it nor runs
  // its handlers, and only waits to be destroyed.
  void Detach();

  // For tests: paints the whole form into a DC as the window would.
  void PaintInto(HDC dc, const RECT& area);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);

  void OnPaint();
  void OnTimer(UINT_PTR id);
  void OnCommand(UINT id, UINT code);
  void OnMouseButton(UINT message, WPARAM w, LPARAM l);
  void OnMouseUp(UINT message, WPARAM w, POINT at);
  void OnMouseMove(WPARAM w, LPARAM l);
  bool OnSetCursor();
  HCURSOR CursorAtDpi(const std::string& name);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnWindowPosChanged(const WINDOWPOS& position);
  void OnDesktopChanged();
  // The model's place written back from where the window is.
  void TakePlace(POINT at);
  // A top-left for a window of that size inside the work area of the
  // monitor nearest `around`.
  POINT InsideWorkArea(const RECT& around, SIZE size) const;
  void OnClose();
  // In form_keys.cpp.
  bool OnDialogKey(const MSG& message);
  void OnActivate(WPARAM w);
  void RestoreFocus();

  std::size_t IndexOf(const ui::Control& c) const;
  void SyncWindow();
  // The model's window size in pixels at the window's DPI, a client-sized
  // dialog's frame added; and that frame written back into the model.
  SIZE OuterSize() const;
  void MeasureFrame();
  void RealiseControl(std::size_t index);
  void RealiseTimer(std::size_t index);
  void RecomputeBounds();
  void Invalidate(const RECT& r);
  void FlushDirty();
  std::optional<std::size_t> MouseTarget(POINT at) const;

  ui::Form& form_;
  Frame frame_;
  GdiCache gdi_;
  FontNames& names_;
  FormPainter painter_;
  NativeControls natives_;
  HWND window_ = nullptr;
  HINSTANCE instance_ = nullptr;
  Scale scale_;  // what is inside the window: its own DPI
  Scale place_;  // where it is on the desktop: the desktop's DPI

  // What is on screen, so that changes touch only what differs.
  std::vector<RECT> painted_;
  std::vector<bool> timer_running_;
  RECT placed_{};
  bool shown_ = false;
  bool layered_ = false;
  ui::Colour key_ = 0;
  int alpha_ = 255;
  ui::Colour background_ = 0;
  std::string caption_;

  BackBuffer back_;

  DirtyArea dirty_;
  bool batching_ = false;  // a timer's handler runs: its changes wait for its end

  std::optional<std::size_t> captured_;
  // A fixed dialog's focused child as it was deactivated.
  HWND remembered_focus_ = nullptr;
  bool detached_ = false;
  bool taking_place_ = false;
  // Our own cursors by name and DPI.
  std::map<std::pair<std::string, int>, UniqueCursor> cursors_;
};

}  // namespace kelvara::win32::host
