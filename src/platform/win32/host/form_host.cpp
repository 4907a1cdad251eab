#include "platform/win32/host/form_host.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/win32/callback_boundary.h"
#include "platform/win32/monitors.h"
#include "platform/win32/text.h"
#include "ui/hit_test.h"

namespace kelvara::win32::host {
namespace {

using ui::ControlKind;

ATOM RegisterFormClass(HINSTANCE instance, WNDPROC procedure) {
  static ATOM atom = 0;
  if (atom != 0) return atom;
  WNDCLASSEXW c{};
  c.cbSize = sizeof(c);
  c.lpfnWndProc = procedure;
  c.hInstance = instance;
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.lpszClassName = kFormWindowClass;
  atom = RegisterClassExW(&c);
  return atom;
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

RECT ClipBox(HDC dc) {
  RECT r{};
  GetClipBox(dc, &r);
  return r;
}

// The shift argument of a mouse event: shift 1, control 2, alt 4.
int ShiftState(WPARAM w) {
  int shift = 0;
  if ((w & MK_SHIFT) != 0) shift |= 1;
  if ((w & MK_CONTROL) != 0) shift |= 2;
  if (GetKeyState(VK_MENU) < 0) shift |= 4;
  return shift;
}

// Buttons held during a move: left 1, right 2, middle 4.
int HeldButtons(WPARAM w) {
  int held = 0;
  if ((w & MK_LBUTTON) != 0) held |= 1;
  if ((w & MK_RBUTTON) != 0) held |= 2;
  if ((w & MK_MBUTTON) != 0) held |= 4;
  return held;
}

}  // namespace

SIZE FramedSize(SIZE client, DWORD style, DWORD ex_style, int dpi) {
  RECT r{0, 0, client.cx, client.cy};
  if (AdjustWindowRectExForDpi(&r, style, FALSE, ex_style, static_cast<UINT>(dpi)) == FALSE) {
    r = RECT{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&r, style, FALSE, ex_style);
  }
  return SIZE{r.right - r.left, r.bottom - r.top};
}

FormHost::FormHost(ui::Form& form, Frame frame, FontNames& names, Win32Pictures& pictures)
    : form_(form),
      frame_(frame),
      gdi_(names),
      names_(names),
      painter_(gdi_, pictures),
      natives_(names, gdi_) {}

FormHost::~FormHost() {
  Detach();
  if (window_ != nullptr) {
    DestroyWindow(window_);
  }
}

void FormHost::Detach() {
  if (detached_) return;
  detached_ = true;
  form_.Subscribe(nullptr);
  // Messages still queued for the window go to the default procedure.
  if (window_ != nullptr) SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
}

bool FormHost::Create(HINSTANCE instance, HICON large_icon, HICON small_icon) {
  if (RegisterFormClass(instance, &FormHost::Procedure) == 0) return false;
  DWORD style = WS_CLIPCHILDREN;
  DWORD ex_style = 0;
  if (frame_ == Frame::kBorderless) {
    style |= WS_POPUP;
    ex_style |= WS_EX_TOOLWINDOW;  // no taskbar button
  } else {
    style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  }
  instance_ = instance;
  CreateWindowExW(ex_style, kFormWindowClass, Widen(form_.window().caption).c_str(), style, 0, 0, 1,
                  1, nullptr, nullptr, instance, this);
  if (window_ == nullptr) return false;
  caption_ = form_.window().caption;
  if (large_icon != nullptr) {
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large_icon));
  }
  if (small_icon != nullptr) {
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon));
  }

  scale_ = Scale(static_cast<int>(GetDpiForWindow(window_)));
  place_ = Scale(DesktopDpi());
  MeasureFrame();
  const std::size_t count = form_.controls().size();
  natives_.Attach(window_, count, [this](std::size_t index, char32_t typed) {
    // A detached window's typing reaches nobody.
    return detached_ || form_.Accepts(form_.controls()[index], typed);
  });
  painted_.assign(count, RECT{});
  timer_running_.assign(count, false);
  form_.Subscribe(this);
  SyncWindow();
  for (std::size_t i = 0; i < count; ++i) RealiseControl(i);
  FlushDirty();
  // Shown at once, the dialog was activated before it had its children.
  if (frame_ == Frame::kFixedDialog && GetFocus() == window_) RestoreFocus();
  return true;
}

