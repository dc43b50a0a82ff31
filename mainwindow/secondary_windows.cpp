// What the main window opens on top of itself: the help window, the enlarged
// preview and the about box.
#include "dialogs/about_box.h"
#include "dialogs/help_window.h"
#include "dialogs/preview_window.h"
#include "mainwindow/main_window.h"

namespace pandor {

void MainWindow::sbtnHelpClick() {
  if (helpWindow_) helpWindow_->ShowModal();
}

void MainWindow::lblWelcomeClick() { ShowAboutBox(services_.messages); }

void MainWindow::imgPreviewClick() {
  if (previewWindow_) previewWindow_->ShowEnlarged(state_.previewFile);
}

}  // namespace pandor
