#pragma once
// Reading what a user sees in the windows under test.

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "mainwindow/graphic_control.h"

namespace pandor::testing {

std::string WindowText(HWND window);

struct Bounds {
  int left, top, width, height;
  bool operator==(const Bounds& other) const {
    return left == other.left && top == other.top && width == other.width && height == other.height;
  }
};
std::ostream& operator<<(std::ostream& out, const Bounds& b);

// Position relative to the parent window's client area.
Bounds BoundsInParent(HWND window);
// A graphic control's place on its panel.
Bounds BoundsInParent(const GraphicControl& control);
SIZE ClientSize(HWND window);
std::string StatusText(HWND statusBar);
std::string HintText(HWND hints, HWND control);
std::string HintText(HWND hints, const GraphicControl& control);
// The text colour and background colour a control gets from its parent.
COLORREF ControlTextColour(HWND control);
// The face name and height of the control's font.
std::string FontFace(HWND control);
int FontHeight(HWND control);
std::string FontFace(HFONT font);
int FontHeight(HFONT font);
// The metrics of the control's font as it draws its text.
TEXTMETRICW FontMetrics(HWND control);
// The cursor a control shows, as its window sets it when the mouse rests there.
HCURSOR CursorOver(HWND control);
// The cursor with the mouse in the middle of a graphic control.
HCURSOR CursorOver(const GraphicControl& control);
// Processes the thread's pending messages and those that arrive within the time.
void PumpMessages(DWORD milliseconds = 0);

struct TreeItem {
  std::string text;
  int depth;
  int image;
  bool expanded;
};
// Every item of the tree in display order (collapsed groups included).
std::vector<TreeItem> TreeItems(HWND tree);
// The rows the tree shows, top to bottom (the items of closed groups left out).
std::vector<TreeItem> ShownTreeRows(HWND tree);

}  // namespace pandor::testing
