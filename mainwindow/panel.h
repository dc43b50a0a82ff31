#pragma once
// A bevelled panel: a raised inner and a lowered outer edge, two pixels
// together at 96 DPI, around a flat area of one colour. Controls placed on
// it report to the panel's parent, so the main window handles them as if
// they were its own. The panel also carries graphic controls
// (GraphicControl): it draws them over its area, in the order they were
// placed, passes them the mouse, and the keys while one of them has the
// focus (Space presses it, with a dotted focus mark to show which), and
// answers screen readers for them (WM_GETOBJECT, panel_accessible.h).

#include <windows.h>

namespace pandor {

class GraphicControl;

// Draws an edge of DrawEdge's (BDR_SUNKENOUTER, BDR_RAISEDINNER, ...) as
// rings of one pixel, ring inside ring, to the given width, and moves the
// area's sides inside it: edges as thick as the layout's scale asks.
void DrawEdgeRings(HDC dc, RECT& area, UINT edge, int width);

class Panel {
 public:
  static void Register(HINSTANCE instance);
  static HWND Create(HWND parent, int id, const RECT& bounds);
  // The panel keeps the colour until it is set again.
  static void SetColour(HWND panel, COLORREF colour);
  // The graphic control at a point of the panel's client area, or none.
  static GraphicControl* ControlAt(HWND panel, POINT point);

  // Gives the keyboard focus to a control on a panel: the panel takes the
  // window focus and hands the keys to it.
  static void Focus(GraphicControl& control);
  // The control that takes the keys when the window has the focus; nullptr
  // when the window isn't a panel or has none.
  static GraphicControl* FocusedControl(HWND window);
  // Tells screen readers of a change to the control (EVENT_OBJECT_...).
  static void Announce(const GraphicControl& control, DWORD event);

 private:
  friend class GraphicControl;
  static void Add(HWND panel, GraphicControl& control);
  static void Remove(HWND panel, GraphicControl& control);
  static LRESULT CALLBACK Proc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace pandor
