// The refresh tick. (Being written.)
#include "monitor/main_window.h"

namespace kelvara {

void MainWindow::RefreshDisplay(FigureSource, FigureSource) {}
void MainWindow::TmrRS_Timer() {}
void MainWindow::UpdateTrayTip(const platform::LocalTime&) {}
void MainWindow::DrawAnalogClock() {}

}  // namespace kelvara
