// What the main window opens on top of itself: the help window, the enlarged
// preview and the about box.
#include "mainwindow/secondary_windows.h"

#include "dialogs/about_box.h"
#include "mainwindow/main_window.h"

namespace pandor {

SecondaryWindows::SecondaryWindows(HINSTANCE instance, HWND owner, Shell& shell, std::string appDir,
                                   std::function<void(const std::string&)> onPreviewError)
    : instance_(instance),
      owner_(owner),
      shell_(shell),
      appDir_(std::move(appDir)),
      onPreviewError_(std::move(onPreviewError)) {}

HelpWindow& SecondaryWindows::Help() {
  if (!help_) {
    help_ = std::make_unique<HelpWindow>();
    help_->Create(instance_, owner_, shell_, appDir_);
  }
  return *help_;
}

PreviewWindow& SecondaryWindows::Preview() {
  if (!preview_) {
    preview_ = std::make_unique<PreviewWindow>();
    preview_->Create(instance_, owner_);
    preview_->onError = onPreviewError_;
  }
  return *preview_;
}

void MainWindow::sbtnHelpClick() {
  if (secondaryWindows_) secondaryWindows_->Help().ShowModal();
}

void MainWindow::lblWelcomeClick() { ShowAboutBox(services_.messages); }

void MainWindow::imgPreviewClick() {
  if (secondaryWindows_) secondaryWindows_->Preview().ShowEnlarged(state_.previewFile);
}

}  // namespace pandor
