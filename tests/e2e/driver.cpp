// Drives kelvara.exe from outside, as a user's tools would: finds its
// windows, sends it what the shell sends for the tray icon, steers its popup
// menu and message boxes, presses buttons and reports what a window shows.
// Each command prints its findings on stdout and exits 0 when it found what
// it was asked for, 1 when not, 2 on bad arguments.
#include <windows.h>

#include <colordlg.h>
#include <dlgs.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "driver_soak.h"
#include "driver_store.h"
#include "platform/win32/host/form_host.h"
#include "platform/win32/host/popup_menus.h"
#include "platform/win32/host/tray_icon.h"

namespace {

using kelvara::win32::host::kFormWindowClass;
using kelvara::win32::host::kTrayCallbackMessage;
using kelvara::win32::host::Win32PopupMenus;

constexpr int kFound = 0;
constexpr int kMissing = 1;
constexpr int kUsage = 2;

void PrintUtf8(const std::wstring& text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), length,
                      nullptr, nullptr);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  // WM_GETTEXT rather than GetWindowText: it reads other processes' controls.
  SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 2000, nullptr);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

struct Search {
  std::wstring class_name;
  std::wstring title;  // empty: any
  bool visible_only = false;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM into) {
  auto& search = *reinterpret_cast<Search*>(into);
  if (search.visible_only && !IsWindowVisible(window)) return TRUE;
  if (ClassOf(window) != search.class_name) return TRUE;
  if (!search.title.empty() && TextOf(window) != search.title) return TRUE;
  search.found.push_back(window);
  return TRUE;
}

std::vector<HWND> TopLevel(const std::wstring& class_name, const std::wstring& title,
                           bool visible_only) {
  Search search{class_name, title, visible_only, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Polls until a matching top-level window exists, for up to `wait_ms`.
HWND WaitFor(const std::wstring& class_name, const std::wstring& title, bool visible_only,
             int wait_ms) {
  for (int waited = 0;; waited += 100) {
    const std::vector<HWND> found = TopLevel(class_name, title, visible_only);
    if (!found.empty()) return found.front();
    if (waited >= wait_ms) return nullptr;
    Sleep(100);
  }
}

HWND ParseWindow(const wchar_t* text) {
  return reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::wcstoull(text, nullptr, 0)));
}

void PrintWindow(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  RECT client{};
  GetClientRect(window, &client);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR ex_style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  GetLayeredWindowAttributes(window, &key, &alpha, &flags);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  std::printf("window=0x%llx pid=%lu\n",
              static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)), process);
  std::printf("rect=%ld,%ld,%ld,%ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  std::printf("client=%ld,%ld\n", client.right, client.bottom);
  std::printf("visible=%d\n", IsWindowVisible(window) ? 1 : 0);
  std::printf("popup=%d caption=%d thickframe=%d\n", (style & WS_POPUP) ? 1 : 0,
              (style & WS_CAPTION) == WS_CAPTION ? 1 : 0, (style & WS_THICKFRAME) ? 1 : 0);
  std::printf("layered=%d toolwindow=%d topmost=%d\n", (ex_style & WS_EX_LAYERED) ? 1 : 0,
              (ex_style & WS_EX_TOOLWINDOW) ? 1 : 0, (ex_style & WS_EX_TOPMOST) ? 1 : 0);
  if ((ex_style & WS_EX_LAYERED) != 0) {
    std::printf("colourkey=%lu keyed=%d\n", static_cast<unsigned long>(key),
                (flags & LWA_COLORKEY) ? 1 : 0);
  }
  std::printf("title=");
  PrintUtf8(TextOf(window));
  std::printf("\n");
}

bool IsCheckBox(HWND child) {
  if (ClassOf(child) != L"Button") return false;
  const LONG_PTR type = GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
}

