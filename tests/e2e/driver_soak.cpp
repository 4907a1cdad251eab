#include "driver_soak.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "main_window/main_window_design.h"
#include "platform/win32/host/form_host.h"
#include "platform/win32/host/popup_menus.h"
#include "platform/win32/host/tray_icon.h"
#include "platform/win32/live_gdi.h"
#include "platform/win32/raii.h"

namespace kelvara::e2e {
namespace {

using win32::host::kFormWindowClass;
using win32::host::kTrayCallbackMessage;
using win32::host::Win32PopupMenus;
using Clock = std::chrono::steady_clock;

constexpr int kRightButtonDown = 516;
constexpr int kLeftDoubleClick = 515;
constexpr int kMenuMemoryRelease = 0;
constexpr int kMenuSettings = 1;
constexpr int kMenuVersion = 8;
constexpr auto kStepDeadline = std::chrono::seconds(20);

// The host's timer of a control is its place in the design table plus one.
std::optional<UINT_PTR> TimerId(const char* name) {
  const std::vector<ui::Control> design = MainWindowDesign();
  for (std::size_t i = 0; i < design.size(); ++i) {
    if (design[i].name == name) return i + 1;
  }
  return std::nullopt;
}

template <typename Found>
bool PollUntil(Found found, Clock::duration deadline = kStepDeadline) {
  const Clock::time_point until = Clock::now() + deadline;
  while (!found()) {
    if (Clock::now() >= until) return false;
    Sleep(2);
  }
  return true;
}

HWND VisibleTopLevel(const wchar_t* class_name, const wchar_t* title) {
  const HWND window = FindWindowW(class_name, title);
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

HWND OpenMenu() { return VisibleTopLevel(Win32PopupMenus::kMenuWindowClass, nullptr); }

void Key(HWND window, WORD key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

// A window that receives the program's answers to posted questions.
class AnswerWindow {
 public:
  AnswerWindow() {
    WNDCLASSW c{};
    c.lpfnWndProc = DefWindowProcW;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"kelvara.SoakAnswers";
    RegisterClassW(&c);
    window_.reset(CreateWindowExW(0, c.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  c.hInstance, nullptr));
  }
  HWND get() const { return window_.get(); }

  // The count the program posts back once it reaches the question.
  std::optional<long> Wait(UINT message, Clock::duration deadline) {
    const Clock::time_point until = Clock::now() + deadline;
    MSG m;
    for (;;) {
      while (PeekMessageW(&m, window_.get(), 0, 0, PM_REMOVE)) {
        if (m.message == message) return static_cast<long>(m.wParam);
        DispatchMessageW(&m);
      }
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
      if (left.count() <= 0) return std::nullopt;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()),
                                QS_POSTMESSAGE);
    }
  }

 private:
  win32::UniqueWindow window_;
};

class Soak {
 public:
  Soak(HWND main, UINT question) : main_(main), question_(question) {}

  // Everything posted so far has been handled once the answer is back: the
  // queue never holds more than one batch.
  std::optional<long> Drain() {
    if (PostMessageW(main_, question_, 0, reinterpret_cast<LPARAM>(answers_.get())) == FALSE) {
      return std::nullopt;
    }
    return answers_.Wait(question_, std::chrono::seconds(60));
  }

  // One refresh tick per item of `ticks`, in batches. Every refresh timer is
  // posted: the host runs only the enabled one, the one the settings chose.
  bool Ticks(long ticks, long batch, const std::vector<UINT_PTR>& timers) {
    for (long done = 0; done < ticks;) {
      const long now = std::min(batch, ticks - done);
      for (long i = 0; i < now; ++i) {
        for (UINT_PTR id : timers) {
          if (PostMessageW(main_, WM_TIMER, id, 0) == FALSE) return Fail("posting a tick");
        }
      }
      if (!Drain()) return Fail("a batch of ticks");
      done += now;
    }
    return true;
  }

  bool TrayMenu() {
    if (!PopUp()) return Fail("the tray menu did not open");
    Key(OpenMenu(), VK_ESCAPE);
    return PollUntil([] { return OpenMenu() == nullptr; }) || Fail("the tray menu stayed open");
  }

  bool Launcher() {
    PostMessageW(main_, kTrayCallbackMessage, 1, kLeftDoubleClick);
    return OpenAndClose(L"Tavoroらんちゃー", [](HWND w) { PostMessageW(w, WM_CLOSE, 0, 0); });
  }

