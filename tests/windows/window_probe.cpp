#include "tests/windows/window_probe.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/text.h"

namespace pandor::testing {

std::string WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return ToUtf8(text);
}

std::ostream& operator<<(std::ostream& out, const Bounds& b) {
  return out << "{" << b.left << ", " << b.top << ", " << b.width << ", " << b.height << "}";
}

Bounds BoundsInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return Bounds{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

Bounds BoundsInParent(const GraphicControl& control) {
  const RECT& r = control.Bounds();
  return Bounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

SIZE ClientSize(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return SIZE{client.right, client.bottom};
}

std::string StatusText(HWND statusBar) {
  wchar_t text[1024] = L"";
  SendMessageW(statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  return ToUtf8(text);
}

namespace {

std::string ToolText(HWND hints, HWND window, UINT_PTR id) {
  wchar_t text[256] = L"";
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = window;
  tool.uId = id;
  tool.lpszText = text;
  SendMessageW(hints, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
  return ToUtf8(text);
}

}  // namespace

std::string HintText(HWND hints, HWND control) {
  return ToolText(hints, GetParent(control), reinterpret_cast<UINT_PTR>(control));
}

std::string HintText(HWND hints, const GraphicControl& control) {
  return ToolText(hints, control.Host(), static_cast<UINT_PTR>(control.Id()));
}

COLORREF ControlTextColour(HWND control) {
  const HDC dc = GetDC(control);
  SendMessageW(GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
  const COLORREF colour = GetTextColor(dc);
  ReleaseDC(control, dc);
  return colour;
}

namespace {

LOGFONTW FontOf(HFONT font) {
  LOGFONTW spec{};
  GetObjectW(font, sizeof spec, &spec);
  return spec;
}

HFONT ControlFont(HWND control) { return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)); }

}  // namespace

std::string FontFace(HWND control) { return FontFace(ControlFont(control)); }
int FontHeight(HWND control) { return FontHeight(ControlFont(control)); }
std::string FontFace(HFONT font) { return ToUtf8(FontOf(font).lfFaceName); }
int FontHeight(HFONT font) { return FontOf(font).lfHeight; }

TEXTMETRICW FontMetrics(HWND control) {
  const HDC dc = GetDC(control);
  const HGDIOBJ old = SelectObject(dc, ControlFont(control));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return metrics;
}

HCURSOR CursorOver(HWND control) {
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  return GetCursor();
}

HCURSOR CursorOver(const GraphicControl& control) {
  const RECT& r = control.Bounds();
  POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(control.Host(), &centre);
  SetCursorPos(centre.x, centre.y);
  return CursorOver(control.Host());
}

void PumpMessages(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (milliseconds) Sleep(10);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

namespace {

// The image the tree draws for an item: asked of its parent, as the tree does
// when the item leaves the choice to it.
int ImageShown(HWND tree, const TVITEMW& item) {
  if (item.iImage != I_IMAGECALLBACK) return item.iImage;
  NMTVDISPINFOW info{};
  info.hdr.hwndFrom = tree;
  info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(tree));
  info.hdr.code = TVN_GETDISPINFOW;
  info.item = item;
  info.item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  SendMessageW(GetParent(tree), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
  return info.item.iImage;
}

HTREEITEM Related(HWND tree, UINT relation, HTREEITEM item) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

TreeItem Describe(HWND tree, HTREEITEM item, int depth) {
  wchar_t text[512] = L"";
  TVITEMW query{};
  query.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_STATE | TVIF_PARAM | TVIF_HANDLE;
  query.hItem = item;
  query.pszText = text;
  query.cchTextMax = 512;
  query.stateMask = TVIS_EXPANDED;
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
  return {ToUtf8(text), depth, ImageShown(tree, query), (query.state & TVIS_EXPANDED) != 0};
}

}  // namespace

std::vector<TreeItem> TreeItems(HWND tree) {
  std::vector<TreeItem> items;
  auto visit = [&](auto&& self, HTREEITEM item, int depth) -> void {
    for (; item; item = Related(tree, TVGN_NEXT, item)) {
      items.push_back(Describe(tree, item, depth));
      self(self, Related(tree, TVGN_CHILD, item), depth + 1);
    }
  };
  visit(visit, Related(tree, TVGN_ROOT, nullptr), 0);
  return items;
}

std::vector<TreeItem> ShownTreeRows(HWND tree) {
  std::vector<TreeItem> rows;
  for (HTREEITEM item = Related(tree, TVGN_ROOT, nullptr); item; item = Related(tree, TVGN_NEXTVISIBLE, item)) {
    int depth = 0;
    for (HTREEITEM up = Related(tree, TVGN_PARENT, item); up; up = Related(tree, TVGN_PARENT, up)) ++depth;
    rows.push_back(Describe(tree, item, depth));
  }
  return rows;
}

}  // namespace pandor::testing
