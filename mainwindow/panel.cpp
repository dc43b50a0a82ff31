#include "mainwindow/panel.h"

#include "platform/child_window.h"
#include "platform/handle.h"

namespace pandor {
namespace {

constexpr wchar_t kClassName[] = L"Pandor7Panel";
constexpr int kBevelWidth = 2;

// The panel's own brush, kept in the window's extra bytes.
HBRUSH PanelBrush(HWND panel) { return reinterpret_cast<HBRUSH>(GetWindowLongPtrW(panel, 0)); }

void ReplaceBrush(HWND panel, HBRUSH brush) {
  const HBRUSH old = reinterpret_cast<HBRUSH>(SetWindowLongPtrW(panel, 0, reinterpret_cast<LONG_PTR>(brush)));
  if (old) DeleteObject(old);
}

void Paint(HWND panel, HDC dc) {
  RECT area;
  GetClientRect(panel, &area);
  FillRect(dc, &area, PanelBrush(panel));
  // Half of the bevel is lowered, the rest (the larger part) raised.
  const int bevel = Scaled(kBevelWidth);
  DrawEdgeRings(dc, area, BDR_SUNKENOUTER, bevel / 2);
  DrawEdgeRings(dc, area, BDR_RAISEDINNER, bevel - bevel / 2);
}

LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(panel, &ps);
      Paint(panel, dc);
      EndPaint(panel, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(panel, reinterpret_cast<HDC>(wParam));
      return 0;
    // What the controls on the panel report goes to the window that owns the panel.
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetParent(panel), message, wParam, lParam);
    case WM_NCDESTROY:
      ReplaceBrush(panel, nullptr);
      break;
  }
  return DefWindowProcW(panel, message, wParam, lParam);
}

}  // namespace

void DrawEdgeRings(HDC dc, RECT& area, UINT edge, int width) {
  for (int ring = 0; ring < width; ++ring) DrawEdge(dc, &area, edge, BF_RECT | BF_ADJUST);
}

void Panel::Register(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = PanelProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  wc.cbWndExtra = sizeof(LONG_PTR);
  RegisterClassExW(&wc);
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
  ReplaceBrush(panel, CreateSolidBrush(colour));
  InvalidateRect(panel, nullptr, TRUE);
}

}  // namespace pandor