  bool Version() {
    return Choose(kMenuVersion) &&
           OpenAndClose(L"バージョン情報", [](HWND w) { Press(w, L"O K"); });
  }

  bool Settings() {
    return Choose(kMenuSettings) && OpenAndClose(L"設定", [](HWND w) { Press(w, L"閉じる"); });
  }

  // The window has no size and does its work as it loads; its end comes with
  // the main window's restore timer, posted here instead of waited for.
  bool MemoryRelease(UINT_PTR restore_timer) {
    if (!Choose(kMenuMemoryRelease)) return false;
    const auto release = [] { return FindWindowW(kFormWindowClass, L"Form1"); };
    if (!PollUntil([&] { return release() != nullptr; })) {
      return Fail("no memory release window");
    }
    const bool gone = PollUntil([&] {
      PostMessageW(main_, WM_TIMER, restore_timer, 0);
      return PollUntil([&] { return release() == nullptr; }, std::chrono::milliseconds(100));
    });
    return gone || Fail("the memory release window stayed");
  }

  int retries() const { return retries_; }
  const std::string& failure() const { return failure_; }

 private:
  static void Press(HWND window, const wchar_t* caption) {
    const HWND button = FindWindowExW(window, nullptr, L"Button", caption);
    if (button != nullptr) PostMessageW(button, BM_CLICK, 0, 0);
  }

  bool Fail(const char* what) {
    if (failure_.empty()) failure_ = what;
    return false;
  }

  bool PopUp() {
    PostMessageW(main_, kTrayCallbackMessage, 1, kRightButtonDown);
    return PollUntil([] { return OpenMenu() != nullptr; });
  }

  // Walks down to the item and takes it. A menu that shows before its loop
  // listens may lose the keys; then the menu stays open and is tried again.
  bool Choose(int item) {
    for (int attempt = 0; attempt < 5; ++attempt) {
      if (!PopUp()) return Fail("the tray menu did not open");
      const HWND menu = OpenMenu();
      for (int i = 0; i <= item; ++i) Key(menu, VK_DOWN);
      Key(menu, VK_RETURN);
      if (PollUntil([] { return OpenMenu() == nullptr; }, std::chrono::seconds(2))) return true;
      ++retries_;
      while (const HWND open = OpenMenu()) {
        Key(open, VK_ESCAPE);
        PollUntil([&] { return OpenMenu() != open; }, std::chrono::seconds(2));
      }
    }
    return Fail("the menu did not take the keys");
  }

  template <typename Close>
  bool OpenAndClose(const wchar_t* title, Close close) {
    HWND window = nullptr;
    if (!PollUntil(
            [&] { return (window = VisibleTopLevel(kFormWindowClass, title)) != nullptr; })) {
      return Fail("a window did not open");
    }
    close(window);
    return PollUntil([&] { return IsWindow(window) == FALSE; }) || Fail("a window did not close");
  }

  HWND main_;
  UINT question_;
  AnswerWindow answers_;
  int retries_ = 0;
  std::string failure_;
};

// The handles of a process as the system's handle list gives them: Wine
// answers GetProcessHandleCount for another process with 0, but lists every
// handle its server holds.
std::optional<DWORD> ListedHandles(DWORD pid) {
  struct Entry {
    PVOID object;
    ULONG_PTR process;
    ULONG_PTR handle;
    ULONG access;
    USHORT back_trace;
    USHORT type;
    ULONG attributes;
    ULONG reserved;
  };
  struct List {
    ULONG_PTR count;
    ULONG_PTR reserved;
    Entry entries[1];
  };
  using Query = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
  constexpr int kExtendedHandleInformation = 64;
  const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  if (query == nullptr) return std::nullopt;
  std::vector<unsigned char> buffer(1 << 20);
  for (int attempt = 0; attempt < 8; ++attempt) {
    ULONG needed = 0;
    const LONG status = query(kExtendedHandleInformation, buffer.data(),
                              static_cast<ULONG>(buffer.size()), &needed);
    if (status >= 0) {
      const auto* list = reinterpret_cast<const List*>(buffer.data());
      DWORD mine = 0;
      for (ULONG_PTR i = 0; i < list->count; ++i) {
        if (list->entries[i].process == pid) ++mine;
      }
      return mine;
    }
    buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed + 4096));
  }
  return std::nullopt;
}

