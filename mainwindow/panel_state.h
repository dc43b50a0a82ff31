#pragma once
// What a panel (mainwindow/panel.h) keeps of its graphic controls, shared
// with its accessible object (mainwindow/panel_accessible.h), which reads it
// afresh at every question.

#include <windows.h>

#include <vector>

namespace pandor {

class GraphicControl;

struct PanelState {
  HBRUSH brush = nullptr;
  std::vector<GraphicControl*> controls;  // in painting order: the last lies on top
  GraphicControl* hot = nullptr;          // the mouse is over it
  GraphicControl* pressed = nullptr;      // the left button or the space bar went down on it
  bool pressedByKey = false;              // by the space bar
  GraphicControl* focused = nullptr;      // takes the keys while the panel has the focus

  // The controls a user reaches, decorations left out, in the order they
  // were placed: the accessible object's children 1, 2, ...
  std::vector<GraphicControl*> UserControls() const;
  // 0 (the panel itself, CHILDID_SELF) for none.
  long ChildId(const GraphicControl* control) const;
  GraphicControl* Child(long childId) const;
};

// The state of a panel; nullptr for any other window and a panel that is gone.
PanelState* PanelStateOf(HWND window);

}  // namespace pandor
