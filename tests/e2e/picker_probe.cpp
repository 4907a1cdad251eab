// Opens one of the program's pickers over a window of its own and prints the
// answer, so that the end-to-end run can answer the real dialog from outside
// with the driver and check what the program would get.
//
//   picker_probe colour INITIAL         prints colour=R,G,B
//   picker_probe file FILTER FOLDER     prints file=PATH (empty on a cancel)
//   picker_probe font NAME SIZE         prints font=NAME,SIZE,BOLD,ITALIC or font=none
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "platform/win32/pickers.h"
#include "platform/win32/raii.h"
#include "platform/win32/text.h"

namespace {

using kelvara::win32::Narrow;

void PrintLine(const std::string& utf8) {
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const std::wstring picker = argv[1];
  kelvara::win32::UniqueWindow owner(
      CreateWindowExW(0, L"STATIC", L"picker probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 320,
                      120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!owner) return 1;
  kelvara::win32::Win32Pickers pickers([&owner](std::string_view) { return owner.get(); });
  if (picker == L"colour") {
    const auto initial = static_cast<std::uint32_t>(std::wcstoul(argv[2], nullptr, 0));
    const std::uint32_t colour = pickers.PickColour("probe", initial);
    PrintLine("colour=" + std::to_string(GetRValue(colour)) + "," +
              std::to_string(GetGValue(colour)) + "," + std::to_string(GetBValue(colour)));
    return 0;
  }
  if (picker == L"file" && argc >= 4) {
    PrintLine("file=" + pickers.PickFile("probe", Narrow(argv[2]), 1, Narrow(argv[3])));
    return 0;
  }
  if (picker == L"font" && argc >= 4) {
    const auto size = static_cast<float>(std::wcstod(argv[3], nullptr));
    const auto font = pickers.PickFont("probe", {Narrow(argv[2]), size, {}, {}});
    if (!font) {
      PrintLine("font=none");
    } else {
      std::string points = std::to_string(font->size);
      points.erase(points.find_last_not_of('0') + 1);
      if (points.back() == '.') points.pop_back();
      PrintLine("font=" + font->name + "," + points + "," + (font->bold ? "1" : "0") + "," +
                (font->italic ? "1" : "0"));
    }
    return 0;
  }
  return 2;
}