std::size_t FormHost::IndexOf(const ui::Control& c) const {
  return static_cast<std::size_t>(&c - form_.controls().data());
}

void FormHost::ControlChanged(const ui::Form&, const ui::Control& control, const ui::Rect&) {
  if (window_ == nullptr) return;
  RealiseControl(IndexOf(control));
  if (control.kind == ControlKind::kFrame) {
    // Where a frame is, and whether it shows and works, its contents follow.
    const std::vector<ui::Control>& controls = form_.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
      if (form_.Holds(control, controls[i])) RealiseControl(i);
    }
  }
  FlushDirty();
}

void FormHost::FormChanged(const ui::Form&) {
  if (window_ == nullptr || taking_place_) return;
  SyncWindow();
}

void FormHost::FocusRequested(const ui::Form&, const ui::Control& control) {
  if (window_ == nullptr) return;
  const HWND child = natives_.Child(IndexOf(control));
  if (child == nullptr || IsWindowVisible(child) == FALSE || IsWindowEnabled(child) == FALSE) {
    return;
  }
  SetFocus(child);
  // The whole text chosen, ready to be typed over.
  if (control.kind == ControlKind::kTextField) SendMessageW(child, EM_SETSEL, 0, -1);
}

void FormHost::Invalidate(const RECT& r) { dirty_.Add(r); }

void FormHost::FlushDirty() {
  if (!batching_ && window_ != nullptr) dirty_.Flush(window_);
}

void FormHost::RealiseControl(std::size_t index) {
  if (index >= form_.controls().size()) return;
  const ui::Control& c = form_.controls()[index];
  if (IsPainted(c.kind) || c.kind == ControlKind::kFrame) {
    // The old place and the new one: a move or a shrink leaves nothing behind.
    const RECT now = PaintedBounds(scale_, form_, c);
    Invalidate(painted_[index]);
    Invalidate(now);
    painted_[index] = now;
  }
  if (c.kind == ControlKind::kTimer) {
    RealiseTimer(index);
  } else if (IsNative(c.kind)) {
    natives_.Realise(form_, index, scale_);
  }
}

void FormHost::RealiseTimer(std::size_t index) {
  const ui::Control& c = form_.controls()[index];
  const UINT_PTR id = index + 1;
  if (c.enabled && c.interval > 0) {
    SetTimer(window_, id, static_cast<UINT>(c.interval), nullptr);
    timer_running_[index] = true;
  } else if (timer_running_[index]) {
    KillTimer(window_, id);
    timer_running_[index] = false;
  }
}

void FormHost::RecomputeBounds() {
  for (std::size_t i = 0; i < painted_.size(); ++i) {
    painted_[i] = PaintedBounds(scale_, form_, form_.controls()[i]);
  }
}

SIZE FormHost::OuterSize() const {
  const ui::FormWindow& w = form_.window();
  const SIZE client{scale_.Px(w.rect.width), scale_.Px(w.rect.height)};
  if (!w.client_sized || frame_ != Frame::kFixedDialog) return client;
  return FramedSize(client, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                    static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)), scale_.dpi());
}

void FormHost::MeasureFrame() {
  form_.SetPlacePerTwip(static_cast<float>(scale_.dpi()) / static_cast<float>(place_.dpi()));
  const ui::FormWindow& w = form_.window();
  if (!w.client_sized || frame_ != Frame::kFixedDialog) return;
  const SIZE frame =
      FramedSize(SIZE{0, 0}, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                 static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)), scale_.dpi());
  form_.SetWindowFrame(scale_.Twips(frame.cx), scale_.Twips(frame.cy));
}

