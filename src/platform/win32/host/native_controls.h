#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/host/font_names.h"
#include "platform/win32/host/gdi_cache.h"
#include "platform/win32/host/scale.h"
#include "platform/win32/raii.h"
#include "ui/form.h"

namespace kelvara::win32::host {

// True for the kinds that become native child windows.
bool IsNative(ui::ControlKind kind);

// The native child windows of one form window: buttons, text fields, check
// boxes, combo boxes and frames. A child is made the first time its control
// is visible; hidden text fields, the window's variables, never get one.
class NativeControls {
 public:
  NativeControls(FontNames& names, GdiCache& gdi) : names_(names), gdi_(gdi) {}
  NativeControls(const NativeControls&) = delete;
  NativeControls& operator=(const NativeControls&) = delete;

  void Attach(HWND parent, std::size_t count);
  // Brings one child in line with its control.
  void Realise(const ui::Form& form, std::size_t index, const Scale& scale);
  // After a DPI change: fonts and places again.
  void RealiseAll(const ui::Form& form, const Scale& scale);

  // The control a child's command id belongs to.
  std::optional<std::size_t> IndexOfId(UINT id) const;
  // Owner-drawn coloured buttons.
  bool DrawItem(const ui::Form& form, const DRAWITEMSTRUCT& item);
  // WM_CTLCOLOR*: the control's own colours when it has them.
  HBRUSH Colours(const ui::Form& form, HWND child, HDC dc);
  // A text field the user typed in: its text as UTF-8, and remembered so that
  // the model's echo does not write it back.
  std::optional<std::string> TakeUserText(std::size_t index);
  HWND Child(std::size_t index) const;

  static constexpr UINT kFirstId = 1000;

 private:
  struct Slot {
    HWND window = nullptr;  // owned by the parent window
    UniqueFont font;
    ui::Font font_spec;
    int font_dpi = 0;
    std::string text;
    bool owner_drawn = false;
  };
  void Create(const ui::Control& c, std::size_t index, const Scale& scale);

  FontNames& names_;
  GdiCache& gdi_;
  HWND parent_ = nullptr;
  std::vector<Slot> children_;
};

}  // namespace kelvara::win32::host
