#pragma once
// A control without a window of its own, as the labels and speed buttons of
// the classic Windows toolkits are: the panel it lies on draws it, tells it
// what the mouse does over it, gives it the keyboard focus in its turn and
// presents it to screen readers as a child of the panel's accessible object
// (mainwindow/panel_accessible.h). A window costs far more than drawing a
// caption (each one is made, placed and painted through the window server,
// which is much of the start-up under Wine), and these controls need little
// of what a window brings.

#include <windows.h>

#include <functional>
#include <string>

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

  // The hint the mouse shows and a screen reader reads as the description:
  // a literal, living as long as the program.
  void SetHint(const wchar_t* hint);
  const wchar_t* Hint() const { return hint_; }
  // A control drawn only for its look (a shadow under a text) is no control
  // for the user: no accessible object, no place in the tab order.
  void SetDecoration() { decoration_ = true; }
  bool IsDecoration() const { return decoration_; }

  // What a screen reader is told: an MSAA role (ROLE_SYSTEM_...), the name
  // it says and the name of the default action, which is a click.
  virtual long AccessibleRole() const = 0;
  virtual std::wstring AccessibleName() const = 0;
  virtual const wchar_t* DefaultActionName() const = 0;

  // Called whenever the mouse moves over the control.
  std::function<void()> onMouseMove;

  // What the panel calls. Paint draws into the panel's dc, clipped to Bounds.
  virtual void Paint(HDC dc) const = 0;
  // The mouse came over the control or left it.
  virtual void SetHot(bool) {}
  // The left button or the space bar is held down on the control (and the
  // mouse is over it).
  virtual void SetPressed(bool) {}
  void Click() const;
  // A click that comes once the caller is done, for callers that mustn't
  // wait for what it opens (a screen reader's default action).
  void PostClick() const;

 protected:
  // Tells screen readers that the accessible name changed, when change()
  // changes it.
  void ChangeName(const std::function<void()>& change);

 private:
  friend class Panel;  // forgets the panel when the panel goes
  HWND host_ = nullptr;
  int id_ = 0;
  RECT bounds_{};
  const wchar_t* hint_ = L"";
  bool decoration_ = false;
};

}  // namespace pandor
