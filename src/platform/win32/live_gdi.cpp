#include "platform/win32/live_gdi.h"

namespace kelvara::win32 {

std::optional<LRESULT> AnswerLiveGdiObjects(UINT message, WPARAM, LPARAM l) {
  static const UINT asked = RegisterWindowMessageW(kLiveGdiObjectsMessage);
  if (asked == 0 || message != asked) return std::nullopt;
  const long live = LiveGdiObjects();
  if (l != 0) PostMessageW(reinterpret_cast<HWND>(l), asked, static_cast<WPARAM>(live), 0);
  return static_cast<LRESULT>(live);
}

}  // namespace kelvara::win32
