#pragma once
// Placing controls on a window by the pixel positions of a fixed layout.
//
// The layout is drawn for a screen of 96 pixels per inch. On a screen of
// another resolution every layout number is scaled by its DPI / 96, rounded
// as MulDiv rounds (halves away from zero); Scaled is the one place that does
// it, and every window's layout goes through it.

#include <windows.h>

namespace pandor {

constexpr int kLayoutDpi = 96;

// The screen's pixels per logical inch. The program is system-DPI aware (its
// manifest says so), so the resolution read at the first call holds for the
// whole run, as it does for Windows.
inline int ScreenDpi() {
  static const int dpi = [] {
    const HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return pixelsPerInch;
  }();
  return dpi;
}

// A layout number, given in pixels at 96 DPI, at the screen's resolution.
inline int Scaled(int layoutPixels) { return MulDiv(layoutPixels, ScreenDpi(), kLayoutDpi); }

// The height to give CreateFont for a font of that many points.
inline int PointFontHeight(int points) { return -MulDiv(points, ScreenDpi(), 72); }

// Left, top, width and height relative to the parent's client area, in
// pixels at 96 DPI.
struct Place {
  int left, top, width, height;

  // The place of a control given relative to a box that isn't its parent
  // window (a group box), on the box's parent.
  constexpr Place Inside(const Place& box) const { return Place{box.left + left, box.top + top, width, height}; }
  // The place at the screen's resolution. Each number is scaled on its own,
  // so that equal widths stay equal wherever they lie.
  RECT ScaledRect() const {
    const int x = Scaled(left);
    const int y = Scaled(top);
    return RECT{x, y, x + Scaled(width), y + Scaled(height)};
  }
};

// A visible child window at its place, scaled to the screen's resolution.
inline HWND CreateChildWindow(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
                              const Place& place, int id, DWORD exStyle = 0) {
  const RECT rect = place.ScaledRect();
  return CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

}  // namespace pandor
