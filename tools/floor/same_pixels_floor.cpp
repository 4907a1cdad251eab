// The same-pixels floor: what the monitor's picture costs when drawn the
// naive way. A borderless colour-keyed window of the monitor's size shows the
// same kinds of things (date and time, five outlined bars with their names
// and percentages, the memory figures, the moon with its age) and a tray icon
// whose tip follows the figures. Twice a second it invalidates the whole
// window and the paint draws everything again with fresh fonts, brushes and
// pens. tools/measure-idle runs it beside kelvara.exe: a lean program should
// cost less than this.
#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <cwchar>

#include "floor_window.h"

namespace {

using floor_window::kHeight;
using floor_window::kWidth;

constexpr COLORREF kKey = 3347759;  // the monitor's starting colour key
constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kAgeColour = RGB(255, 255, 192);
constexpr UINT kTrayMessage = WM_APP + 1;
constexpr int kBarLeft = 48;
constexpr int kBarWidth = 173;
constexpr int kBarHeight = 17;
constexpr double kMegabyte = 1024000;

struct Figures {
  double cpu = 0;
  double ram = 0;
  double page_file = 0;
  double free_space = 0;
  double ram_used = 0;
  double ram_total = 0;
  double page_used = 0;
  double page_total = 0;
};

Figures figures;
ULONGLONG last_idle = 0;
ULONGLONG last_busy = 0;
HBITMAP moon = nullptr;
NOTIFYICONDATAW tray{};

ULONGLONG Ticks(const FILETIME& t) {
  return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

void Sample() {
  FILETIME idle, kernel, user;
  if (GetSystemTimes(&idle, &kernel, &user) != FALSE) {
    const ULONGLONG idle_now = Ticks(idle);
    const ULONGLONG busy_now = Ticks(kernel) + Ticks(user);  // kernel time includes idle
    const ULONGLONG all = busy_now - last_busy;
    if (last_busy != 0 && all != 0) {
      figures.cpu = 100.0 * static_cast<double>(all - (idle_now - last_idle)) / all;
    }
    last_idle = idle_now;
    last_busy = busy_now;
  }
  MEMORYSTATUSEX m{};
  m.dwLength = sizeof(m);
  if (GlobalMemoryStatusEx(&m) != FALSE) {
    figures.ram = 100 - 100.0 * m.ullAvailPhys / m.ullTotalPhys;
    figures.page_file = 100 - 100.0 * m.ullAvailPageFile / m.ullTotalPageFile;
    figures.ram_used = (m.ullTotalPhys - m.ullAvailPhys) / kMegabyte;
    figures.ram_total = m.ullTotalPhys / kMegabyte;
    figures.page_used = (m.ullTotalPageFile - m.ullAvailPageFile) / kMegabyte;
    figures.page_total = m.ullTotalPageFile / kMegabyte;
  }
  ULARGE_INTEGER free{}, total{};
  if (GetDiskFreeSpaceExW(L"C:\\", &free, &total, nullptr) != FALSE && total.QuadPart != 0) {
    figures.free_space = 100.0 * free.QuadPart / total.QuadPart;
  }
}

void UpdateTip() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  std::swprintf(tray.szTip, 64, L"%u/%u/%u %02u:%02u CPU: %.0f%% / RAM: %.0f%%", now.wYear,
                now.wMonth, now.wDay, now.wHour, now.wMinute, figures.cpu, figures.ram);
  tray.uFlags = NIF_TIP;
  Shell_NotifyIconW(NIM_MODIFY, &tray);
}

HFONT Gothic(int pixels, bool bold) {
  return CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                     DEFAULT_PITCH, L"ＭＳ Ｐゴシック");
}

void Text(HDC dc, const wchar_t* text, int left, int top, int width, int height, UINT align) {
  RECT r{left, top, left + width, top + height};
  DrawTextW(dc, text, -1, &r, align | DT_WORDBREAK | DT_NOPREFIX);
}

