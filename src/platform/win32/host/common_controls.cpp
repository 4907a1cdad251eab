#include "platform/win32/host/common_controls.h"

#include "platform/win32/system_library.h"

namespace kelvara::win32::host {
namespace {

struct CommonControlCalls {
  decltype(&SetWindowSubclass) subclass = nullptr;
  decltype(&RemoveWindowSubclass) unsubclass = nullptr;
  decltype(&DefSubclassProc) default_subclass = nullptr;
};

const CommonControlCalls& Calls() {
  static const CommonControlCalls calls = [] {
    constexpr const wchar_t* kLibrary = L"comctl32.dll";
    using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    if (const auto init = SystemFunction<Init>(kLibrary, "InitCommonControlsEx")) {
      const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
      init(&controls);
    }
    CommonControlCalls loaded;
    loaded.subclass = SystemFunction<decltype(loaded.subclass)>(kLibrary, "SetWindowSubclass");
    loaded.unsubclass =
        SystemFunction<decltype(loaded.unsubclass)>(kLibrary, "RemoveWindowSubclass");
    loaded.default_subclass =
        SystemFunction<decltype(loaded.default_subclass)>(kLibrary, "DefSubclassProc");
    if (!loaded.subclass || !loaded.unsubclass || !loaded.default_subclass)
      return CommonControlCalls{};
    return loaded;
  }();
  return calls;
}

}  // namespace

void LoadCommonControls() { Calls(); }

void Subclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
  if (Calls().subclass) Calls().subclass(window, procedure, id, data);
}

void Unsubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
  if (Calls().unsubclass) Calls().unsubclass(window, procedure, id);
}

LRESULT DefaultSubclass(HWND window, UINT message, WPARAM w, LPARAM l) {
  // Only a subclass procedure calls this, and one is set only when the
  // library is there.
  if (Calls().default_subclass) return Calls().default_subclass(window, message, w, l);
  return DefWindowProcW(window, message, w, l);
}

}  // namespace kelvara::win32::host