bool IsGroupBox(HWND child) {
  return ClassOf(child) == L"Button" &&
         (GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
  std::printf("child class=");
  PrintUtf8(ClassOf(child));
  std::printf(" visible=%d enabled=%d", IsWindowVisible(child) ? 1 : 0,
              IsWindowEnabled(child) ? 1 : 0);
  if (IsCheckBox(child)) {
    std::printf(" checked=%d", SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
  }
  std::printf(" text=");
  PrintUtf8(TextOf(child));
  std::printf("\n");
  return TRUE;
}

HWND MainWindow(int wait_ms) { return WaitFor(kFormWindowClass, L"TavoroⅡ", false, wait_ms); }

// Sends what the shell sends when the mouse acts on the icon.
int Tray(int mouse_message) {
  const HWND window = MainWindow(5000);
  if (window == nullptr) return kMissing;
  PostMessageW(window, kTrayCallbackMessage, 1, mouse_message);
  return kFound;
}

HWND OpenMenu(int wait_ms) {
  return WaitFor(Win32PopupMenus::kMenuWindowClass, L"", true, wait_ms);
}

void Key(HWND menu, WORD key) {
  PostMessageW(menu, WM_KEYDOWN, key, 1);
  PostMessageW(menu, WM_KEYUP, key, 0xC0000001);
  Sleep(150);
}

// Walks the open menu: each step is the number of the item (from 0) at its
// level; every step but the last opens a submenu.
// Reports whether the menu closed after the choice; a menu still open means a
// key went astray, and the caller may close it and try again.
int ChooseInMenu(const std::vector<int>& path) {
  HWND menu = OpenMenu(5000);
  if (menu == nullptr) return kMissing;
  // The window shows before its tracking loop runs; on a busy machine keys
  // sent at once can reach a menu that is not yet listening.
  Sleep(300);
  for (std::size_t level = 0; level < path.size(); ++level) {
    if (level == 0) {
      for (int i = 0; i <= path[level]; ++i) Key(menu, VK_DOWN);
    } else {
      Key(menu, VK_RIGHT);  // opens the submenu on its first item
      for (int i = 0; i < path[level]; ++i) Key(menu, VK_DOWN);
    }
  }
  Key(menu, VK_RETURN);
  for (int waited = 0; waited < 5000; waited += 100) {
    if (OpenMenu(0) == nullptr) return kFound;
    Sleep(100);
  }
  return kMissing;
}

// A message box of that title: prints its text, then presses its OK button.
int AnswerMessage(const std::wstring& title, int wait_ms) {
  const HWND box = WaitFor(L"#32770", title, true, wait_ms);
  if (box == nullptr) return kMissing;
  HWND child = nullptr;
  while ((child = FindWindowExW(box, child, L"Static", nullptr)) != nullptr) {
    const std::wstring text = TextOf(child);
    if (text.empty()) continue;
    std::printf("text=");
    PrintUtf8(text);
    std::printf("\n");
  }
  // Modal to its owner: that window takes no input until the box is answered.
  const HWND owner = GetWindow(box, GW_OWNER);
  // The box may show a moment before its owner is disabled.
  for (int waited = 0; owner != nullptr && IsWindowEnabled(owner) && waited < 3000; waited += 50)
    Sleep(50);
  std::printf("owner=0x%llx owner_enabled=%d\n",
              static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(owner)),
              owner != nullptr && IsWindowEnabled(owner) ? 1 : 0);
  const HWND ok = GetDlgItem(box, IDOK);
  if (ok != nullptr) PostMessageW(ok, BM_CLICK, 0, 0);
  return kFound;
}

// Presses a native button of a window by its caption.
int Press(HWND parent, const std::wstring& caption) {
  const HWND button = FindWindowExW(parent, nullptr, L"Button", caption.c_str());
  if (button == nullptr) return kMissing;
  PostMessageW(button, BM_CLICK, 0, 0);
  return kFound;
}

// The control that has the focus in the window's thread.
HWND FocusOf(HWND window) {
  const DWORD target = GetWindowThreadProcessId(window, nullptr);
  if (AttachThreadInput(GetCurrentThreadId(), target, TRUE) == FALSE) return nullptr;
  const HWND focus = GetFocus();
  AttachThreadInput(GetCurrentThreadId(), target, FALSE);
  return focus;
}

// One press of a key as the keyboard makes it: to whatever has the focus
// in the window's thread, or first focused on the button of that caption.
// Prints the control that got it.
int KeyPress(HWND window, const std::wstring& key, const wchar_t* button) {
  const WORD vk = key == L"enter" ? VK_RETURN : key == L"escape" ? VK_ESCAPE : 0;
  if (vk == 0 || window == nullptr) return kUsage;
  const DWORD target = GetWindowThreadProcessId(window, nullptr);
  if (AttachThreadInput(GetCurrentThreadId(), target, TRUE) == FALSE) return kMissing;
  if (button != nullptr) {
    if (const HWND to = FindWindowExW(window, nullptr, L"Button", button)) SetFocus(to);
  }
  const HWND focus = GetFocus();
  AttachThreadInput(GetCurrentThreadId(), target, FALSE);
  if (focus == nullptr || (button != nullptr && TextOf(focus) != button)) return kMissing;
  std::printf("focus=");
  PrintUtf8(TextOf(focus));
  std::printf("\n");
  const auto scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC) << 16);
  PostMessageW(focus, WM_KEYDOWN, vk, scan | 1);
  PostMessageW(focus, WM_KEYUP, vk, scan | static_cast<LPARAM>(0xC0000001));
  return kFound;
}

