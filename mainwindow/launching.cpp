// Starting the medium's programs and browsing the medium.
#include "mainwindow/main_window.h"
#include "menu/menu_messages.h"
#include "platform/program_launcher.h"

namespace pandor {

void MainWindow::tvMenuDblClick() { StartSelectedProgram(); }

void MainWindow::StartSelectedProgram() {
  const int node = treeView_.SelectedNode();
  if (node < 0 || state_.menuTree.Node(node).IsGroup()) return;
  const std::optional<ProgramEntry> program = state_.menuTree.RecordOf(node);
  if (!program) return;
  const INT_PTR result = LaunchProgram(services_.shell, services_.installedPrograms, hwnd_, state_.folder.appDir,
                                       program->runFile, program->installedName);
  if (result <= kLastShellError) services_.messages.Dialog(kStartFailedText);
}

void MainWindow::sbtnExploreClick() { BrowseMedium(services_.shell, hwnd_, state_.folder.appDir); }

}  // namespace pandor
