// The keyboard of a form window as in any Windows dialog: Enter presses the
// focused button, Esc closes a dialog as its close box does, Tab, the arrows
// and Space go through the dialog manager, and a dialog gives the focus back
// to the control that had it when it is active again.
#include "platform/win32/host/form_host.h"

namespace kelvara::win32::host {
namespace {

// Held down, a key repeats; a press is its first key-down only.
bool Repeated(const MSG& message) { return (message.lParam & (1L << 30)) != 0; }

}  // namespace

bool FormHost::Navigate(MSG& message) {
  if (window_ == nullptr || detached_) return false;
  if (OnDialogKey(message)) return true;
  return IsDialogMessageW(window_, &message) != FALSE;
}

bool FormHost::OnDialogKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  if (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE) return false;
  // Where the system sent the key: the control that had the focus.
  const HWND focus = message.hwnd;
  const bool inside = focus != nullptr && IsChild(window_, focus) != FALSE;
  const std::optional<std::size_t> index = inside ? natives_.IndexOfChild(focus) : std::nullopt;
  const ui::ControlKind kind = index ? form_.controls()[*index].kind : ui::ControlKind::kLabel;
  // An open drop-down list takes both itself: Enter chooses, Esc closes it
  // unchosen. Its edit part does not pass them on.
  if (kind == ui::ControlKind::kComboBox) {
    const HWND box = natives_.Child(*index);
    if (SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) != FALSE) {
      SendMessageW(box, WM_KEYDOWN, message.wParam, message.lParam);
      return true;
    }
  }
  if (inside) {
    const LRESULT wants =
        SendMessageW(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    if ((wants & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS)) != 0) return false;
  }
  if (Repeated(message)) return true;
  // Both go through the window procedure, whose boundary the handlers need.
  if (message.wParam == VK_ESCAPE) {
    // The monitor's close ends the program: Esc there does nothing.
    if (frame_ == Frame::kFixedDialog) SendMessageW(window_, WM_CLOSE, 0, 0);
    return true;
  }
  if (kind == ui::ControlKind::kButton) {
    const auto id = static_cast<WORD>(GetDlgCtrlID(focus));
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(focus));
  }
  return true;
}

void FormHost::OnActivate(WPARAM w) {
  if (frame_ != Frame::kFixedDialog || LOWORD(w) != WA_INACTIVE) return;
  // Kept for when the window is active again (a message box or a picker
  // over it has closed).
  const HWND focus = GetFocus();
  if (focus != nullptr && IsChild(window_, focus) != FALSE) remembered_focus_ = focus;
}

void FormHost::RestoreFocus() {
  HWND to = remembered_focus_;
  if (to != nullptr && (IsWindow(to) == FALSE || IsChild(window_, to) == FALSE ||
                        IsWindowVisible(to) == FALSE || IsWindowEnabled(to) == FALSE)) {
    to = nullptr;
  }
  if (to == nullptr) {
    // First shown: the first control that takes input, in table order,
    // its text chosen as a dialog chooses it.
    to = natives_.FirstInput();
    if (to == nullptr) return;
    if ((SendMessageW(to, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
      SendMessageW(to, EM_SETSEL, 0, -1);
    }
  }
  SetFocus(to);
}

}  // namespace kelvara::win32::host