void Bar(HDC dc, int top, double percent) {
  if (percent < 0) percent = 0;
  if (percent > 100) percent = 100;
  HBRUSH fill = CreateSolidBrush(kGrey);
  RECT filled{kBarLeft, top, kBarLeft + static_cast<int>(kBarWidth * percent / 100),
              top + kBarHeight};
  FillRect(dc, &filled, fill);
  DeleteObject(fill);
  HPEN pen = CreatePen(PS_SOLID, 1, kGrey);
  HGDIOBJ old_pen = SelectObject(dc, pen);
  HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, kBarLeft, top, kBarLeft + kBarWidth, top + kBarHeight);
  SelectObject(dc, old_brush);
  SelectObject(dc, old_pen);
  DeleteObject(pen);
}

void Paint(HDC dc) {
  RECT client{0, 0, kWidth, kHeight};
  HBRUSH key = CreateSolidBrush(kKey);
  FillRect(dc, &client, key);
  DeleteObject(key);

  if (moon != nullptr) {
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, moon);
    BitBlt(dc, 168, 20, 53, 53, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
  }

  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t text[64];
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kGrey);

  HFONT caption = Gothic(13, true);
  HGDIOBJ old_font = SelectObject(dc, caption);
  std::swprintf(text, 64, L"%u/%u/%u", now.wYear, now.wMonth, now.wDay);
  Text(dc, text, 146, 5, 97, 17, DT_CENTER);
  Text(dc, L"CPU", 8, 91, 41, 17, DT_CENTER);
  Text(dc, L"RAM", 8, 131, 41, 17, DT_CENTER);
  Text(dc, L"Page File", 8, 161, 41, 25, DT_CENTER);
  Text(dc, L"DISK", 8, 211, 41, 17, DT_CENTER);
  Text(dc, L"空き　領域", 8, 244, 41, 25, DT_CENTER);
  const double percents[] = {figures.cpu, figures.ram, figures.page_file, 0, figures.free_space};
  for (int row = 0; row < 5; ++row) {
    std::swprintf(text, 64, row == 4 ? L"%.1f%%" : L"%.0f%%", percents[row]);
    Text(dc, text, 176, 107 + 40 * row, 41, 17, DT_RIGHT);
    Bar(dc, 88 + 40 * row, percents[row]);
  }

  HFONT amount = Gothic(11, false);
  SelectObject(dc, amount);
  DeleteObject(caption);
  std::swprintf(text, 64, L"%.0f", figures.ram_used);
  Text(dc, text, 48, 147, 57, 17, DT_RIGHT);
  Text(dc, L"/", 108, 147, 9, 17, DT_CENTER);
  std::swprintf(text, 64, L"%.0f MB", figures.ram_total);
  Text(dc, text, 120, 147, 73, 17, DT_LEFT);
  std::swprintf(text, 64, L"%.0f", figures.page_used);
  Text(dc, text, 48, 187, 57, 17, DT_RIGHT);
  Text(dc, L"/", 108, 187, 9, 17, DT_CENTER);
  std::swprintf(text, 64, L"%.0f MB", figures.page_total);
  Text(dc, text, 120, 187, 73, 17, DT_LEFT);

  HFONT time = Gothic(32, true);
  SelectObject(dc, time);
  DeleteObject(amount);
  std::swprintf(text, 64, L"%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
  Text(dc, text, 24, 40, 145, 33, DT_CENTER);

  HFONT age =
      CreateFontW(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                  CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, L"Palatino Linotype");
  SelectObject(dc, age);
  DeleteObject(time);
  SetTextColor(dc, kAgeColour);
  Text(dc, L"14", 202, 56, 17, 17, DT_RIGHT);
  SelectObject(dc, old_font);
  DeleteObject(age);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_TIMER:
      Sample();
      InvalidateRect(window, nullptr, FALSE);
      UpdateTip();
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      Paint(dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      Shell_NotifyIconW(NIM_DELETE, &tray);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, w, l);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  HWND window = floor_window::Create(instance, Procedure, L"kelvara.SamePixelsFloor",
                                     L"same pixels", 300, kKey);
  if (window == nullptr) return 1;
  moon = LoadBitmapW(instance, L"MOON");
  tray.cbSize = sizeof(tray);
  tray.hWnd = window;
  tray.uID = 1;
  tray.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  tray.uCallbackMessage = kTrayMessage;
  tray.hIcon = LoadIconW(instance, L"TRAY");
  Shell_NotifyIconW(NIM_ADD, &tray);
  Sample();
  return floor_window::Run(window);
}
