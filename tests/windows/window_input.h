#pragma once
// Real input messages for the in-process window tests: clicks, double-clicks,
// mouse moves and typed characters sent to the real controls, and a message
// pump that gives the main window its first look at each message as the
// program's own loop does.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "mainwindow/main_window.h"

namespace pandor::testing {

// Processes what is queued for the thread, through the main window's key preview.
void Pump(MainWindow& window);

HTREEITEM FindTreeItem(HWND tree, const std::string& text);
void ClickTreeItem(MainWindow& window, HTREEITEM item);
void DoubleClickTreeItem(MainWindow& window, HTREEITEM item);
// A click on the empty space below the tree's rows.
void ClickBelowTreeRows(MainWindow& window);
void TypeCharacter(MainWindow& window, HWND control, wchar_t character);
void PressKey(MainWindow& window, HWND control, UINT virtualKey);
void MoveMouseOver(MainWindow& window, HWND control);
// A press and release of the left button in the middle of the control.
void ClickControl(MainWindow& window, HWND control);
// The same for a control drawn on a panel: the panel gets the mouse.
void MoveMouseOver(MainWindow& window, const GraphicControl& control);
void ClickControl(MainWindow& window, const GraphicControl& control);

}  // namespace pandor::testing
