#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "ui/form.h"

namespace kelvara::display {

// The controls of the main window that a refresh tick reads or writes, resolved
// without a search by name on every tick.
//
// Every main window is built from the same design (MainWindowDesign), so a
// control's index in Form::controls() is the same in every window: the table
// of indices is made once, from the first window a tick sees, and then serves
// all windows. Each use checks the name at the index (one short compare) and
// falls back to the search by name if a form should ever differ, so a stale
// index can never touch the wrong control.

// One list makes both the enumeration and the names, so they cannot disagree.
// clang-format off
#define KELVARA_TICK_CONTROLS(X)                                                     \
  /* Date fields and switches. */                                                    \
  X(txtYY) X(txtMM) X(txtDD) X(txtFDay) X(txtAge) X(MVw) X(CVw) X(ClSW) X(RTUl) X(PFUl) \
  /* Clock. */                                                                       \
  X(lblDate) X(lblTime) X(ClockBk) X(LineH) X(LineM) X(LineS)                        \
  /* Amounts and totals. */                                                          \
  X(lblRamT) X(lblRTotal) X(lblPTime) X(lblPTotal)                                   \
  /* Percentage captions and hidden working captions. */                             \
  X(lblCPer) X(lblRPer) X(lblPFPer) X(lblDPer) X(lblDSPer) X(lblC) X(lblD) X(lblDs)  \
  /* Bars and their picture twins. */                                                \
  X(PrscrTime) X(CpuI) X(RamT) X(MemI) X(PFT) X(PFI) X(DiskTime) X(DscI) X(DSpce) X(DspI)
// clang-format on

#define KELVARA_TICK_CONTROL_ENUM(name) name,
#define KELVARA_TICK_CONTROL_NAME(name) #name,

enum class TickControl : std::size_t { KELVARA_TICK_CONTROLS(KELVARA_TICK_CONTROL_ENUM) kCount };

inline constexpr std::array<std::string_view, static_cast<std::size_t>(TickControl::kCount)>
    kTickControlNames = {KELVARA_TICK_CONTROLS(KELVARA_TICK_CONTROL_NAME)};

#undef KELVARA_TICK_CONTROL_NAME
#undef KELVARA_TICK_CONTROL_ENUM
#undef KELVARA_TICK_CONTROLS

// The control of that name in `form`, found through the shared index table.
ui::Control& TickControlOf(ui::Form& form, TickControl which);

}  // namespace kelvara::display
