#pragma once
// The editor's top window is no dialog, but its message loop runs
// IsDialogMessage on it, so that Tab, the arrow keys and the labels' letters
// work on its pages as in a dialog. IsDialogMessage moves the focus to the
// field a label names by sending WM_NEXTDLGCTL to that top window, which only
// a dialog's own procedure answers; the top window passes it here.

#include <windows.h>

namespace pandor {

// What a dialog does with WM_NEXTDLGCTL: with lParam's low word set, wParam is
// the window to focus; otherwise the next tab stop (the previous one when
// wParam isn't 0) after the focus. A text field so reached has its text
// selected, as in a dialog.
void MoveDialogFocus(HWND top, WPARAM wParam, LPARAM lParam);

}  // namespace pandor
