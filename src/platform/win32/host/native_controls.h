#pragma once

#include <windows.h>

#include <array>
#include <functional>
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
// boxes, drop-downs and frames, all children of the form window itself and
// placed by the model's window rectangles. A child is made the first time its
// control shows; hidden text fields, the window's variables, never get one.
// The children's stacking order, and so the Tab order, is the table's; a
// control that is no Tab stop in the model is none here.
class NativeControls {
 public:
  // Asked about each character typed or pasted into a text field or a
  // drop-down's edit part; false discards it.
  using Typing = std::function<bool(std::size_t index, char32_t typed)>;

  NativeControls(FontNames& names, GdiCache& gdi) : names_(names), gdi_(gdi) {}
  NativeControls(const NativeControls&) = delete;
  NativeControls& operator=(const NativeControls&) = delete;

  void Attach(HWND parent, std::size_t count, Typing accepts);
  // Brings one child in line with its control.
  void Realise(const ui::Form& form, std::size_t index, const Scale& scale);
  // After a DPI change: fonts and places again.
  void RealiseAll(const ui::Form& form, const Scale& scale);
  // Makes the shown controls that a grown window now holds.
  void RealiseUncovered(const ui::Form& form, const Scale& scale);

  // The control a child's command id belongs to.
  std::optional<std::size_t> IndexOfId(UINT id) const;
  // The control a child window, or a drop-down's edit part, belongs to.
  std::optional<std::size_t> IndexOfChild(HWND window) const;
  // The first child in table order that Tab stops on and that shows and
  // works now; null for none.
  HWND FirstInput() const;
  // A child Tab stops on that shows and works now.
  static bool TakesInput(HWND window);
  // True while the host itself writes into the child: what the child then
  // reports is only the echo of the model.
  bool Writing(std::size_t index) const;
  // Owner-drawn coloured buttons.
  bool DrawItem(const ui::Form& form, const DRAWITEMSTRUCT& item);
  // WM_CTLCOLOR*: the control's own colours when it has them; check boxes
  // and frames take what shows behind them.
  HBRUSH Colours(const ui::Form& form, HWND child, HDC dc);
  // A text field or drop-down the user typed in: its text as UTF-8, and
  // remembered so that the model's echo does not write it back.
  std::optional<std::string> TakeUserText(std::size_t index);
  // The item a drop-down's list shows as chosen, -1 for none; remembered
  // like typed text.
  int TakeUserChoice(std::size_t index);
  HWND Child(std::size_t index) const;

  static constexpr UINT kFirstId = 1000;

 private:
  struct Slot {
    HWND window = nullptr;  // owned by the parent window
    HWND edit = nullptr;    // where typing goes: the field, or a drop-down's edit part
    UniqueFont font;
    ui::Font font_spec;
    int font_dpi = 0;
    std::string text;
    std::vector<std::string> items;
    int selected = -1;
    bool checked = false;
    bool locked = false;
    bool owner_drawn = false;
    bool writing = false;
    std::array<int, 5> cut{};  // what a frame's region was cut for
    wchar_t high = 0;          // the first half of a character typed in two
  };
  void Create(const ui::Form& form, const ui::Control& c, std::size_t index, const Scale& scale);
  void PlaceInTabOrder(std::size_t index);
  void WriteContent(const ui::Control& c, Slot& child);
  void WriteList(const ui::Control& c, Slot& child);
  void CutFrame(Slot& child, const Scale& scale);

  // Typing into edits, in native_typing.cpp.
  void WatchTyping(std::size_t index);
  static LRESULT CALLBACK Typed(HWND edit, UINT message, WPARAM w, LPARAM l, UINT_PTR index,
                                DWORD_PTR self);
  LRESULT OnChar(std::size_t index, HWND edit, WPARAM w, LPARAM l);
  bool OnPaste(std::size_t index, HWND edit);

  FontNames& names_;
  GdiCache& gdi_;
  HWND parent_ = nullptr;
  Typing accepts_;
  std::vector<Slot> children_;
};

}  // namespace kelvara::win32::host
