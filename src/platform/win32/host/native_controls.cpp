#include "platform/win32/host/native_controls.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/win32/callback_boundary.h"
#include "platform/win32/host/common_controls.h"
#include "platform/win32/text.h"

namespace kelvara::win32::host {
namespace {

using ui::ControlKind;

// A drop-down list needs room below its edit part to open into.
constexpr int kDropDownRoom = 200;

struct ChildClass {
  const wchar_t* name;
  DWORD style;
  DWORD ex_style;
};

ChildClass ClassOf(const ui::Control& c) {
  const DWORD stop = c.tab_stop ? WS_TABSTOP : 0;
  switch (c.kind) {
    case ControlKind::kButton:
      return {L"BUTTON", static_cast<DWORD>(stop | (c.opaque ? BS_OWNERDRAW : BS_PUSHBUTTON)), 0};
    case ControlKind::kTextField:
      return {L"EDIT", static_cast<DWORD>(stop | ES_AUTOHSCROLL | (c.locked ? ES_READONLY : 0)),
              WS_EX_CLIENTEDGE};
    case ControlKind::kCheckBox:
      // The model owns the check mark: the box never turns it over itself.
      return {L"BUTTON", stop | BS_CHECKBOX, 0};
    case ControlKind::kComboBox:
      return {L"COMBOBOX", stop | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
    default:
      return {L"BUTTON", BS_GROUPBOX, 0};
  }
}

RECT ChildRect(const ui::Form& form, const ui::Control& c, const Scale& scale) {
  RECT r = scale.Rect(form.WindowRect(c));
  if (c.kind == ControlKind::kComboBox) r.bottom += scale.FromDesignPx(kDropDownRoom);
  return r;
}

// Whether any of the control lies inside its window. The monitor's 決定 and
// 元の位置に戻す lie below it until the place is being set; a button
// made at start would load the common controls into every idle monitor.
bool WithinWindow(const ui::Form& form, const ui::Control& c) {
  const ui::Rect r = form.WindowRect(c);
  const ui::Rect& window = form.window().rect;
  return r.width > 0 && r.height > 0 && r.left < window.width && r.top < window.height &&
         r.left + r.width > 0 && r.top + r.height > 0;
}

// Marks a child as being written by the host for as long as it lives.
class WritingScope {
 public:
  explicit WritingScope(bool& writing) : writing_(writing), was_(std::exchange(writing, true)) {}
  ~WritingScope() { writing_ = was_; }
  WritingScope(const WritingScope&) = delete;
  WritingScope& operator=(const WritingScope&) = delete;

 private:
  bool& writing_;
  bool was_;
};

// A group box leaves unpainted what lies around its caption; the colour
// behind it goes there, as the form window tells it.
LRESULT CALLBACK FrameBackground(HWND frame, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                 DWORD_PTR) {
  return CallbackBoundary(LRESULT{0}, [&]() -> LRESULT {
    if (message == WM_ERASEBKGND) {
      const auto brush = reinterpret_cast<HBRUSH>(
          SendMessageW(GetParent(frame), WM_CTLCOLORSTATIC, w, reinterpret_cast<LPARAM>(frame)));
      RECT r{};
      GetClientRect(frame, &r);
      if (brush != nullptr && FillRect(reinterpret_cast<HDC>(w), &r, brush) != 0) return 1;
    } else if (message == WM_NCDESTROY) {
      Unsubclass(frame, &FrameBackground, id);
    }
    return DefaultSubclass(frame, message, w, l);
  });
}

}  // namespace

bool IsNative(ControlKind kind) {
  return kind == ControlKind::kButton || kind == ControlKind::kTextField ||
         kind == ControlKind::kCheckBox || kind == ControlKind::kComboBox ||
         kind == ControlKind::kFrame;
}

void NativeControls::Attach(HWND parent, std::size_t count, Typing accepts) {
  parent_ = parent;
  accepts_ = std::move(accepts);
  children_.clear();
  children_.resize(count);
}

HWND NativeControls::Child(std::size_t index) const {
  return index < children_.size() ? children_[index].window : nullptr;
}

std::optional<std::size_t> NativeControls::IndexOfId(UINT id) const {
  if (id < kFirstId || id - kFirstId >= children_.size()) return std::nullopt;
  const std::size_t index = id - kFirstId;
  if (children_[index].window == nullptr) return std::nullopt;
  return index;
}

std::optional<std::size_t> NativeControls::IndexOfChild(HWND window) const {
  if (window == nullptr) return std::nullopt;
  for (std::size_t i = 0; i < children_.size(); ++i) {
    const Slot& child = children_[i];
    if (child.window == window || child.edit == window) return i;
  }
  return std::nullopt;
}

HWND NativeControls::FirstInput() const {
  for (const Slot& child : children_) {
    if (TakesInput(child.window)) return child.window;
  }
  return nullptr;
}

bool NativeControls::TakesInput(HWND window) {
  return window != nullptr && IsWindowVisible(window) != FALSE &&
         IsWindowEnabled(window) != FALSE &&
         (GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP) != 0;
}

bool NativeControls::Writing(std::size_t index) const {
  return index < children_.size() && children_[index].writing;
}

void NativeControls::Create(const ui::Form& form, const ui::Control& c, std::size_t index,
                            const Scale& scale) {
  const ChildClass kind = ClassOf(c);
  const RECT r = ChildRect(form, c, scale);
  Slot& child = children_[index];
  // A drop-down's text goes in once its list is there.
  const bool list = c.kind == ControlKind::kComboBox;
  child.text = list ? std::string() : c.caption;
  child.locked = c.kind == ControlKind::kTextField && c.locked;
  child.owner_drawn = c.kind == ControlKind::kButton && c.opaque;
  LoadCommonControls();
  child.window = CreateWindowExW(
      kind.ex_style, kind.name, Widen(child.text).c_str(), WS_CHILD | WS_CLIPSIBLINGS | kind.style,
      r.left, r.top, r.right - r.left, r.bottom - r.top, parent_,
      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFirstId + index)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent_, GWLP_HINSTANCE)), nullptr);
  if (child.window == nullptr) return;
  PlaceInTabOrder(index);
  if (c.kind == ControlKind::kTextField) child.edit = child.window;
  if (list) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(child.window, &info) != FALSE) child.edit = info.hwndItem;
  }
  if (child.edit != nullptr) WatchTyping(index);
  if (c.kind == ControlKind::kFrame) Subclass(child.window, &FrameBackground, 0, 0);
}

