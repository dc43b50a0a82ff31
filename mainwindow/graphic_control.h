#pragma once
// A control without a window of its own, as the labels and speed buttons of
// the classic Windows toolkits are: the panel it lies on draws it and tells it
// what the mouse does over it. A window costs far more than drawing a caption
// (each one is made, placed and painted through the window server, which is
// much of the start-up under Wine), and these controls need none of what a
// window brings: they take neither the focus nor keys.

#include <windows.h>

#include <functional>

namespace pandor {

class Panel;

class GraphicControl {
 public:
  GraphicControl() = default;
  GraphicControl(const GraphicControl&) = delete;
  GraphicControl& operator=(const GraphicControl&) = delete;
  virtual ~GraphicControl();

  // Puts the control on a panel (Panel::Create) at bounds in the panel's
  // client area. A click is reported to the panel's parent as WM_COMMAND
  // BN_CLICKED with the id, as a button reports it.
  void Place(HWND panel, int id, const RECT& bounds);
  HWND Host() const { return host_; }
  int Id() const { return id_; }
  const RECT& Bounds() const { return bounds_; }
  // Has the panel draw the control afresh.
  void Invalidate() const;

  // Called whenever the mouse moves over the control.
  std::function<void()> onMouseMove;

  // What the panel calls. Paint draws into the panel's dc, clipped to Bounds.
  virtual void Paint(HDC dc) const = 0;
  // The mouse came over the control or left it.
  virtual void SetHot(bool) {}
  // The left button is held down on the control and the mouse is over it.
  virtual void SetPressed(bool) {}
  void Click() const;

 private:
  friend class Panel;  // forgets the panel when the panel goes
  HWND host_ = nullptr;
  int id_ = 0;
  RECT bounds_{};
};

}  // namespace pandor