// The control a user's click at a point of a window's client area reaches:
// the smallest shown child there, a frame's group box only around the rest.
struct ChildSearch {
  HWND parent;
  POINT at;
  HWND found = nullptr;
  LONG area = 0;
};

BOOL CALLBACK SmallestChildAt(HWND child, LPARAM into) {
  auto& search = *reinterpret_cast<ChildSearch*>(into);
  if (!IsWindowVisible(child) || IsGroupBox(child) || GetParent(child) != search.parent) {
    return TRUE;
  }
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, search.parent, reinterpret_cast<POINT*>(&r), 2);
  if (!PtInRect(&r, search.at)) return TRUE;
  const LONG area = (r.right - r.left) * (r.bottom - r.top);
  if (search.found == nullptr || area < search.area) {
    search.found = child;
    search.area = area;
  }
  return TRUE;
}

int ChildAt(HWND parent, int x, int y) {
  ChildSearch search{parent, {x, y}};
  EnumChildWindows(parent, SmallestChildAt, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return kMissing;
  RECT r{};
  GetWindowRect(search.found, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  std::printf("control=0x%llx rect=%ld,%ld,%ld,%ld\n",
              static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(search.found)), r.left,
              r.top, r.right - r.left, r.bottom - r.top);
  PrintChild(search.found, 0);
  return kFound;
}

// Chooses a drop-down's item by its text, as a choice from the list does.
int Select(HWND combo, const std::wstring& item) {
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) >= 255) continue;
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    if (item != text) continue;
    SendMessageW(combo, CB_SETCURSEL, i, 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    return kFound;
  }
  return kMissing;
}

// Replaces a text box's (or a drop-down's) text by typing, one character
// after the other, and waits until the box has taken them or `wait_ms`
// passed; prints what it shows then. A box that refuses the characters
// keeps its text.
int Type(HWND box, const std::wstring& text, int wait_ms) {
  HWND edit = box;
  if (ClassOf(box) == L"ComboBox") edit = FindWindowExW(box, nullptr, L"Edit", nullptr);
  if (edit == nullptr) return kMissing;
  SendMessageW(edit, EM_SETSEL, 0, -1);
  if (text.empty()) PostMessageW(edit, WM_CHAR, VK_BACK, 1);
  for (wchar_t ch : text) PostMessageW(edit, WM_CHAR, ch, 1);
  std::wstring shown;
  for (int waited = 0;; waited += 50) {
    shown = TextOf(edit);
    if (shown == text || waited >= wait_ms) break;
    Sleep(50);
  }
  std::printf("text=");
  PrintUtf8(shown);
  std::printf("\n");
  return shown == text ? kFound : kMissing;
}

