// Applying the settings to the window. (Being written.)
#include "monitor/main_window.h"

namespace kelvara {

void MainWindow::ApplySettings() {}
void MainWindow::ApplyDefaults() {}
void MainWindow::SelectRefreshTimer() {}

}  // namespace kelvara
