#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kelvara::ui {

// A Windows RGB value: red in the low byte.
using Colour = std::uint32_t;

constexpr Colour Rgb(unsigned red, unsigned green, unsigned blue) {
  return red | (green << 8) | (blue << 16);
}

// A picture the platform has loaded for us; 0 is none.
using PictureId = std::uint32_t;

enum class ControlKind {
  kLabel,
  kShape,  // a filled bar, or an outline when `filled` is false
  kPicture,
  kLine,
  kTextField,  // hidden ones are the window's variables
  kButton,
  kTimer,
  kCheckBox,
  kComboBox,
  kFrame,
};

enum class Alignment { kLeft, kRight, kCentre };

struct Font {
  std::string name;
  float size = 9.0f;
  bool bold = false;
  bool italic = false;
  bool operator==(const Font&) const = default;
};

struct Rect {
  float left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
};

// One control of a form, in twips. Which members matter depends on the kind:
// lines use x1..y2, timers `enabled` and `interval`, pictures `resource` (a
// picture of the program) or `picture` (one loaded from a file).
struct Control {
  std::string name;
  ControlKind kind = ControlKind::kLabel;
  std::string caption;  // also the text of a text field and of a drop-down's edit part
  Rect rect;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Colour fore = 0;  // text, line or border colour
  Colour back = 0;  // fill or background colour
  // Labels and frames: paint the background. Buttons: graphical, drawn in
  // `back`. Check boxes, text fields: their own colours instead of the usual.
  bool opaque = false;
  bool filled = false;  // shapes
  Font font;
  Alignment alignment = Alignment::kLeft;
  int line_width = 1;
  bool visible = true;
  bool enabled = true;
  bool stretch = false;
  std::string resource;
  PictureId picture = 0;
  int interval = 0;  // timers, milliseconds
  // The mouse pointer over the control: one of the program's own cursors by
  // name ("hand"); empty for the window's usual arrow.
  std::string cursor;
  // The frame this control lies in, by name; empty for the window itself.
  // `rect` and the line ends are then relative to the frame's top-left
  // corner. Read once, when the form is made.
  std::string container;

  bool checked = false;  // check boxes
  // Drop-downs: the list and the index of the chosen item, -1 for none.
  // While an item is chosen the caption is its text.
  std::vector<std::string> items;
  int selected = -1;
  // Text fields and drop-downs: the text shows but takes no typing.
  bool locked = false;
  // Text fields and drop-downs: asked about each typed character (a
  // backspace too); false discards it.
  std::function<bool(char32_t)> key_filter;
  // Tab stops on it (buttons, check boxes, text fields, drop-downs); false
  // for a field that takes no typing at all. Read once, when the host makes
  // the control.
  bool tab_stop = true;

  // Event handlers the behaviour installs; the host calls them. Check boxes
  // see their new state in `on_click`.
  std::function<void()> on_click;
  std::function<void()> on_timer;
  std::function<void(int button, int shift, float x, float y)> on_mouse_down;
  std::function<void(int button, int shift, float x, float y)> on_mouse_move;
  // The text of a text field or a drop-down changed, typed or set.
  std::function<void()> on_change;
  // A drop-down's item was chosen, from its list or by the behaviour.
  std::function<void()> on_select;
};

class Form;

// The window's own properties; `rect` left and top are its outer top-left on
// the screen. Its width and height are the outer size, or, for a fixed dialog
// designed by its client area (`client_sized`), the client area's: the host
// adds the system's frame at the window's DPI and writes what it added into
// `frame_width`/`frame_height` (0 until a host measures it), so centring and
// the like work on the outer size either way. `rect` left and top are in the
// desktop's twips, the size in the window's own (see platform/desktop.h);
// `place_per_twip` is how many of the former one of the latter makes, the
// window's DPI over the desktop's, which its host writes in.
struct FormWindow {
  std::string caption;
  Rect rect;
  bool client_sized = false;
  float frame_width = 0;
  float frame_height = 0;
  float place_per_twip = 1;
  Colour back = 0;
  bool visible = false;
  bool layered = false;  // with `colour_key` as its transparent colour
  Colour colour_key = 0;
  int alpha = 255;  // opacity of the whole window; below 255 it is layered too
  bool operator==(const FormWindow&) const = default;

  float OuterWidth() const { return client_sized ? rect.width + frame_width : rect.width; }
  float OuterHeight() const { return client_sized ? rect.height + frame_height : rect.height; }
};

// The host's view of changes: it repaints or re-creates only what is named.
class FormObserver {
 public:
  virtual ~FormObserver() = default;
  // `before` is where the control was, so both old and new places repaint.
  virtual void ControlChanged(const Form& form, const Control& control, const Rect& before) = 0;
  virtual void FormChanged(const Form& form) = 0;
  // The behaviour wants the keyboard in this control, e.g. after refusing
  // what was typed into it.
  virtual void FocusRequested(const Form& /*form*/, const Control& /*control*/) {}
};