int WaitGone(HWND window, int wait_ms) {
  for (int waited = 0; waited < wait_ms; waited += 100) {
    if (!IsWindow(window)) return kFound;
    Sleep(100);
  }
  return IsWindow(window) ? kMissing : kFound;
}

// The common dialogs, which are all of the dialog class.
constexpr const wchar_t* kDialogClass = L"#32770";

// Polls until a visible dialog that `fits` exists, for up to `wait_ms`.
HWND WaitForDialog(const std::function<bool(HWND)>& fits, int wait_ms) {
  for (int waited = 0;; waited += 100) {
    for (HWND dialog : TopLevel(kDialogClass, L"", true)) {
      if (fits(dialog)) return dialog;
    }
    if (waited >= wait_ms) return nullptr;
    Sleep(100);
  }
}

void PrintDialog(HWND dialog) {
  std::printf("dialog=0x%llx title=",
              static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(dialog)));
  PrintUtf8(TextOf(dialog));
  std::printf("\n");
}

bool SetText(HWND control, const std::wstring& text) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_ABORTIFHUNG, 2000, &ignored) != 0;
}

// Presses one of a dialog's command buttons as a click would, then waits for
// the dialog to close.
bool PressAndWaitClosed(HWND dialog, int button) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
  const bool closed = WaitGone(dialog, 5000) == kFound;
  std::printf("closed=%d\n", closed ? 1 : 0);
  return closed;
}

// The colour dialog opened full, with its red, green and blue fields: types
// the colour there, prints what the fields then show and presses OK.
int AnswerColour(int red, int green, int blue, int wait_ms) {
  const HWND dialog = WaitForDialog(
      [](HWND d) {
        return GetDlgItem(d, COLOR_RED) != nullptr && GetDlgItem(d, COLOR_GREEN) != nullptr &&
               GetDlgItem(d, COLOR_BLUE) != nullptr;
      },
      wait_ms);
  if (dialog == nullptr) return kMissing;
  PrintDialog(dialog);
  const int ids[] = {COLOR_RED, COLOR_GREEN, COLOR_BLUE};
  const int values[] = {red, green, blue};
  std::wstring shown;
  for (int i = 0; i < 3; ++i) {
    const HWND field = GetDlgItem(dialog, ids[i]);
    SetText(field, std::to_wstring(values[i]));
    shown += (i > 0 ? L"," : L"") + TextOf(field);
  }
  std::printf("colour=");
  PrintUtf8(shown);
  std::printf("\n");
  return PressAndWaitClosed(dialog, IDOK) ? kFound : kMissing;
}

// The file name field of an open- or save-file dialog: a combo box in the
// explorer style, an edit field in the older one.
HWND FileNameField(HWND dialog) {
  const HWND combo = GetDlgItem(dialog, cmb13);
  return combo != nullptr ? combo : GetDlgItem(dialog, edt1);
}

// Types a path into an open file dialog and presses its Open button.
int AnswerFile(const std::wstring& path, int wait_ms) {
  const HWND dialog = WaitForDialog([](HWND d) { return FileNameField(d) != nullptr; }, wait_ms);
  if (dialog == nullptr) return kMissing;
  PrintDialog(dialog);
  SetText(FileNameField(dialog), path);
  std::printf("path=");
  PrintUtf8(TextOf(FileNameField(dialog)));
  std::printf("\n");
  return PressAndWaitClosed(dialog, IDOK) ? kFound : kMissing;
}

int CancelDialog(int wait_ms) {
  const HWND dialog = WaitForDialog([](HWND) { return true; }, wait_ms);
  if (dialog == nullptr) return kMissing;
  PrintDialog(dialog);
  return PressAndWaitClosed(dialog, IDCANCEL) ? kFound : kMissing;
}