long Argument(int argc, wchar_t** argv, int index, long fallback) {
  return argc > index ? std::wcstol(argv[index], nullptr, 10) : fallback;
}

}  // namespace

int SoakRound(int argc, wchar_t** argv) {
  const long ticks = Argument(argc, argv, 2, -1);
  const long cycles = Argument(argc, argv, 3, -1);
  const long batch = Argument(argc, argv, 4, 200);
  if (ticks < 0 || cycles < 0 || batch <= 0) {
    std::fputs("driver soak-round TICKS CYCLES [BATCH] [STEPS, of mlvsr]\n", stderr);
    return 2;
  }
  std::vector<UINT_PTR> refresh;
  for (const char* name : {"TmrNN", "TmrRN", "TmrNP", "TmrRP"}) {
    if (const std::optional<UINT_PTR> id = TimerId(name)) refresh.push_back(*id);
  }
  const std::optional<UINT_PTR> restore = TimerId("TmrRS");
  const HWND main = FindWindowW(kFormWindowClass, L"TavoroⅡ");
  const UINT question = RegisterWindowMessageW(win32::kLiveGdiObjectsMessage);
  if (main == nullptr || refresh.size() != 4 || !restore || question == 0) {
    std::puts("alive=0");
    return 1;
  }
  DWORD pid = 0;
  GetWindowThreadProcessId(main, &pid);

  const Clock::time_point start = Clock::now();
  Soak soak(main, question);
  bool ok = true;
  // Where the time goes, per kind of step: menu, launcher, version,
  // settings, memory release, ticks.
  std::array<Clock::duration, 6> spent{};
  const auto timed = [&](std::size_t kind, auto step) {
    const Clock::time_point began = Clock::now();
    const bool done = step();
    spent[kind] += Clock::now() - began;
    return done;
  };
  // Which steps a cycle takes, by letter: the menu, the launcher, the
  // version, the settings, the memory release; all of them by default, a
  // few to find which one something grows with.
  const std::wstring kinds = argc > 5 ? argv[5] : L"mlvsr";
  const auto takes = [&](wchar_t kind) { return kinds.find(kind) != std::wstring::npos; };
  for (long i = 0; ok && i < cycles; ++i) {
    ok = (!takes(L'm') || timed(0, [&] { return soak.TrayMenu(); })) &&
         (!takes(L'l') || timed(1, [&] { return soak.Launcher(); })) &&
         (!takes(L'v') || timed(2, [&] { return soak.Version(); })) &&
         (!takes(L's') || timed(3, [&] { return soak.Settings(); })) &&
         (!takes(L'r') || timed(4, [&] { return soak.MemoryRelease(*restore); }));
  }
  ok = ok && timed(5, [&] { return soak.Ticks(ticks, batch, refresh); });
  const std::optional<long> own_gdi = ok ? soak.Drain() : std::nullopt;
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();

  const win32::UniqueHandle process(
      OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
  DWORD handles = 0;
  bool counted = process && GetProcessHandleCount(process.get(), &handles) != FALSE && handles > 0;
  const char* handle_source = "process";
  if (!counted) {
    const std::optional<DWORD> listed = ListedHandles(pid);
    counted = listed.has_value();
    handles = listed.value_or(0);
    handle_source = "system-list";
  }
  const DWORD gdi = process ? GetGuiResources(process.get(), GR_GDIOBJECTS) : 0;
  const DWORD user = process ? GetGuiResources(process.get(), GR_USEROBJECTS) : 0;
  std::printf("alive=%d ms=%lld retries=%d handles=%s gdi=%lu user=%lu own_gdi=%s",
              IsWindow(main) ? 1 : 0, static_cast<long long>(ms), soak.retries(),
              counted ? std::to_string(handles).c_str() : "none", static_cast<unsigned long>(gdi),
              static_cast<unsigned long>(user),
              own_gdi ? std::to_string(*own_gdi).c_str() : "none");
  std::printf(" handles_from=%s spent_ms=", counted ? handle_source : "none");
  for (std::size_t i = 0; i < spent.size(); ++i) {
    std::printf("%s%lld", i > 0 ? "," : "",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(spent[i]).count()));
  }
  if (!soak.failure().empty()) std::printf(" failed=%s", soak.failure().c_str());
  std::printf("\n");
  return ok ? 0 : 1;
}

}  // namespace kelvara::e2e
