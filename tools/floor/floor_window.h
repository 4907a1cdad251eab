// What both floors of tools/measure-idle share: a borderless colour-keyed
// tool window of the monitor's size, shown without taking the focus, with a
// 500 ms timer, and the plain message loop.
#pragma once

#include <windows.h>

namespace floor_window {

constexpr int kWidth = 242;   // 3630 twips
constexpr int kHeight = 283;  // 4245 twips
constexpr UINT_PTR kTick = 1;

// Null when the class or the window cannot be made.
inline HWND Create(HINSTANCE instance, WNDPROC procedure, const wchar_t* class_name,
                   const wchar_t* title, int left, COLORREF key) {
  WNDCLASSW c{};
  c.lpfnWndProc = procedure;
  c.hInstance = instance;
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.lpszClassName = class_name;
  if (RegisterClassW(&c) == 0) return nullptr;
  HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, class_name, title, WS_POPUP, left,
                                40, kWidth, kHeight, nullptr, nullptr, instance, nullptr);
  if (window != nullptr) SetLayeredWindowAttributes(window, key, 0, LWA_COLORKEY);
  return window;
}

// Shows the window and ticks it until it is closed.
inline int Run(HWND window) {
  ShowWindow(window, SW_SHOWNA);
  SetTimer(window, kTick, 500, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace floor_window