BOOL CALLBACK PrintTopLevel(HWND window, LPARAM) {
  RECT r{};
  GetWindowRect(window, &r);
  std::printf("0x%llx visible=%d rect=%ld,%ld,%ld,%ld class=",
              static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)),
              IsWindowVisible(window) ? 1 : 0, r.left, r.top, r.right - r.left, r.bottom - r.top);
  PrintUtf8(ClassOf(window));
  std::printf(" title=");
  PrintUtf8(TextOf(window));
  std::printf("\n");
  EnumChildWindows(window, PrintChild, 0);
  return TRUE;
}

// The notification-area icons Wine shows for want of a system tray: each is a
// child window of its stand-alone tray, and each add makes a new one.
std::vector<HWND> IconWindows() {
  std::vector<HWND> icons;
  for (HWND tray : TopLevel(L"__winex11_standalone_tray", L"", false)) {
    HWND icon = nullptr;
    while ((icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr)) != nullptr) {
      if (IsWindowVisible(icon)) icons.push_back(icon);
    }
  }
  return icons;
}

// Prints the icons' screen rectangles.
int TrayIcons() {
  const std::vector<HWND> icons = IconWindows();
  for (HWND icon : icons) {
    RECT r{};
    GetWindowRect(icon, &r);
    std::printf("icon=%ld,%ld,%ld,%ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  std::printf("icons=%zu\n", icons.size());
  return icons.empty() ? kMissing : kFound;
}

// The shown tooltips' texts, a carriage return written as \r: how the tray
// icon's tip reads while the pointer rests on the icon.
int Tips() {
  int count = 0;
  for (HWND tip : TopLevel(L"tooltips_class32", L"", true)) {
    std::wstring text = TextOf(tip);
    for (std::size_t at = 0; (at = text.find(L'\r', at)) != std::wstring::npos; at += 2) {
      text.replace(at, 1, L"\\r");
    }
    std::printf("tip=");
    PrintUtf8(text);
    std::printf("\n");
    ++count;
  }
  return count > 0 ? kFound : kMissing;
}

std::vector<HWND> WaitForIcons(std::size_t count, int wait_ms) {
  for (int waited = 0;; waited += 50) {
    std::vector<HWND> icons = IconWindows();
    if (icons.size() == count || waited >= wait_ms) return icons;
    Sleep(50);
  }
}

// Stops the monitor's window thread (its ticks and messages) while alive.
class HeldThread {
 public:
  explicit HeldThread(HWND window)
      : thread_(
            OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(window, nullptr))) {
    if (thread_ != nullptr && SuspendThread(thread_) == static_cast<DWORD>(-1)) {
      CloseHandle(thread_);
      thread_ = nullptr;
    }
  }
  ~HeldThread() { Release(); }
  HeldThread(const HeldThread&) = delete;
  HeldThread& operator=(const HeldThread&) = delete;
  bool held() const { return thread_ != nullptr; }
  void Release() {
    if (thread_ == nullptr) return;
    ResumeThread(thread_);
    CloseHandle(thread_);
    thread_ = nullptr;
  }

 private:
  HANDLE thread_;
};

// What a restarting shell does: it forgets the icon, then announces its new
// taskbar. The monitor also notices the loss on its own when a tick's modify
// fails. `order` says which comes first: "taskbar-first" announces while the
// monitor is held, so the announcement is handled before any tick;
// "tick-first" lets the ticks put the icon back, then announces and waits
// for the monitor to handle it. Either way exactly one add must follow the
// loss: the icon's window after the announcement is the one the first add
// made.
int IconLoss(const std::wstring& order) {
  const HWND window = MainWindow(0);
  if (window == nullptr || (order != L"taskbar-first" && order != L"tick-first")) return kMissing;
  const UINT taskbar_created = RegisterWindowMessageW(L"TaskbarCreated");
  HeldThread held(window);
  if (!held.held()) return kMissing;
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof(icon);
  icon.hWnd = window;
  icon.uID = 1;
  const BOOL removed = Shell_NotifyIconW(NIM_DELETE, &icon);
  // Held, the monitor cannot put it back behind our back.
  std::printf("removed=%d held=%zu\n", removed ? 1 : 0, WaitForIcons(0, 5000).size());
  if (order == L"taskbar-first") PostMessageW(window, taskbar_created, 0, 0);
  held.Release();
  // A tick sends the shell only a tip that changed, and the tip's clock
  // shows minutes: with the figures steady, the failing modify that puts
  // the icon back comes within a minute.
  const std::vector<HWND> back = WaitForIcons(1, order == L"tick-first" ? 75000 : 15000);
  std::printf("back=%zu\n", back.size());
  if (order == L"tick-first") {
    // Handled when the call returns: nothing of the announcement is pending.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, taskbar_created, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored);
  }
  const std::vector<HWND> after = IconWindows();
  const bool same = after.size() == 1 && back.size() == 1 && after.front() == back.front();
  std::printf("after=%zu same=%d\n", after.size(), same ? 1 : 0);
  return removed && same ? kFound : kMissing;
}

// Log-off as the monitor window sees it.
int EndSession() {
  const HWND window = MainWindow(0);
  if (window == nullptr) return kMissing;
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                      &answer);
  std::printf("may-end=%d\n", answer != 0 ? 1 : 0);
  SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                      &answer);
  return kFound;
}

