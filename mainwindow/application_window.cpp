#include "mainwindow/application_window.h"

#include "platform/messages.h"
#include "platform/object_window.h"
#include "platform/text.h"
#include "resources/resource_ids.h"

namespace pandor {
namespace {

constexpr wchar_t kClassName[] = L"Pandor7Application";

}  // namespace

ApplicationWindow::ApplicationWindow(HINSTANCE instance) {
  RegisterObjectWindowClass<ApplicationWindow>(instance, kClassName, nullptr, LoadIconA(instance, IDI_MAIN));
  // A visible window of no size: it has the task bar entry, nothing on screen.
  CreateWindowExW(0, kClassName, FromUtf8(kApplicationTitle).c_str(),
                  WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE, GetSystemMetrics(SM_CXSCREEN) / 2,
                  GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr, nullptr, instance, this);
}

ApplicationWindow::~ApplicationWindow() {
  const HWND window = hwnd_;
  ReleaseObjectWindow(window);
  DestroyWindow(window);
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && main_ && IsWindowVisible(main_)) {
    // The main window, or the help or preview window open over it.
    SetActiveWindow(GetLastActivePopup(main_));
    return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace pandor
