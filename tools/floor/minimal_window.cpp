// The least a colour-keyed desktop window can do: a borderless layered
// window that repaints a line of text twice a second. tools/measure-idle runs
// it beside kelvara.exe as the baseline of what Wine and X cost anyway.
#include <windows.h>

#include <cwchar>

#include "floor_window.h"

namespace {

constexpr COLORREF kKey = RGB(182, 192, 192);

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
  HWND window =
      floor_window::Create(instance, Procedure, L"kelvara.MinimalWindow", L"minimal", 40, kKey);
  return window == nullptr ? 1 : floor_window::Run(window);
}
