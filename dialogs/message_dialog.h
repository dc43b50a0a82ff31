#pragma once
// The program's own message dialog: the text wrapped at half the screen's
// width, the application title as caption, no icon and one "OK" button that
// Enter and Escape both press; centred on the screen.

#include <windows.h>

#include <string>

namespace pandor {

// Shows the dialog modally; texts in UTF-8.
void ShowMessageDialog(HWND owner, const std::string& text);

}  // namespace pandor