int Usage() {
  std::fputs(
      "driver list                      every top-level window and its children\n"
      "driver main [wait-ms]            the monitor window's facts\n"
      "driver find CLASS [TITLE] [wait-ms]\n"
      "driver children HWND\n"
      "driver tray MOUSE-MESSAGE        e.g. 516 (right button down)\n"
      "driver icons                     the notification-area icons shown\n"
      "driver tips                      the texts of the tooltips shown\n"
      "driver icon-loss ORDER           the shell loses the icon; ORDER taskbar-first or "
      "tick-first\n"
      "driver end-session               logs off, as far as the monitor window can tell\n"
      "driver menu [wait-ms]            the open popup menu, if any\n"
      "driver choose N [N ...]          item numbers per menu level, from 0\n"
      "driver escape                    closes the open popup menu\n"
      "driver message TITLE [wait-ms]   prints a message box's text and presses OK\n"
      "driver press HWND CAPTION        clicks a native button\n"
      "driver child-at HWND X Y         the control under a client point of a window\n"
      "driver click HWND                clicks a native control\n"
      "driver select HWND ITEM          chooses a drop-down's item by its text\n"
      "driver type HWND TEXT [wait-ms]  replaces a box's text by typing\n"
      "driver gone HWND [wait-ms]\n"
      "driver close HWND                sends WM_CLOSE\n"
      "driver focus HWND                the text of the control with the window's focus\n"
      "driver key HWND enter|escape [BUTTON]\n"
      "                                 one key press to the window's focus, first put\n"
      "                                 on the button of that caption when one is named\n"
      "driver colour R G B [wait-ms]    types a colour into the colour dialog and presses OK\n"
      "driver file-dialog PATH [wait-ms]\n"
      "                                 types a path into the file dialog and presses Open\n"
      "driver cancel-dialog [wait-ms]   presses Cancel on any open dialog\n"
      "driver soak-round TICKS CYCLES [BATCH] [STEPS]\n"
      "                                 windows and menu CYCLES times, TICKS ticks, one sample\n"
      "driver first-paint X Y R G B [wait-ms]\n"
      "                                 when the monitor window was shown and first showed\n"
      "                                 that colour at X Y of it (Unix milliseconds)\n",
      stderr);
  return kUsage;
}

