#include "mainwindow/panel.h"

#include <windowsx.h>
#include <oleacc.h>

#include <algorithm>
#include <vector>

#include "mainwindow/graphic_control.h"
#include "mainwindow/panel_accessible.h"
#include "mainwindow/panel_state.h"
#include "platform/child_window.h"

namespace pandor {
namespace {

constexpr wchar_t kClassName[] = L"Pandor7Panel";
constexpr int kBevelWidth = 2;
constexpr int kFocusMarkInset = 3;
ATOM panelClass = 0;

// What a panel keeps lies in its window's extra bytes.
PanelState* StateOf(HWND panel) { return reinterpret_cast<PanelState*>(GetWindowLongPtrW(panel, 0)); }

GraphicControl* TopControlAt(const PanelState& state, POINT point) {
  const auto found = std::find_if(state.controls.rbegin(), state.controls.rend(),
                                  [point](const GraphicControl* control) { return PtInRect(&control->Bounds(), point); });
  return found == state.controls.rend() ? nullptr : *found;
}

void Paint(HWND panel, HDC dc, const PanelState& state) {
  RECT area;
  GetClientRect(panel, &area);
  FillRect(dc, &area, state.brush);
  // Half of the bevel is lowered, the rest (the larger part) raised.
  const int bevel = Scaled(kBevelWidth);
  DrawEdgeRings(dc, area, BDR_SUNKENOUTER, bevel / 2);
  DrawEdgeRings(dc, area, BDR_RAISEDINNER, bevel - bevel / 2);
  for (const GraphicControl* control : state.controls) {
    const RECT& bounds = control->Bounds();
    if (!RectVisible(dc, &bounds)) continue;
    // Each control draws within its bounds, as a window of its own would.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    control->Paint(dc);
    RestoreDC(dc, saved);
  }
  if (state.focused && GetFocus() == panel) {
    RECT mark = state.focused->Bounds();
    InflateRect(&mark, -Scaled(kFocusMarkInset), -Scaled(kFocusMarkInset));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &mark);
  }
}

void MouseMoved(HWND panel, PanelState& state, POINT point) {
  GraphicControl* over = TopControlAt(state, point);
  // A button held down looks pressed only while the mouse is over it.
  if (state.pressed && !state.pressedByKey) state.pressed->SetPressed(over == state.pressed);
  if (over != state.hot) {
    if (state.hot) state.hot->SetHot(false);
    state.hot = over;
    if (over) {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, panel, 0};
      TrackMouseEvent(&track);
      over->SetHot(true);
    }
  }
  if (over && over->onMouseMove) over->onMouseMove();
}

void ButtonDown(HWND panel, PanelState& state, POINT point) {
  if (state.pressed) return;
  state.pressed = TopControlAt(state, point);
  if (!state.pressed) return;
  SetCapture(panel);
  state.pressed->SetPressed(true);
}

void ButtonUp(PanelState& state, POINT point) {
  GraphicControl* const pressed = state.pressed;
  if (!pressed || state.pressedByKey) return;
  state.pressed = nullptr;  // before the capture goes, which would cancel the press
  ReleaseCapture();
  pressed->SetPressed(false);
  // Released elsewhere, the press comes to nothing, as a button's does.
  if (PtInRect(&pressed->Bounds(), point)) pressed->Click();
}

// The space bar presses the focused control as a button's does: down on the
// key, a click when it comes up.
void SpaceDown(PanelState& state) {
  if (state.pressed || !state.focused) return;
  state.pressed = state.focused;
  state.pressedByKey = true;
  state.pressed->SetPressed(true);
}

void SpaceUp(PanelState& state, bool click) {
  GraphicControl* const pressed = state.pressedByKey ? state.pressed : nullptr;
  if (!pressed) return;
  state.pressed = nullptr;
  state.pressedByKey = false;
  pressed->SetPressed(false);
  if (click) pressed->Click();
}

void FocusChanged(HWND panel, const PanelState& state) {
  if (!state.focused) return;
  state.focused->Invalidate();
  if (GetFocus() == panel) Panel::Announce(*state.focused, EVENT_OBJECT_FOCUS);
}

}  // namespace

std::vector<GraphicControl*> PanelState::UserControls() const {
  std::vector<GraphicControl*> reached;
  for (GraphicControl* control : controls) {
    if (!control->IsDecoration()) reached.push_back(control);
  }
  return reached;
}

long PanelState::ChildId(const GraphicControl* control) const {
  const std::vector<GraphicControl*> reached = UserControls();
  const auto found = std::find(reached.begin(), reached.end(), control);
  return found == reached.end() ? CHILDID_SELF : static_cast<long>(found - reached.begin()) + 1;
}

GraphicControl* PanelState::Child(long childId) const {
  const std::vector<GraphicControl*> reached = UserControls();
  return childId >= 1 && static_cast<size_t>(childId) <= reached.size() ? reached[static_cast<size_t>(childId) - 1]
                                                                        : nullptr;
}

