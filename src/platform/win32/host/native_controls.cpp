#include "platform/win32/host/native_controls.h"

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
  switch (c.kind) {
    case ControlKind::kButton:
      return {L"BUTTON", static_cast<DWORD>(WS_TABSTOP | (c.opaque ? BS_OWNERDRAW : BS_PUSHBUTTON)),
              0};
    case ControlKind::kTextField:
      return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kCheckBox:
      return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::kComboBox:
      return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    default:
      return {L"BUTTON", BS_GROUPBOX, 0};
  }
}

RECT ChildRect(const ui::Control& c, const Scale& scale) {
  RECT r = scale.Rect(c.rect);
  if (c.kind == ControlKind::kComboBox) r.bottom += scale.FromDesignPx(kDropDownRoom);
  return r;
}

}  // namespace

bool IsNative(ControlKind kind) {
  return kind == ControlKind::kButton || kind == ControlKind::kTextField ||
         kind == ControlKind::kCheckBox || kind == ControlKind::kComboBox ||
         kind == ControlKind::kFrame;
}

void NativeControls::Attach(HWND parent, std::size_t count) {
  parent_ = parent;
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

void NativeControls::Create(const ui::Control& c, std::size_t index, const Scale& scale) {
  const ChildClass kind = ClassOf(c);
  const RECT r = ChildRect(c, scale);
  Slot& child = children_[index];
  child.text = c.caption;
  child.owner_drawn = c.kind == ControlKind::kButton && c.opaque;
  child.window = CreateWindowExW(
      kind.ex_style, kind.name, Widen(c.caption).c_str(), WS_CHILD | WS_CLIPSIBLINGS | kind.style,
      r.left, r.top, r.right - r.left, r.bottom - r.top, parent_,
      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFirstId + index)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent_, GWLP_HINSTANCE)), nullptr);
}

void NativeControls::Realise(const ui::Form& form, std::size_t index, const Scale& scale) {
  if (parent_ == nullptr || index >= children_.size()) return;
  const ui::Control& c = form.controls()[index];
  if (!IsNative(c.kind)) return;
  Slot& child = children_[index];
  if (child.window == nullptr) {
    if (!c.visible) return;
    Create(c, index, scale);
    if (child.window == nullptr) return;
  }
  if (child.text != c.caption) {
    child.text = c.caption;
    SetWindowTextW(child.window, Widen(c.caption).c_str());
  }
  if (!child.font || !(child.font_spec == c.font) || child.font_dpi != scale.dpi()) {
    child.font = MakeFont(names_, c.font, scale.dpi());
    child.font_spec = c.font;
    child.font_dpi = scale.dpi();
    SendMessageW(child.window, WM_SETFONT, reinterpret_cast<WPARAM>(child.font.get()), TRUE);
  }
  const RECT r = ChildRect(c, scale);
  SetWindowPos(child.window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  EnableWindow(child.window, c.enabled ? TRUE : FALSE);
  ShowWindow(child.window, c.visible ? SW_SHOWNA : SW_HIDE);
  InvalidateRect(child.window, nullptr, TRUE);
}

void NativeControls::RealiseAll(const ui::Form& form, const Scale& scale) {
  for (std::size_t i = 0; i < children_.size(); ++i) Realise(form, i, scale);
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
  if (!index) return nullptr;
  const ui::Control& c = form.controls()[*index];
  if (!c.opaque) return nullptr;
  SetTextColor(dc, c.fore & 0xffffff);
  SetBkColor(dc, c.back & 0xffffff);
  return gdi_.Brush(c.back);
}

}  // namespace kelvara::win32::host
