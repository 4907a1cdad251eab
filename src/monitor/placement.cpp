// Placement and position editing. (Being written.)
#include "monitor/main_window.h"

namespace kelvara {

void MainWindow::PstnMove_MouseDown(int, int, float, float) {}
void MainWindow::PstnMove_MouseMove(int, int, float, float) {}
void MainWindow::cmdPstnSave_Click() {}
void MainWindow::cmdFstPstn_Click() {}
void MainWindow::Command1_Click() {}
void MainWindow::Command2_Click() {}
void MainWindow::EnterPositionEditing() {}

}  // namespace kelvara
