#pragma once
// The hints a window's controls show when the mouse rests on them. The
// tooltip window that shows them is made only once the window is on screen:
// nothing can be pointed at before, and making it would hold up the first
// picture. Hints given before are kept until then.

#include <windows.h>

#include <vector>

#include "mainwindow/graphic_control.h"

namespace pandor {

class Hints {
 public:
  // text: a string that lives as long as the program (the hints are literals).
  void Add(HWND control, const wchar_t* text);
  void Set(HWND control, const wchar_t* text);
  // A graphic control's hint is its own (GraphicControl::SetHint).
  void Add(const GraphicControl& control);
  void Set(const GraphicControl& control);

  // Makes the tooltip window, owned by owner, with every hint given so far.
  void Create(HINSTANCE instance, HWND owner);
  HWND Handle() const { return window_; }

 private:
  // A control with a window is a tool of its own; a graphic control is an
  // area of its panel.
  struct Hint {
    HWND window;
    UINT_PTR id;
    RECT area;
    UINT flags;
    const wchar_t* text;
  };
  static Hint Of(HWND control, const wchar_t* text);
  static Hint Of(const GraphicControl& control);
  void Add(const Hint& hint);
  void Set(const Hint& hint);
  void Send(UINT message, const Hint& hint) const;

  HWND window_ = nullptr;
  std::vector<Hint> pending_;
};

}  // namespace pandor
