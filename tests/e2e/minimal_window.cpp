// The least a colour-keyed desktop window can do: a borderless layered
// window that repaints a line of text twice a second. tools/measure-idle runs
// it beside kelvara.exe as the baseline of what Wine and X cost anyway.
#include <windows.h>

#include <cwchar>

namespace {

constexpr COLORREF kKey = RGB(182, 192, 192);
constexpr UINT_PTR kTick = 1;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_TIMER:
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      HBRUSH key = CreateSolidBrush(kKey);
      FillRect(dc, &client, key);
      DeleteObject(key);
      SYSTEMTIME now;
      GetLocalTime(&now);
      wchar_t text[32];
      std::swprintf(text, 32, L"%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(192, 192, 192));
      DrawTextW(dc, text, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, w, l);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW c{};
  c.lpfnWndProc = Procedure;
  c.hInstance = instance;
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.lpszClassName = L"kelvara.MinimalWindow";
  if (RegisterClassW(&c) == 0) return 1;
  HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, c.lpszClassName, L"minimal",
                                WS_POPUP, 40, 40, 242, 283, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  SetLayeredWindowAttributes(window, kKey, 0, LWA_COLORKEY);
  ShowWindow(window, SW_SHOWNA);
  SetTimer(window, kTick, 500, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
