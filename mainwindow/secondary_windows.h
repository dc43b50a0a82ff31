#pragma once
// The help window and the enlarged preview of the main window. Each is made
// the first time it is wanted, not at program start, where making both with
// their controls would keep the main window waiting; from then on it lives,
// hidden between showings, until the program ends.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "dialogs/help_window.h"
#include "dialogs/preview_window.h"
#include "platform/shell.h"

namespace pandor {

class SecondaryWindows {
 public:
  // owner: the main window. The help window's links open through shell with
  // appDir as working folder; the preview's drawing errors go to onPreviewError.
  SecondaryWindows(HINSTANCE instance, HWND owner, Shell& shell, std::string appDir,
                   std::function<void(const std::string& utf8Text)> onPreviewError);
  SecondaryWindows(const SecondaryWindows&) = delete;
  SecondaryWindows& operator=(const SecondaryWindows&) = delete;

  HelpWindow& Help();
  PreviewWindow& Preview();

  bool HelpMade() const { return help_ != nullptr; }
  bool PreviewMade() const { return preview_ != nullptr; }

 private:
  HINSTANCE instance_;
  HWND owner_;
  Shell& shell_;
  std::string appDir_;
  std::function<void(const std::string&)> onPreviewError_;
  std::unique_ptr<HelpWindow> help_;
  std::unique_ptr<PreviewWindow> preview_;
};

}  // namespace pandor
