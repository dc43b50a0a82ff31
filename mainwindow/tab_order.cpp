#include "mainwindow/tab_order.h"

#include "mainwindow/panel.h"

namespace pandor {

void TabOrder::Add(HWND window) { stops_.push_back(Stop{window, nullptr}); }

void TabOrder::Add(GraphicControl& control) { stops_.push_back(Stop{control.Host(), &control}); }

bool TabOrder::CanTakeFocus(HWND window) {
  if (!IsWindow(window) || !IsWindowVisible(window) || !IsWindowEnabled(window)) return false;
  // Folding the information panel in leaves its controls visible beyond the
  // window's edge.
  const HWND top = GetAncestor(window, GA_ROOT);
  RECT client, place, shown;
  GetClientRect(top, &client);
  MapWindowPoints(top, nullptr, reinterpret_cast<POINT*>(&client), 2);
  GetWindowRect(window, &place);
  return IntersectRect(&shown, &client, &place) != FALSE;
}

void TabOrder::Focus(const Stop& stop) {
  if (stop.control) {
    Panel::Focus(*stop.control);
  } else {
    SetFocus(stop.window);
  }
}

int TabOrder::Current() const {
  const HWND focus = GetFocus();
  for (size_t i = 0; i < stops_.size(); ++i) {
    const Stop& stop = stops_[i];
    const bool here = stop.control ? Panel::FocusedControl(focus) == stop.control : stop.window == focus;
    if (here) return static_cast<int>(i);
  }
  return -1;
}

void TabOrder::Move(bool backwards) {
  const int count = static_cast<int>(stops_.size());
  if (count == 0) return;
  const int step = backwards ? count - 1 : 1;
  const int current = Current();
  int next = current < 0 ? (backwards ? count - 1 : 0) : (current + step) % count;
  for (int tried = 0; tried < count; ++tried, next = (next + step) % count) {
    if (CanTakeFocus(stops_[static_cast<size_t>(next)].window)) {
      Focus(stops_[static_cast<size_t>(next)]);
      return;
    }
  }
}

void TabOrder::Remember() {
  const int current = Current();
  remembered_ = current < 0 ? nullptr : stops_[static_cast<size_t>(current)].window;
}

void TabOrder::Restore(HWND start) {
  for (HWND window : {remembered_, start}) {
    if (window && CanTakeFocus(window)) {
      SetFocus(window);  // a panel gives the focus back to its control
      return;
    }
  }
  Move(false);
}

}  // namespace pandor
