#pragma once
// Window classes whose every window belongs to one C++ object. The object
// comes as CreateWindowEx's last argument and stays with its window from
// WM_NCCREATE to WM_NCDESTROY, keeping the window's handle in its member
// hwnd_ for that time; every message in between goes to the object's
// HandleMessage(message, wParam, lParam). Both may be private if the class
// befriends ObjectWindowProc<T>. Before, after, and once the object has let
// its window go, the default procedure answers.

#include <windows.h>

namespace pandor {

template <typename T>
LRESULT CALLBACK ObjectWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* object = static_cast<T*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    object->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
  }
  auto* object = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!object) return DefWindowProcW(hwnd, message, wParam, lParam);
  const LRESULT result = object->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    object->hwnd_ = nullptr;
  }
  return result;
}

// Registers the class once per program; a second registration changes nothing.
// The icon, if any, is every window's of the class, big and small.
template <typename T>
void RegisterObjectWindowClass(HINSTANCE instance, const wchar_t* className, HCURSOR cursor, HICON icon = nullptr) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ObjectWindowProc<T>;
  wc.hInstance = instance;
  wc.hCursor = cursor;
  wc.hIcon = icon;
  wc.hIconSm = icon;
  wc.lpszClassName = className;
  RegisterClassExW(&wc);
}

// For the object's destructor: the window, should it outlive the object, gets
// no more messages through it.
inline void ReleaseObjectWindow(HWND hwnd) {
  if (hwnd) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
}

}  // namespace pandor
