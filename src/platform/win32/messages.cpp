#include "platform/win32/messages.h"

#include <string>

#include "platform/win32/text.h"

namespace kelvara::win32 {

void Win32Messages::Show(std::string_view owner, std::string_view text, std::string_view title) {
  const std::wstring wide_text = Widen(text);
  const std::wstring wide_title = Widen(title);
  const HWND window = owner.empty() || !find_window_ ? nullptr : find_window_(owner);
  message_box_(window, wide_text.c_str(), wide_title.c_str(), MB_OK);
}

}  // namespace kelvara::win32
