#pragma once

#include <windows.h>

#include <commdlg.h>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/pickers.h"
#include "platform/win32/find_window.h"

namespace kelvara::win32 {

// The common dialogs and the DPI the font dialog reads sizes at,
// replaceable so that tests see exactly what each dialog is given.
struct PickerCalls {
  std::function<BOOL(CHOOSECOLORW*)> choose_colour;
  std::function<BOOL(OPENFILENAMEW*)> open_file;
  std::function<BOOL(CHOOSEFONTW*)> choose_font;
  // The DPI the font dialog reads its starting height at, asked with its owner.
  std::function<int(HWND)> dpi;
};

// The real ones.
PickerCalls SystemPickerCalls();

// The common colour, open-file and font dialogs. An owner that cannot be
// found leaves the dialog without one rather than unshown. One picker at a
// time: a request while one is open answers as a cancel.
class Win32Pickers final : public platform::Pickers {
 public:
  explicit Win32Pickers(FindWindowFunction find_window, PickerCalls calls = SystemPickerCalls());

  std::uint32_t PickColour(std::string_view owner, std::uint32_t initial) override;
  std::string PickFile(std::string_view owner, std::string_view filter, int filter_index,
                       std::string_view folder) override;
  std::optional<platform::FontChoice> PickFont(std::string_view owner,
                                               const platform::FontPreset& preset) override;

  // Room for the chosen path, in UTF-16 units with its NUL.
  static constexpr std::size_t kPathCapacity = MAX_PATH * 4;

 private:
  HWND OwnerOf(std::string_view owner) const;

  FindWindowFunction find_window_;
  PickerCalls calls_;
  bool open_ = false;
  // The user's custom colours, kept from one colour picker to the next.
  std::array<COLORREF, 16> custom_colours_;
  // Bold and italic as the font picker last showed them.
  bool bold_ = false;
  bool italic_ = false;
};

}  // namespace kelvara::win32
