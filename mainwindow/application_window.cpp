#include "mainwindow/application_window.h"

#include "platform/messages.h"
#include "platform/text.h"
#include "resources/resource_ids.h"

namespace pandor {
namespace {

constexpr wchar_t kClassName[] = L"Pandor7Application";

}  // namespace

ApplicationWindow::ApplicationWindow(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, IDI_MAIN);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);
  // A visible window of no size: it has the task bar entry, nothing on screen.
  hwnd_ = CreateWindowExW(0, kClassName, FromUtf8(kApplicationTitle).c_str(),
                          WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE,
                          GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                          nullptr, instance, nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

ApplicationWindow::~ApplicationWindow() {
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK ApplicationWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<ApplicationWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && self->main_ && IsWindowVisible(self->main_)) {
    // The main window, or the help or preview window open over it.
    SetActiveWindow(GetLastActivePopup(self->main_));
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace pandor
