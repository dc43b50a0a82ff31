#include "mainwindow/flat_button.h"

#include <oleacc.h>

#include <algorithm>

#include "mainwindow/panel.h"
#include "platform/child_window.h"

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

void FlatButton::Create(HWND panel, int id, const RECT& bounds, const std::wstring& caption, HIMAGELIST glyph,
                        HFONT font) {
  look_.caption = caption;
  look_.glyph = glyph;
  look_.font = font;
  look_.captionColour = GetSysColor(COLOR_BTNTEXT);
  look_.background = GetSysColor(COLOR_BTNFACE);
  Place(panel, id, bounds);
}

void FlatButton::SetCaption(const std::wstring& caption) {
  ChangeName([&] { look_.caption = caption; });
  Invalidate();
}

long FlatButton::AccessibleRole() const { return ROLE_SYSTEM_PUSHBUTTON; }

std::wstring FlatButton::AccessibleName() const {
  const bool word = std::any_of(look_.caption.begin(), look_.caption.end(), [](wchar_t c) { return IsCharAlphaW(c); });
  return word ? look_.caption : Hint();
}

const wchar_t* FlatButton::DefaultActionName() const { return L"Drücken"; }

void FlatButton::SetCaptionColour(COLORREF colour) {
  if (look_.captionColour == colour) return;
  look_.captionColour = colour;
  Invalidate();
}

void FlatButton::SetBackground(COLORREF colour) {
  look_.background = colour;
  Invalidate();
}

void FlatButton::Paint(HDC dc) const { PaintFlatButton(dc, Bounds(), look_); }

void FlatButton::SetHot(bool hot) {
  if (look_.hot == hot) return;
  look_.hot = hot;
  Invalidate();
}

void FlatButton::SetPressed(bool pressed) {
  if (look_.pressed == pressed) return;
  look_.pressed = pressed;
  Invalidate();
}

}  // namespace pandor
