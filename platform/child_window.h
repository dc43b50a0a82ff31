#pragma once
// Placing controls on a window by the pixel positions of a fixed layout.

#include <windows.h>

namespace pandor {

// Left, top, width and height relative to the parent's client area.
struct Place {
  int left, top, width, height;

  // The place of a control given relative to a box that isn't its parent
  // window (a group box), on the box's parent.
  constexpr Place Inside(const Place& box) const { return Place{box.left + left, box.top + top, width, height}; }
  RECT Rect() const { return RECT{left, top, left + width, top + height}; }
};

// A visible child window at its place.
inline HWND CreateChildWindow(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
                              const Place& place, int id, DWORD exStyle = 0) {
  return CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top, place.width,
                         place.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

}  // namespace pandor
