// Typing into text fields and drop-downs: each character, and each pasted
// one, passes the model's key filter before the edit sees it.
#include "platform/win32/host/native_controls.h"

#include <string>

#include "platform/win32/callback_boundary.h"
#include "platform/win32/host/common_controls.h"

namespace kelvara::win32::host {
namespace {

bool IsHigh(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

char32_t Join(wchar_t high, wchar_t low) {
  return 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) +
         (static_cast<char32_t>(low) - 0xDC00);
}

// The clipboard, open for as long as this lives.
class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  bool open() const { return open_; }

 private:
  bool open_;
};

// The clipboard's text up to its first line break, as a one-line edit pastes.
std::wstring PastedLine(HWND owner) {
  OpenClipboardScope clipboard(owner);
  if (!clipboard.open()) return {};
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return {};
  const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
  if (text == nullptr) return {};
  std::wstring line(text);
  GlobalUnlock(data);
  return line.substr(0, line.find_first_of(L"\r\n"));
}

}  // namespace

void NativeControls::WatchTyping(std::size_t index) {
  Subclass(children_[index].edit, &NativeControls::Typed, index, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK NativeControls::Typed(HWND edit, UINT message, WPARAM w, LPARAM l, UINT_PTR index,
                                       DWORD_PTR self) {
  // A key filter that fails lets its character go nowhere.
  return CallbackBoundary(LRESULT{0}, [&]() -> LRESULT {
    auto* natives = reinterpret_cast<NativeControls*>(self);
    switch (message) {
      case WM_CHAR:
        return natives->OnChar(index, edit, w, l);
      case WM_PASTE:
        if (natives->OnPaste(index, edit)) return 0;
        break;
      case WM_NCDESTROY:
        Unsubclass(edit, &NativeControls::Typed, index);
        break;
      default:
        break;
    }
    return DefaultSubclass(edit, message, w, l);
  });
}

LRESULT NativeControls::OnChar(std::size_t index, HWND edit, WPARAM w, LPARAM l) {
  Slot& child = children_[index];
  const auto unit = static_cast<wchar_t>(w);
  // A character beyond the first plane comes in two halves: ask about it
  // whole, and let both halves in or neither.
  if (IsHigh(unit)) {
    child.high = unit;
    return 0;
  }
  const wchar_t high = child.high;
  child.high = 0;
  const bool pair = high != 0 && IsLow(unit);
  if (accepts_ && !accepts_(index, pair ? Join(high, unit) : unit)) return 0;
  if (pair) DefaultSubclass(edit, WM_CHAR, high, l);
  return DefaultSubclass(edit, WM_CHAR, w, l);
}

bool NativeControls::OnPaste(std::size_t index, HWND edit) {
  // A locked box refuses the paste by itself.
  if (!accepts_ || (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0) return false;
  const std::wstring pasted = PastedLine(edit);
  std::wstring kept;
  bool dropped = false;
  for (std::size_t i = 0; i < pasted.size(); ++i) {
    const bool pair = IsHigh(pasted[i]) && i + 1 < pasted.size() && IsLow(pasted[i + 1]);
    const char32_t typed = pair ? Join(pasted[i], pasted[i + 1]) : pasted[i];
    const std::size_t units = pair ? 2 : 1;
    if (accepts_(index, typed)) {
      kept.append(pasted, i, units);
    } else {
      dropped = true;
    }
    i += units - 1;
  }
  if (!dropped) return false;  // all of it is welcome: the edit pastes as ever
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str()));
  return true;
}

}  // namespace kelvara::win32::host
