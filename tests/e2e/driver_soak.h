#pragma once

// The long run's commands of the driver: refresh ticks posted faster than
// real time, and every secondary window and the tray menu opened and closed,
// in one process, then one sample of the program's resources.

namespace kelvara::e2e {

// driver soak-round TICKS CYCLES [BATCH] [STEPS]: prints one sample line;
// STEPS picks a cycle's steps by letter (default mlvsr: menu, launcher,
// version, settings, memory release). 0 when the round went through, 1 when
// the program is gone or a step failed, 2 on bad arguments.
int SoakRound(int argc, wchar_t** argv);

}  // namespace kelvara::e2e
