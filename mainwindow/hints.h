#pragma once
// The hints a window's controls show when the mouse rests on them. The
// tooltip window that shows them is made only once the window is on screen:
// nothing can be pointed at before, and making it would hold up the first
// picture. Hints given before are kept until then.

#include <windows.h>

#include <vector>

namespace pandor {

class Hints {
 public:
  // text: a string that lives as long as the program (the hints are literals).
  void Add(HWND control, const wchar_t* text);
  void Set(HWND control, const wchar_t* text);

  // Makes the tooltip window, owned by owner, with every hint given so far.
  void Create(HINSTANCE instance, HWND owner);
  HWND Handle() const { return window_; }

 private:
  struct Hint {
    HWND control;
    const wchar_t* text;
  };
  void Send(UINT message, const Hint& hint) const;

  HWND window_ = nullptr;
  std::vector<Hint> pending_;
};

}  // namespace pandor
