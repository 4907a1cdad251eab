#include "platform/win32/pickers.h"

#include <utility>
#include <vector>

#include "platform/win32/picker_values.h"
#include "platform/win32/raii.h"
#include "platform/win32/system_library.h"
#include "platform/win32/text.h"

namespace kelvara::win32 {
namespace {

// The font dialog turns the starting height into points at the screen DC's
// DPI, the system DPI, whatever the owner window's own DPI: so the height is
// made at that one, or a picker over a 150 % window shows the wrong size.
int FontDialogDpi(HWND /*owner*/) {
  const WindowDc screen(nullptr);
  const int screen_dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return screen_dpi > 0 ? screen_dpi : USER_DEFAULT_SCREEN_DPI;
}

// Marks a picker open for as long as it shows.
class OpenPicker {
 public:
  explicit OpenPicker(bool& open) : open_(open) { open_ = true; }
  ~OpenPicker() { open_ = false; }
  OpenPicker(const OpenPicker&) = delete;
  OpenPicker& operator=(const OpenPicker&) = delete;

 private:
  bool& open_;
};

// The dialogs' library is loaded on the first pick, not at start: it and
// what it pulls in (printing among it) would cost every idle monitor
// megabytes for a dialog most runs never open. Kept for the process's life.
template <typename Record>
BOOL ShowDialog(const char* name, Record* record) {
  using Dialog = BOOL(WINAPI*)(Record*);
  const auto dialog = SystemFunction<Dialog>(L"comdlg32.dll", name);
  return dialog != nullptr ? dialog(record) : FALSE;
}

}  // namespace

PickerCalls SystemPickerCalls() {
  return PickerCalls{[](CHOOSECOLORW* record) { return ShowDialog("ChooseColorW", record); },
                     [](OPENFILENAMEW* record) { return ShowDialog("GetOpenFileNameW", record); },
                     [](CHOOSEFONTW* record) { return ShowDialog("ChooseFontW", record); },
                     FontDialogDpi};
}

Win32Pickers::Win32Pickers(FindWindowFunction find_window, PickerCalls calls)
    : find_window_(std::move(find_window)), calls_(std::move(calls)) {
  custom_colours_.fill(RGB(255, 255, 255));
}

HWND Win32Pickers::OwnerOf(std::string_view owner) const {
  if (owner.empty() || !find_window_) return nullptr;
  return find_window_(owner);
}

std::uint32_t Win32Pickers::PickColour(std::string_view owner, std::uint32_t initial) {
  if (open_) return initial;
  const OpenPicker open(open_);
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = OwnerOf(owner);
  // Only the RGB part: the dialog knows nothing of any flag bits above it.
  dialog.rgbResult = initial & 0xffffff;
  dialog.lpCustColors = custom_colours_.data();
  // Open with the red, green and blue fields, where a colour can be typed.
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!calls_.choose_colour(&dialog)) return initial;
  return dialog.rgbResult;
}

std::string Win32Pickers::PickFile(std::string_view owner, std::string_view filter,
                                   int filter_index, std::string_view folder) {
  if (open_) return {};
  const OpenPicker open(open_);
  // The explorer-style dialog works through the shell's COM objects.
  const ComApartment com;
  const FilterList filters = MakeFilterList(filter);
  const std::wstring initial_folder = Widen(folder);
  std::vector<wchar_t> path(kPathCapacity, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = OwnerOf(owner);
  dialog.lpstrFilter = filters.entries > 0 ? filters.text.c_str() : nullptr;
  // An index past the list would show no entry's files; the first is shown.
  const bool in_list = filter_index >= 1 && filter_index <= filters.entries;
  dialog.nFilterIndex = in_list ? static_cast<DWORD>(filter_index) : 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrInitialDir = initial_folder.empty() ? nullptr : initial_folder.c_str();
  // OFN_NOCHANGEDIR: the program's folder is the current one, and what it
  // starts by a bare name is looked for there too; browsing must not move it.
  // OFN_EXPLORER: should a hook or template ever be added, the dialog stays
  // the explorer one, not the short-name one.
  dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
  if (!calls_.open_file(&dialog)) return {};
  path.back() = L'\0';
  return Narrow(path.data());
}

std::optional<platform::FontChoice> Win32Pickers::PickFont(std::string_view owner,
                                                           const platform::FontPreset& preset) {
  if (open_) return std::nullopt;
  const OpenPicker open(open_);
  bold_ = preset.bold.value_or(bold_);
  italic_ = preset.italic.value_or(italic_);
  const HWND window = OwnerOf(owner);
  LOGFONTW font = PresetLogFont({preset.name, preset.size, bold_, italic_}, calls_.dpi(window));
  CHOOSEFONTW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = window;
  dialog.lpLogFont = &font;
  dialog.Flags = CF_SCREENFONTS | CF_PRINTERFONTS | CF_INITTOLOGFONTSTRUCT;
  if (!calls_.choose_font(&dialog)) return std::nullopt;
  platform::FontChoice choice = ChoiceFromLogFont(font, dialog.iPointSize);
  bold_ = choice.bold;
  italic_ = choice.italic;
  return choice;
}

}  // namespace kelvara::win32
