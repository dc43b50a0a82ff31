#include "mainwindow/graphic_control.h"

#include <oleacc.h>

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

void GraphicControl::SetHint(const wchar_t* hint) {
  ChangeName([&] { hint_ = hint; });
  Panel::Announce(*this, EVENT_OBJECT_DESCRIPTIONCHANGE);
}

void GraphicControl::Click() const {
  if (host_) SendMessageW(host_, WM_COMMAND, MAKEWPARAM(id_, BN_CLICKED), 0);
}

void GraphicControl::PostClick() const {
  if (host_) PostMessageW(host_, WM_COMMAND, MAKEWPARAM(id_, BN_CLICKED), 0);
}

void GraphicControl::ChangeName(const std::function<void()>& change) {
  const std::wstring before = AccessibleName();
  change();
  if (AccessibleName() != before) Panel::Announce(*this, EVENT_OBJECT_NAMECHANGE);
}

}  // namespace pandor