int Wait(int argc, wchar_t** argv, int index, int fallback) {
  return argc > index ? static_cast<int>(std::wcstol(argv[index], nullptr, 10)) : fallback;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return Usage();
  const std::wstring command = argv[1];
  if (command == L"soak-round") return kelvara::e2e::SoakRound(argc, argv);
  if (command == L"list") {
    EnumWindows(PrintTopLevel, 0);
    return kFound;
  }
  if (command == L"main") {
    const HWND window = MainWindow(Wait(argc, argv, 2, 0));
    if (window == nullptr) return kMissing;
    PrintWindow(window);
    return kFound;
  }
  if (command == L"find" && argc >= 3) {
    const HWND window = WaitFor(argv[2], argc >= 4 ? argv[3] : L"", false, Wait(argc, argv, 4, 0));
    if (window == nullptr) return kMissing;
    PrintWindow(window);
    return kFound;
  }
  if (command == L"children" && argc >= 3) {
    EnumChildWindows(ParseWindow(argv[2]), PrintChild, 0);
    return kFound;
  }
  if (command == L"tray" && argc >= 3)
    return Tray(static_cast<int>(std::wcstol(argv[2], nullptr, 10)));
  if (command == L"icons") return TrayIcons();
  if (command == L"tips") return Tips();
  if (command == L"icon-loss" && argc >= 3) return IconLoss(argv[2]);
  if (command == L"end-session") return EndSession();
  if (command == L"menu") {
    const HWND menu = OpenMenu(Wait(argc, argv, 2, 0));
    if (menu == nullptr) return kMissing;
    PrintWindow(menu);
    return kFound;
  }
  if (command == L"choose" && argc >= 3) {
    std::vector<int> path;
    for (int i = 2; i < argc; ++i)
      path.push_back(static_cast<int>(std::wcstol(argv[i], nullptr, 10)));
    return ChooseInMenu(path);
  }
  if (command == L"escape") {
    const HWND menu = OpenMenu(0);
    if (menu == nullptr) return kMissing;
    Key(menu, VK_ESCAPE);
    return kFound;
  }
  if (command == L"message" && argc >= 3) return AnswerMessage(argv[2], Wait(argc, argv, 3, 5000));
  if (command == L"press" && argc >= 4) return Press(ParseWindow(argv[2]), argv[3]);
  if (command == L"focus" && argc >= 3) {
    const HWND focus = FocusOf(ParseWindow(argv[2]));
    if (focus == nullptr) return kMissing;
    std::printf("focus=");
    PrintUtf8(TextOf(focus));
    std::printf("\n");
    return kFound;
  }
  if (command == L"key" && argc >= 4) {
    return KeyPress(ParseWindow(argv[2]), argv[3], argc >= 5 ? argv[4] : nullptr);
  }
  if (command == L"child-at" && argc >= 5) {
    return ChildAt(ParseWindow(argv[2]), static_cast<int>(std::wcstol(argv[3], nullptr, 10)),
                   static_cast<int>(std::wcstol(argv[4], nullptr, 10)));
  }
  if (command == L"click" && argc >= 3) {
    PostMessageW(ParseWindow(argv[2]), BM_CLICK, 0, 0);
    return kFound;
  }
  if (command == L"select" && argc >= 4) return Select(ParseWindow(argv[2]), argv[3]);
  if (command == L"type" && argc >= 4)
    return Type(ParseWindow(argv[2]), argv[3], Wait(argc, argv, 4, 5000));
  if (command == L"gone" && argc >= 3)
    return WaitGone(ParseWindow(argv[2]), Wait(argc, argv, 3, 5000));
  if (command == L"close" && argc >= 3) {
    PostMessageW(ParseWindow(argv[2]), WM_CLOSE, 0, 0);
    return kFound;
  }
  if (command == L"colour" && argc >= 5) {
    int rgb[3] = {};
    for (int i = 0; i < 3; ++i) {
      wchar_t* end = nullptr;
      const long value = std::wcstol(argv[2 + i], &end, 10);
      if (end == argv[2 + i] || *end != L'\0' || value < 0 || value > 255) return Usage();
      rgb[i] = static_cast<int>(value);
    }
    return AnswerColour(rgb[0], rgb[1], rgb[2], Wait(argc, argv, 5, 5000));
  }
  if (command == L"file-dialog" && argc >= 3) return AnswerFile(argv[2], Wait(argc, argv, 3, 5000));
  if (command == L"cancel-dialog") return CancelDialog(Wait(argc, argv, 2, 5000));
  if (const int code = kelvara::e2e::RunStoreCommand(argc, argv); code >= 0) return code;
  return Usage();
}