void FormHost::SyncWindow() {
  const ui::FormWindow& w = form_.window();
  if (w.caption != caption_) {
    caption_ = w.caption;
    SetWindowTextW(window_, Widen(caption_).c_str());
  }
  const bool see_through = w.alpha < 255;
  if ((w.layered || see_through) && (!layered_ || key_ != w.colour_key || alpha_ != w.alpha)) {
    SetWindowLongPtrW(window_, GWL_EXSTYLE,
                      GetWindowLongPtrW(window_, GWL_EXSTYLE) | WS_EX_LAYERED);
    const DWORD flags = (w.layered ? LWA_COLORKEY : 0) | (see_through ? LWA_ALPHA : 0);
    SetLayeredWindowAttributes(window_, w.colour_key & 0xffffff,
                               static_cast<BYTE>(see_through ? w.alpha : 0), flags);
    layered_ = true;
    key_ = w.colour_key;
    alpha_ = w.alpha;
  }
  const int left = place_.Px(w.rect.left);
  const int top = place_.Px(w.rect.top);
  const SIZE size = OuterSize();
  const RECT want{left, top, left + size.cx, top + size.cy};
  if (!SameRect(want, placed_)) {
    const bool grown = want.right - want.left > placed_.right - placed_.left ||
                       want.bottom - want.top > placed_.bottom - placed_.top;
    placed_ = want;
    SetWindowPos(window_, nullptr, want.left, want.top, want.right - want.left,
                 want.bottom - want.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (grown) natives_.RealiseUncovered(form_, scale_);
  }
  if (w.back != background_) {
    background_ = w.back;
    InvalidateRect(window_, nullptr, FALSE);  // everything lies on it
  }
  // A window of no size has nothing to show, not even a title bar.
  const bool visible = w.visible && scale_.Px(w.rect.width) > 0 && scale_.Px(w.rect.height) > 0;
  if (visible != shown_) {
    shown_ = visible;
    const int show = frame_ == Frame::kBorderless ? SW_SHOWNA : SW_SHOW;
    ShowWindow(window_, visible ? show : SW_HIDE);
  }
}

LRESULT CALLBACK FormHost::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormHost*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FormHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, w, l);
  // Not the default procedure after a failure: for WM_CLOSE it would destroy
  // the window under the form.
  return CallbackBoundary(LRESULT{0}, [&] { return self->Handle(message, w, l); });
}

LRESULT FormHost::Handle(UINT message, WPARAM w, LPARAM l) {
  if (extra_messages) {
    if (const std::optional<LRESULT> handled = extra_messages(message, w, l)) return *handled;
  }
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_PRINTCLIENT:  // a themed child draws what lies behind it, amid its own paint
      painter_.Paint(reinterpret_cast<HDC>(w), scale_, form_, ClipBox(reinterpret_cast<HDC>(w)));
      return 0;
    case WM_TIMER:
      OnTimer(w);
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(w), HIWORD(w));
      return 0;
    case WM_DRAWITEM:
      if (natives_.DrawItem(form_, *reinterpret_cast<const DRAWITEMSTRUCT*>(l))) return TRUE;
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      if (HBRUSH brush =
              natives_.Colours(form_, reinterpret_cast<HWND>(l), reinterpret_cast<HDC>(w))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      OnMouseButton(message, w, l);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(w, l);
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(w) == window_ && LOWORD(l) == HTCLIENT && OnSetCursor()) {
        return TRUE;
      }
      break;
    case WM_CAPTURECHANGED:
      captured_.reset();
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(w), *reinterpret_cast<const RECT*>(l));
      return 0;
    case WM_WINDOWPOSCHANGED:
      OnWindowPosChanged(*reinterpret_cast<const WINDOWPOS*>(l));
      break;
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
      OnDesktopChanged();
      break;
    case WM_ACTIVATE:
      OnActivate(w);
      break;
    case WM_SETFOCUS:
      if (frame_ != Frame::kFixedDialog) break;
      RestoreFocus();
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_ENDSESSION:
      if (w != FALSE) OnClose();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, w, l);
}

void FormHost::OnPaint() {
  PaintDc paint(window_);
  gdi_.Trim();
  RECT client;
  GetClientRect(window_, &client);
  const RECT& area = paint.paint().rcPaint;
  HDC back = back_.Prepare(paint.get(), client.right, client.bottom);
  if (back == nullptr) {
    painter_.Paint(paint.get(), scale_, form_, area);
    return;
  }
  painter_.Paint(back, scale_, form_, area);
  BitBlt(paint.get(), area.left, area.top, area.right - area.left, area.bottom - area.top, back,
         area.left, area.top, SRCCOPY);
}

