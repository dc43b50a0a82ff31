#include "mainwindow/label.h"

#include <oleacc.h>

namespace pandor {

void Label::SetCaption(const std::wstring& caption) {
  ChangeName([&] { caption_ = caption; });
  Invalidate();
}

long Label::AccessibleRole() const { return ROLE_SYSTEM_STATICTEXT; }

const wchar_t* Label::DefaultActionName() const { return L"Klicken"; }

void Label::SetColour(COLORREF colour) {
  colour_ = colour;
  Invalidate();
}

void Label::SetFont(HFONT font) {
  font_ = font;
  Invalidate();
}

void Label::Paint(HDC dc) const {
  RECT area = Bounds();
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour_);
  const HGDIOBJ oldFont = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &area, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

}  // namespace pandor