PanelState* PanelStateOf(HWND window) {
  if (!window || !panelClass || GetClassLongPtrW(window, GCW_ATOM) != panelClass) return nullptr;
  return StateOf(window);
}

LRESULT CALLBACK Panel::Proc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  PanelState* const state = StateOf(panel);
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrW(panel, 0, reinterpret_cast<LONG_PTR>(new PanelState));
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(panel, &ps);
      Paint(panel, dc, *state);
      EndPaint(panel, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(panel, reinterpret_cast<HDC>(wParam), *state);
      return 0;
    case WM_MOUSEMOVE:
      MouseMoved(panel, *state, point);
      return 0;
    case WM_MOUSELEAVE:
      if (state->hot) state->hot->SetHot(false);
      state->hot = nullptr;
      return 0;
    case WM_LBUTTONDOWN:
      ButtonDown(panel, *state, point);
      return 0;
    case WM_LBUTTONUP:
      ButtonUp(*state, point);
      return 0;
    case WM_CAPTURECHANGED:
      if (state->pressedByKey) return 0;
      if (state->pressed) state->pressed->SetPressed(false);
      state->pressed = nullptr;
      return 0;
    case WM_KEYDOWN:
      if (wParam != VK_SPACE) break;
      SpaceDown(*state);
      return 0;
    case WM_KEYUP:
      if (wParam != VK_SPACE) break;
      SpaceUp(*state, true);
      return 0;
    case WM_SETFOCUS:
      FocusChanged(panel, *state);
      return 0;
    case WM_KILLFOCUS:
      SpaceUp(*state, false);
      if (state->focused) state->focused->Invalidate();
      return 0;
    case WM_GETOBJECT:
      // The client area's object; the window's own frame the system answers for.
      if (static_cast<LONG>(lParam) == OBJID_CLIENT) return AnswerAccessibleObject(panel, wParam);
      break;
    // What the controls on the panel report goes to the window that owns the panel.
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetParent(panel), message, wParam, lParam);
    case WM_NCDESTROY:
      if (!state) break;
      for (GraphicControl* control : state->controls) control->host_ = nullptr;
      if (state->brush) DeleteObject(state->brush);
      delete state;
      SetWindowLongPtrW(panel, 0, 0);
      break;
  }
  return DefWindowProcW(panel, message, wParam, lParam);
}

void DrawEdgeRings(HDC dc, RECT& area, UINT edge, int width) {
  for (int ring = 0; ring < width; ++ring) DrawEdge(dc, &area, edge, BF_RECT | BF_ADJUST);
}

void Panel::Register(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  wc.cbWndExtra = sizeof(LONG_PTR);
  const ATOM registered = RegisterClassExW(&wc);
  if (registered) panelClass = registered;
}

HWND Panel::Create(HWND parent, int id, const RECT& bounds) {
  const HWND panel = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
                                     bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  SetColour(panel, GetSysColor(COLOR_BTNFACE));
  return panel;
}

void Panel::SetColour(HWND panel, COLORREF colour) {
  PanelState& state = *StateOf(panel);
  if (state.brush) DeleteObject(state.brush);
  state.brush = CreateSolidBrush(colour);
  InvalidateRect(panel, nullptr, TRUE);
}

GraphicControl* Panel::ControlAt(HWND panel, POINT point) { return TopControlAt(*StateOf(panel), point); }

void Panel::Focus(GraphicControl& control) {
  const HWND panel = control.Host();
  PanelState* const state = PanelStateOf(panel);
  if (!state || control.IsDecoration()) return;
  if (state->focused != &control) {
    SpaceUp(*state, false);
    if (state->focused) state->focused->Invalidate();
    state->focused = &control;
    if (GetFocus() == panel) FocusChanged(panel, *state);
  }
  if (GetFocus() != panel) SetFocus(panel);  // WM_SETFOCUS marks and announces it
}

GraphicControl* Panel::FocusedControl(HWND window) {
  const PanelState* const state = PanelStateOf(window);
  return state && GetFocus() == window ? state->focused : nullptr;
}

void Panel::Announce(const GraphicControl& control, DWORD event) {
  const PanelState* const state = PanelStateOf(control.Host());
  // Nobody reads what isn't on the screen yet (the layout, the settings).
  if (!state || !IsWindowVisible(control.Host())) return;
  const long child = state->ChildId(&control);
  if (child != CHILDID_SELF) NotifyWinEvent(event, control.Host(), OBJID_CLIENT, child);
}

void Panel::Add(HWND panel, GraphicControl& control) {
  StateOf(panel)->controls.push_back(&control);
  control.Invalidate();
}

void Panel::Remove(HWND panel, GraphicControl& control) {
  PanelState& state = *StateOf(panel);
  state.controls.erase(std::remove(state.controls.begin(), state.controls.end(), &control), state.controls.end());
  if (state.hot == &control) state.hot = nullptr;
  if (state.pressed == &control) state.pressed = nullptr;
  if (state.focused == &control) state.focused = nullptr;
  InvalidateRect(panel, &control.Bounds(), TRUE);
}

}  // namespace pandor