void NativeControls::PlaceInTabOrder(std::size_t index) {
  // Just below the nearest child made for a control earlier in the table.
  HWND after = HWND_TOP;
  for (std::size_t i = index; i-- > 0;) {
    if (children_[i].window != nullptr) {
      after = children_[i].window;
      break;
    }
  }
  SetWindowPos(children_[index].window, after, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void NativeControls::Realise(const ui::Form& form, std::size_t index, const Scale& scale) {
  if (parent_ == nullptr || index >= children_.size()) return;
  const ui::Control& c = form.controls()[index];
  if (!IsNative(c.kind)) return;
  Slot& child = children_[index];
  const bool shown = form.Shown(c);
  if (child.window == nullptr) {
    if (!shown || !WithinWindow(form, c)) return;
    Create(form, c, index, scale);
    if (child.window == nullptr) return;
  }
  WritingScope writing(child.writing);
  if (!child.font || !(child.font_spec == c.font) || child.font_dpi != scale.dpi()) {
    child.font = MakeFont(names_, c.font, scale.dpi());
    child.font_spec = c.font;
    child.font_dpi = scale.dpi();
    SendMessageW(child.window, WM_SETFONT, reinterpret_cast<WPARAM>(child.font.get()), TRUE);
  }
  const RECT r = ChildRect(form, c, scale);
  SetWindowPos(child.window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  WriteContent(c, child);
  if (c.kind == ControlKind::kFrame) CutFrame(child, scale);
  EnableWindow(child.window, form.Usable(c) ? TRUE : FALSE);
  ShowWindow(child.window, shown ? SW_SHOWNA : SW_HIDE);
  InvalidateRect(child.window, nullptr, TRUE);
}

void NativeControls::RealiseAll(const ui::Form& form, const Scale& scale) {
  for (std::size_t i = 0; i < children_.size(); ++i) Realise(form, i, scale);
}

void NativeControls::RealiseUncovered(const ui::Form& form, const Scale& scale) {
  for (std::size_t i = 0; i < children_.size(); ++i) {
    if (children_[i].window == nullptr) Realise(form, i, scale);
  }
}

void NativeControls::WriteContent(const ui::Control& c, Slot& child) {
  if (c.kind == ControlKind::kComboBox) {
    WriteList(c, child);
  } else if (child.text != c.caption) {
    child.text = c.caption;
    SetWindowTextW(child.window, Widen(c.caption).c_str());
  }
  if (c.kind == ControlKind::kCheckBox && child.checked != c.checked) {
    child.checked = c.checked;
    SendMessageW(child.window, BM_SETCHECK, c.checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  if (child.edit != nullptr && child.locked != c.locked) {
    child.locked = c.locked;
    SendMessageW(child.edit, EM_SETREADONLY, c.locked ? TRUE : FALSE, 0);
  }
}

void NativeControls::WriteList(const ui::Control& c, Slot& child) {
  const HWND box = child.window;
  // Choosing in the list rewrites the edit part; where the caret was stays.
  DWORD start = 0, end = 0;
  SendMessageW(box, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  bool rewrite = false;
  if (child.items != c.items) {
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : c.items) {
      SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
    child.items = c.items;
    child.selected = -1;
    rewrite = true;
  }
  if (child.selected != c.selected) {
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(c.selected), 0);
    child.selected = c.selected;
    rewrite = true;
  }
  if (rewrite || child.text != c.caption) {
    child.text = c.caption;
    SetWindowTextW(box, Widen(c.caption).c_str());
    SendMessageW(box, CB_SETEDITSEL, 0, MAKELPARAM(start, end));
  }
}

void NativeControls::CutFrame(Slot& child, const Scale& scale) {
  // The group box paints only its edge and caption; cut away the rest so
  // that the form's own painting (labels, pictures, the fill) shows there
  // and the mouse reaches it. The edge runs along the middle of the caption;
  // where exactly the caption sits varies, so its part is cut generously.
  RECT client{};
  GetClientRect(child.window, &client);
  TEXTMETRICW metrics{};
  SIZE caption{};
  {
    WindowDc dc(child.window);
    SelectedObject font(dc.get(), child.font.get());
    GetTextMetricsW(dc.get(), &metrics);
    const std::wstring text = Widen(child.text);
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &caption);
  }
  const int edge = scale.FromDesignPx(2);
  const int middle = metrics.tmHeight / 2;
  const int title = caption.cx > 0 ? caption.cx + scale.FromDesignPx(20) : 0;
  const std::array<int, 5> cut{client.right, client.bottom, middle, title, metrics.tmHeight};
  if (cut == child.cut) return;
  const int top = std::max(middle - edge, 0);
  UniqueRegion ring(CreateRectRgn(0, top, client.right, client.bottom));
  UniqueRegion part(CreateRectRgn(edge, middle + edge, client.right - edge, client.bottom - edge));
  CombineRgn(ring.get(), ring.get(), part.get(), RGN_DIFF);
  part.reset(CreateRectRgn(0, 0, std::min<int>(title, client.right),
                           metrics.tmHeight + scale.FromDesignPx(1)));
  CombineRgn(ring.get(), ring.get(), part.get(), RGN_OR);
  // The window owns the region once it takes it.
  if (SetWindowRgn(child.window, ring.get(), TRUE) != 0) ring.release();
  child.cut = cut;
}

std::optional<std::string> NativeControls::TakeUserText(std::size_t index) {
  if (index >= children_.size() || children_[index].window == nullptr) return std::nullopt;
  Slot& child = children_[index];
  const int length = GetWindowTextLengthW(child.window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(child.window, text.data(), length + 1)));
  child.text = Narrow(text);
  return child.text;
}

int NativeControls::TakeUserChoice(std::size_t index) {
  if (index >= children_.size() || children_[index].window == nullptr) return -1;
  Slot& child = children_[index];
  const LRESULT chosen = SendMessageW(child.window, CB_GETCURSEL, 0, 0);
  child.selected = chosen == CB_ERR ? -1 : static_cast<int>(chosen);
  return child.selected;
}

bool NativeControls::DrawItem(const ui::Form& form, const DRAWITEMSTRUCT& item) {
  const std::optional<std::size_t> index = IndexOfId(item.CtlID);
  if (!index || !children_[*index].owner_drawn) return false;
  const ui::Control& c = form.controls()[*index];
  const Slot& child = children_[*index];
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  FillRect(dc, &r, gdi_.Brush(c.back));
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  RECT text = r;
  if (pressed) OffsetRect(&text, 1, 1);
  const std::wstring caption = Widen(c.caption);
  SelectedObject font(dc, child.font.get());
  SetBkMode(dc, TRANSPARENT);
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : (c.fore & 0xffffff));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focus = r;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
  return true;
}

HBRUSH NativeControls::Colours(const ui::Form& form, HWND window, HDC dc) {
  const std::optional<std::size_t> index = IndexOfId(static_cast<UINT>(GetDlgCtrlID(window)));
  if (!index || children_[*index].window != window) return nullptr;
  const ui::Control& c = form.controls()[*index];
  ui::Colour back = c.back;
  if (!c.opaque) {
    if (c.kind != ControlKind::kCheckBox && c.kind != ControlKind::kFrame) return nullptr;
    back = form.BackBehind(c);
  }
  SetTextColor(dc, c.fore & 0xffffff);
  SetBkColor(dc, back & 0xffffff);
  return gdi_.Brush(back);
}

}  // namespace kelvara::win32::host
