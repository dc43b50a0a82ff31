#pragma once
// The program's invisible application window. It owns the main window and
// every message box, and it is what the task bar shows, under the application
// title whatever caption the menu gives the main window.

#include <windows.h>

namespace pandor {

class ApplicationWindow {
 public:
  explicit ApplicationWindow(HINSTANCE instance);
  ~ApplicationWindow();
  ApplicationWindow(const ApplicationWindow&) = delete;
  ApplicationWindow& operator=(const ApplicationWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  // The window that gets the activation when the task bar entry is chosen.
  void SetMainWindow(HWND main) { main_ = main; }

 private:
  template <typename T>
  friend LRESULT CALLBACK ObjectWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
  HWND main_ = nullptr;
};

}  // namespace pandor