// A window as data: its own properties and its controls, bottom of the
// stacking order first; the table's order is also the Tab order. Controls
// never move in memory after construction, so the behaviour may keep
// references to them.
class Form {
 public:
  Form(std::string name, FormWindow design, std::vector<Control> controls);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  const std::vector<Control>& controls() const { return controls_; }

  // The control of that name; a missing name is a programming error and
  // throws std::out_of_range.
  Control& operator[](std::string_view name);
  const Control& operator[](std::string_view name) const;
  const Control* Find(std::string_view name) const;
  // The control at a place in the table, as the host knows it.
  Control& at(std::size_t index) { return controls_.at(index); }

  void Subscribe(FormObserver* observer) { observer_ = observer; }

  // Where a control lies. Containers that name no frame of this form, or
  // that would contain themselves, count as the window.
  const Control* Container(const Control& c) const;
  // True when `outer` holds `inner`, directly or through other frames.
  bool Holds(const Control& outer, const Control& inner) const;
  // The control's rectangle relative to the window, whatever it lies in.
  Rect WindowRect(const Control& c) const;
  // Where the control's own coordinates start, relative to the window.
  float OriginLeft(const Control& c) const;
  float OriginTop(const Control& c) const;
  // Visible (enabled), and so is every frame around it.
  bool Shown(const Control& c) const;
  bool Usable(const Control& c) const;
  // What shows behind the control: the nearest opaque frame around it, or
  // the window.
  Colour BackBehind(const Control& c) const;

  // Setters notify only when the value really changes. A change of a value
  // the user could also change runs its event, whoever made it: the caption
  // of a text field or a drop-down `on_change`, a check box `on_click`, a
  // drop-down's chosen item `on_select`. Events run after the notification.
  void SetCaption(Control& c, std::string_view text);
  void SetLeft(Control& c, float left);
  void SetTop(Control& c, float top);
  void SetWidth(Control& c, float width);
  void SetHeight(Control& c, float height);
  void SetLine(Control& c, float x1, float y1, float x2, float y2);
  void SetFore(Control& c, Colour colour);
  void SetBack(Control& c, Colour colour);
  void SetFont(Control& c, const Font& font);
  void SetVisible(Control& c, bool visible);
  void SetEnabled(Control& c, bool enabled);
  void SetPicture(Control& c, PictureId picture);
  void SetInterval(Control& c, int interval);
  // Same visibility for several controls, in the order given.
  void SetVisible(std::initializer_list<Control*> controls, bool visible);
  void SetChecked(Control& c, bool checked);
  // A new list keeps the chosen index only while it still names the same
  // text; otherwise nothing is chosen and the text stays.
  void SetItems(Control& c, std::vector<std::string> items);
  // Chooses an item, -1 for none (the text stays); an index outside the
  // list changes nothing.
  void SetSelected(Control& c, int index);
  void SetLocked(Control& c, bool locked);

  // Runs a button's click handler at once, to completion.
  void Press(std::string_view button);
  void Press(Control& button);
  // The user clicked: a check box turns over, then its handler runs. Hidden
  // or disabled controls take no clicks.
  void Click(Control& c);
  // Whether a character the user typed into the control goes in.
  bool Accepts(const Control& c, char32_t typed) const;
  // Puts the keyboard focus on the control, as far as the host can.
  void Focus(const Control& c);

  // The window itself.
  const FormWindow& window() const { return window_; }
  void SetWindowLeft(float left);
  void SetWindowTop(float top);
  void SetWindowWidth(float width);
  void SetWindowHeight(float height);
  // The host's measure of a client-sized window's frame; nothing to show, so
  // no observer hears of it.
  void SetWindowFrame(float width, float height);
  // The host's ratio of desktop twips to the window's own; no observer hears.
  void SetPlacePerTwip(float ratio);
  void SetWindowBack(Colour colour);
  void SetWindowVisible(bool visible);
  // Makes the window layered with `key` as its transparent colour.
  void SetColourKey(Colour key);
  // Makes the whole window see-through, 0 (invisible) to 255 (opaque).
  void SetAlpha(int alpha);

 private:
  template <typename T>
  bool Change(Control& c, T Control::*member, const T& value);
  void Notify(const Control& c, const Rect& before);
  void NotifyWindow();
  void ResolveContainers();
  std::size_t IndexOf(const Control& c) const;

  std::string name_;
  std::vector<Control> controls_;
  // Each control's container as an index into controls_, kNone for the window.
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::vector<std::size_t> containers_;
  FormWindow window_;
  FormObserver* observer_ = nullptr;
};

}  // namespace kelvara::ui
