#include "tests/windows/window_input.h"

#include <cstring>

#include "platform/text.h"

namespace pandor::testing {
namespace {

LPARAM PointParam(POINT point) { return MAKELPARAM(point.x, point.y); }

POINT Centre(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

POINT ItemCentre(HWND tree, HTREEITEM item) {
  // The tree takes the item in the rectangle it fills in.
  RECT rect{};
  memcpy(&rect, &item, sizeof item);
  SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// A press and release at the point; the tree follows the mouse in a loop of
// its own until it finds the release, so that is queued first.
void Click(MainWindow& window, HWND control, POINT point) {
  PostMessageW(control, WM_LBUTTONUP, 0, PointParam(point));
  SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(point));
  Pump(window);
}

}  // namespace

void Pump(MainWindow& window) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (window.PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

HTREEITEM FindTreeItem(HWND tree, const std::string& text) {
  HTREEITEM found = nullptr;
  auto visit = [&](auto&& self, HTREEITEM item) -> void {
    for (; item && !found; item = TreeView_GetNextSibling(tree, item)) {
      wchar_t buffer[512] = L"";
      TVITEMW query{};
      query.mask = TVIF_TEXT | TVIF_HANDLE;
      query.hItem = item;
      query.pszText = buffer;
      query.cchTextMax = 512;
      SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
      if (ToUtf8(buffer) == text) found = item;
      self(self, TreeView_GetChild(tree, item));
    }
  };
  visit(visit, TreeView_GetRoot(tree));
  return found;
}

void ClickTreeItem(MainWindow& window, HTREEITEM item) {
  const HWND tree = window.Controls().tvMenu;
  Click(window, tree, ItemCentre(tree, item));
}

void DoubleClickTreeItem(MainWindow& window, HTREEITEM item) {
  const HWND tree = window.Controls().tvMenu;
  const POINT centre = ItemCentre(tree, item);
  Click(window, tree, centre);
  PostMessageW(tree, WM_LBUTTONUP, 0, PointParam(centre));
  SendMessageW(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(centre));
  Pump(window);
}

void ClickBelowTreeRows(MainWindow& window) {
  const HWND tree = window.Controls().tvMenu;
  RECT client;
  GetClientRect(tree, &client);
  Click(window, tree, POINT{client.right / 2, client.bottom - 3});
}

void TypeCharacter(MainWindow& window, HWND control, wchar_t character) {
  PostMessageW(control, WM_CHAR, character, 1);
  Pump(window);
}

void PressKey(MainWindow& window, HWND control, UINT virtualKey) {
  PostMessageW(control, WM_KEYDOWN, virtualKey, 1);
  PostMessageW(control, WM_KEYUP, virtualKey, 0xC0000001);
  Pump(window);
}

void MoveMouseOver(MainWindow& window, HWND control) {
  RECT client;
  GetClientRect(control, &client);
  SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(client.right / 2, client.bottom / 2));
  Pump(window);
}

void ClickControl(MainWindow& window, HWND control) {
  RECT client;
  GetClientRect(control, &client);
  Click(window, control, POINT{client.right / 2, client.bottom / 2});
}

void MoveMouseOver(MainWindow& window, const GraphicControl& control) {
  SendMessageW(control.Host(), WM_MOUSEMOVE, 0, PointParam(Centre(control.Bounds())));
  Pump(window);
}

void ClickControl(MainWindow& window, const GraphicControl& control) {
  Click(window, control.Host(), Centre(control.Bounds()));
}

}  // namespace pandor::testing
