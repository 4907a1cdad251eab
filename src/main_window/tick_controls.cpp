#include "main_window/tick_controls.h"

namespace kelvara::display {
namespace {

using IndexTable = std::array<std::size_t, kTickControlNames.size()>;
constexpr std::size_t kMissing = static_cast<std::size_t>(-1);

IndexTable BuildIndexTable(const ui::Form& form) {
  IndexTable table;
  table.fill(kMissing);
  const std::vector<ui::Control>& controls = form.controls();
  for (std::size_t slot = 0; slot < kTickControlNames.size(); ++slot) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
      if (controls[i].name == kTickControlNames[slot]) {
        table[slot] = i;
        break;
      }
    }
  }
  return table;
}

}  // namespace

ui::Control& TickControlOf(ui::Form& form, TickControl which) {
  // Made once (thread-safe static initialisation), from the first form seen;
  // it holds indices, never pointers, so it is right for every window.
  static const IndexTable table = BuildIndexTable(form);
  const auto slot = static_cast<std::size_t>(which);
  const std::string_view name = kTickControlNames[slot];
  const std::vector<ui::Control>& controls = form.controls();
  const std::size_t index = table[slot];
  if (index < controls.size() && controls[index].name == name) {
    // The form is not const (we were handed a mutable one); only its accessor
    // for the whole list is.
    return const_cast<ui::Control&>(controls[index]);
  }
  return form[name];  // a form unlike the design: search (throws if absent)
}

}  // namespace kelvara::display
