#include "mainwindow/graphic_control.h"

#include "mainwindow/panel.h"

namespace pandor {

GraphicControl::~GraphicControl() {
  if (host_) Panel::Remove(host_, *this);
}

void GraphicControl::Place(HWND panel, int id, const RECT& bounds) {
  if (host_) Panel::Remove(host_, *this);
  host_ = panel;
  id_ = id;
  bounds_ = bounds;
  Panel::Add(panel, *this);
}

void GraphicControl::Invalidate() const {
  if (host_) InvalidateRect(host_, &bounds_, TRUE);
}

void GraphicControl::Click() const {
  if (host_) SendMessageW(host_, WM_COMMAND, MAKEWPARAM(id_, BN_CLICKED), 0);
}

}  // namespace pandor
