#pragma once
// Placing top-level windows on the screen.

#include <windows.h>

namespace pandor {

// Moves the window, keeping its size, to the middle of the screen.
inline void CentreOnScreen(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace pandor
