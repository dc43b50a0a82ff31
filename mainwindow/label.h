#pragma once
// A caption on a panel, centred and wrapped within its bounds, drawn in its
// colour over whatever lies beneath it. A screen reader reads it as a text
// named by its caption, which a click acts on.

#include <windows.h>

#include <string>

#include "mainwindow/graphic_control.h"

namespace pandor {

class Label : public GraphicControl {
 public:
  void SetCaption(const std::wstring& caption);
  const std::wstring& Caption() const { return caption_; }
  void SetColour(COLORREF colour);
  COLORREF Colour() const { return colour_; }
  // font: owned by the caller, alive as long as the label.
  void SetFont(HFONT font);
  HFONT Font() const { return font_; }

  long AccessibleRole() const override;
  std::wstring AccessibleName() const override { return caption_; }
  const wchar_t* DefaultActionName() const override;

  void Paint(HDC dc) const override;

 private:
  std::wstring caption_;
  COLORREF colour_ = 0;
  HFONT font_ = nullptr;
};

}  // namespace pandor
