#include "mainwindow/flat_button.h"

#include "mainwindow/panel.h"
#include "platform/child_window.h"
#include "platform/control_hook.h"
#include "platform/text.h"

namespace pandor {
namespace {

constexpr int kEdgeWidth = 1;  // of the raised and the sunken look
constexpr int kGlyphSpacing = 4;
constexpr int kPressedShift = 1;

}  // namespace

void PaintFlatButton(HDC dc, const RECT& area, const FlatButtonLook& look) {
  const HBRUSH background = CreateSolidBrush(look.background);
  FillRect(dc, &area, background);
  DeleteObject(background);

  RECT edge = area;
  if (look.pressed) {
    DrawEdgeRings(dc, edge, BDR_SUNKENOUTER, Scaled(kEdgeWidth));
  } else if (look.hot) {
    DrawEdgeRings(dc, edge, BDR_RAISEDINNER, Scaled(kEdgeWidth));
  }

  const HGDIOBJ oldFont = SelectObject(dc, look.font ? look.font : GetStockObject(DEFAULT_GUI_FONT));
  RECT textSize{0, 0, 0, 0};
  DrawTextW(dc, look.caption.c_str(), static_cast<int>(look.caption.size()), &textSize, DT_CALCRECT | DT_SINGLELINE);

  // Glyph and caption are centred together, the glyph on the left.
  int glyphWidth = 0, glyphHeight = 0;
  if (look.glyph) ImageList_GetIconSize(look.glyph, &glyphWidth, &glyphHeight);
  const int glyphSpace = look.glyph ? glyphWidth + Scaled(kGlyphSpacing) : 0;
  const int contentWidth = glyphSpace + (textSize.right - textSize.left);
  const int shift = look.pressed ? Scaled(kPressedShift) : 0;
  int x = area.left + (area.right - area.left - contentWidth) / 2 + shift;
  if (look.glyph) {
    const int y = area.top + (area.bottom - area.top - glyphHeight) / 2 + shift;
    ImageList_Draw(look.glyph, 0, dc, x, y, ILD_TRANSPARENT);
    x += glyphSpace;
  }
  RECT text{x, area.top + shift, area.right, area.bottom + shift};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, look.captionColour);
  DrawTextW(dc, look.caption.c_str(), static_cast<int>(look.caption.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

FlatButton::~FlatButton() {
  if (hwnd_) UnhookControl(hwnd_, SubclassProc, 0);
}

void FlatButton::Create(HWND panel, int id, const RECT& bounds, const std::wstring& caption, HIMAGELIST glyph,
                        HFONT font) {
  look_.caption = caption;
  look_.glyph = glyph;
  look_.font = font;
  look_.captionColour = GetSysColor(COLOR_BTNTEXT);
  look_.background = GetSysColor(COLOR_BTNFACE);
  hwnd_ = CreateWindowExW(0, L"BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, bounds.left,
                          bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, panel,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(panel, GWLP_HINSTANCE)), nullptr);
  HookControl(hwnd_, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void FlatButton::SetCaption(const std::wstring& caption) {
  look_.caption = caption;
  SetWindowTextW(hwnd_, caption.c_str());
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void FlatButton::SetCaptionColour(COLORREF colour) {
  if (look_.captionColour == colour) return;
  look_.captionColour = colour;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void FlatButton::SetBackground(COLORREF colour) {
  look_.background = colour;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void FlatButton::Draw(const DRAWITEMSTRUCT& item) {
  FlatButtonLook look = look_;
  look.pressed = (item.itemState & ODS_SELECTED) != 0;
  PaintFlatButton(item.hDC, item.rcItem, look);
}

void FlatButton::SetHot(bool hot) {
  if (look_.hot == hot) return;
  look_.hot = hot;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT CALLBACK FlatButton::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self) {
  auto* button = reinterpret_cast<FlatButton*>(self);
  switch (message) {
    case WM_MOUSEMOVE: {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
      TrackMouseEvent(&track);
      button->SetHot(true);
      if (button->onMouseMove) button->onMouseMove();
      break;
    }
    case WM_MOUSELEAVE:
      button->SetHot(false);
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCDESTROY:
      // The hook goes with the window; the destructor has nothing left to
      // take off, and never a later window's that got the same handle.
      button->hwnd_ = nullptr;
      break;
  }
  return CallNextHook(hwnd, message, wParam, lParam);
}

}  // namespace pandor