void FormHost::PaintInto(HDC dc, const RECT& area) {
  gdi_.Trim();
  painter_.Paint(dc, scale_, form_, area);
}

void FormHost::OnTimer(UINT_PTR id) {
  const std::size_t index = id - 1;
  if (id == 0 || index >= form_.controls().size()) return;
  const ui::Control& c = form_.controls()[index];
  if (c.kind != ControlKind::kTimer || !c.enabled || c.interval <= 0 || !c.on_timer) return;
  // One invalidation for the whole tick, however the handler leaves.
  struct Batch {
    explicit Batch(FormHost& host) : host_(host), was_(host.batching_) { host_.batching_ = true; }
    ~Batch() {
      host_.batching_ = was_;
      host_.FlushDirty();
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;
    FormHost& host_;
    bool was_;
  } batch(*this);
  c.on_timer();
}

void FormHost::OnCommand(UINT id, UINT code) {
  const std::optional<std::size_t> index = natives_.IndexOfId(id);
  if (!index || natives_.Writing(*index)) return;
  ui::Control& c = form_.at(*index);
  switch (c.kind) {
    case ControlKind::kTextField:
    case ControlKind::kComboBox:
      if (code == EN_CHANGE || code == CBN_EDITCHANGE) {
        if (std::optional<std::string> text = natives_.TakeUserText(*index)) {
          form_.SetCaption(c, *text);
        }
      } else if (code == CBN_SELCHANGE && c.kind == ControlKind::kComboBox) {
        form_.SetSelected(c, natives_.TakeUserChoice(*index));
      }
      break;
    case ControlKind::kButton:
    case ControlKind::kCheckBox:
      if (code == BN_CLICKED) form_.Click(c);
      break;
    default:
      break;
  }
}

std::optional<std::size_t> FormHost::MouseTarget(POINT at) const {
  // Compared in the pixels the control is painted at, so its edges are
  // exactly where it shows.
  return ui::MouseTarget(form_, [&](const ui::Rect& area) {
    const RECT r = scale_.Rect(area);
    return PtInRect(&r, at) != FALSE;
  });
}

void FormHost::OnMouseButton(UINT message, WPARAM w, LPARAM l) {
  const POINT at{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
  if (message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP) {
    OnMouseUp(message, w, at);
    return;
  }
  const int button = message == WM_LBUTTONDOWN ? 1 : message == WM_RBUTTONDOWN ? 2 : 4;
  const std::optional<std::size_t> target = captured_ ? captured_ : MouseTarget(at);
  if (!target) return;
  // The control keeps the mouse until every button is up, as a drag needs.
  if (!captured_) {
    SetCapture(window_);
    captured_ = target;
  }
  const ui::Control& c = form_.controls()[*target];
  if (!c.on_mouse_down) return;
  const RECT r = scale_.Rect(form_.WindowRect(c));
  c.on_mouse_down(button, ShiftState(w), scale_.Twips(at.x - r.left), scale_.Twips(at.y - r.top));
}

void FormHost::OnMouseUp(UINT message, WPARAM w, POINT at) {
  if (!captured_) return;
  const std::size_t index = *captured_;
  if (HeldButtons(w) == 0) {
    captured_.reset();
    ReleaseCapture();
  }
  // A click is the left button going down and up on the same control.
  if (message != WM_LBUTTONUP) return;
  if (MouseTarget(at) == index) form_.Click(form_.at(index));
}

void FormHost::OnMouseMove(WPARAM w, LPARAM l) {
  const POINT at{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
  const std::optional<std::size_t> target = captured_ ? captured_ : MouseTarget(at);
  if (!target) return;
  const ui::Control& c = form_.controls()[*target];
  if (!c.on_mouse_move) return;
  const RECT r = scale_.Rect(form_.WindowRect(c));
  c.on_mouse_move(HeldButtons(w), ShiftState(w), scale_.Twips(at.x - r.left),
                  scale_.Twips(at.y - r.top));
}

bool FormHost::OnSetCursor() {
  POINT at{};
  if (GetCursorPos(&at) == FALSE || ScreenToClient(window_, &at) == FALSE) return false;
  const std::optional<std::size_t> target = MouseTarget(at);
  if (!target) return false;
  const std::string& name = form_.controls()[*target].cursor;
  if (name.empty()) return false;
  const HCURSOR cursor = CursorAtDpi(name);
  if (cursor == nullptr) return false;
  SetCursor(cursor);
  return true;
}

HCURSOR FormHost::CursorAtDpi(const std::string& name) {
  // Kept per scale, never destroyed while the window lives: the one shown may
  // be any of them. A window meets only a few scales.
  const std::pair<std::string, int> key{name, scale_.dpi()};
  if (const auto found = cursors_.find(key); found != cursors_.end()) return found->second.get();
  // The cursor's image for this window's scale, not the system DPI's: the
  // resource holds 32, 48 and 64 pixels.
  const UINT dpi = static_cast<UINT>(scale_.dpi());
  UniqueCursor cursor(static_cast<HCURSOR>(LoadImageW(
      instance_, Widen(ResourceNameFor(name)).c_str(), IMAGE_CURSOR,
      GetSystemMetricsForDpi(SM_CXCURSOR, dpi), GetSystemMetricsForDpi(SM_CYCURSOR, dpi), 0)));
  if (!cursor) return nullptr;
  return cursors_.emplace(key, std::move(cursor)).first->second.get();
}

void FormHost::OnDpiChanged(int dpi, const RECT& suggested) {
  // The primary monitor's scale may be what changed.
  ForgetDesktopDpi();
  place_ = Scale(DesktopDpi());
  scale_ = Scale(dpi);
  painter_.DropScaled();
  MeasureFrame();
  const SIZE size = OuterSize();
  POINT at{suggested.left, suggested.top};
  if (frame_ == Frame::kFixedDialog) at = InsideWorkArea(suggested, size);
  placed_ = RECT{at.x, at.y, at.x + size.cx, at.y + size.cy};
  SetWindowPos(window_, nullptr, placed_.left, placed_.top, placed_.right - placed_.left,
               placed_.bottom - placed_.top, SWP_NOZORDER | SWP_NOACTIVATE);
  TakePlace(at);
  natives_.RealiseAll(form_, scale_);
  RecomputeBounds();
  InvalidateRect(window_, nullptr, FALSE);
  if (on_dpi_changed) on_dpi_changed(dpi);
}

POINT FormHost::InsideWorkArea(const RECT& around, SIZE size) const {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  POINT at{around.left, around.top};
  if (GetMonitorInfoW(MonitorFromRect(&around, MONITOR_DEFAULTTONEAREST), &info) == FALSE)
    return at;
  const RECT& work = info.rcWork;
  // Too large for the work area, the top-left corner stays on it.
  at.x = std::max(work.left, std::min(at.x, work.right - size.cx));
  at.y = std::max(work.top, std::min(at.y, work.bottom - size.cy));
  return at;
}

void FormHost::OnWindowPosChanged(const WINDOWPOS& position) {
  // Only a move the host did not ask for: the system's (a monitor gone,
  // Win+Shift+Arrow) or the user's. A minimised window is parked, not moved.
  if ((position.flags & SWP_NOMOVE) != 0 || IsIconic(window_) != FALSE) return;
  if (position.x == placed_.left && position.y == placed_.top) return;
  OffsetRect(&placed_, position.x - placed_.left, position.y - placed_.top);
  TakePlace(POINT{position.x, position.y});
}

void FormHost::OnDesktopChanged() {
  ForgetDesktopDpi();
  const int dpi = DesktopDpi();
  if (dpi == place_.dpi()) return;
  // The same pixels now measure other twips: the window stays where it is.
  place_ = Scale(dpi);
  MeasureFrame();
  RECT now{};
  if (GetWindowRect(window_, &now) == FALSE) return;
  OffsetRect(&placed_, now.left - placed_.left, now.top - placed_.top);
  TakePlace(POINT{now.left, now.top});
}

void FormHost::TakePlace(POINT at) {
  // Both written before the window follows the model again: each setter on
  // its own would move it halfway.
  taking_place_ = true;
  form_.SetWindowTop(place_.Twips(at.y));
  form_.SetWindowLeft(place_.Twips(at.x));
  taking_place_ = false;
}

void FormHost::OnClose() {
  if (on_close) on_close();
}

}  // namespace kelvara::win32::host
