#pragma once
// The order in which Tab and Shift+Tab move the keyboard focus through a
// window's controls, windows and graphic controls (drawn on a panel) alike.
// A stop is passed over while it can't take the focus: hidden, disabled, or
// outside its window's client area (the folded-in information panel).

#include <windows.h>

#include <vector>

#include "mainwindow/graphic_control.h"

namespace pandor {

class TabOrder {
 public:
  // Stops in the order they are added.
  void Add(HWND window);
  void Add(GraphicControl& control);

  // From the stop that has the focus to the next one that can take it, or
  // the previous one; round from the last to the first. From none, to the
  // first (the last).
  void Move(bool backwards);
  // Before the window is left: which stop has the focus, for Restore.
  void Remember();
  // When the window gets the focus back: to the stop remembered, or to
  // start, or to the first that can take it.
  void Restore(HWND start);

 private:
  struct Stop {
    HWND window;              // the control's, or the panel of a graphic control
    GraphicControl* control;  // nullptr for a window
  };
  static bool CanTakeFocus(HWND window);
  static void Focus(const Stop& stop);
  // The stop that has the focus, or -1.
  int Current() const;

  std::vector<Stop> stops_;
  HWND remembered_ = nullptr;
};

}  // namespace pandor
