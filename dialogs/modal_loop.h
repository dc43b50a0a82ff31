#pragma once
// Showing one of the program's own windows modally: its owner takes no input
// while it is open, but every message of the thread, the main window's timers
// included, is still handled.

#include <windows.h>

#include <functional>

namespace pandor {

// Disables the window's owner, shows the window and handles the thread's
// messages until finished() is true; then the owner takes input again and the
// window is hidden, not destroyed. A dialog's
// keys go through the dialog manager (Enter, Escape, Tab). A WM_QUIT ends the
// run and is posted again for the program's own loop.
//
// Whatever makes finished() true should post a message to the thread (see
// WakeModalLoop), so that the loop looks again.
void RunModal(HWND window, const std::function<bool()>& finished);
void WakeModalLoop(HWND window);

}  // namespace pandor
