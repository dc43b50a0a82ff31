#pragma once
// The main window's flat buttons, graphic controls on their panel: an
// optional glyph left of the caption (16 x 16 at 96 DPI), a raised edge while
// the mouse is over them, a sunken one while they are held down, and a
// caption colour that the hover effect changes. To a screen reader they are
// push buttons named by their caption, or by their hint where the caption is
// a sign ("?", "<<").

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "mainwindow/graphic_control.h"

namespace pandor {

struct FlatButtonLook {
  std::wstring caption;
  HIMAGELIST glyph = nullptr;  // image 0 is the normal glyph
  COLORREF captionColour = 0;
  COLORREF background = 0;
  HFONT font = nullptr;
  bool hot = false;      // the mouse is over the button: a raised edge
  bool pressed = false;  // held down: a sunken edge
};

// Draws the button into dc; also what tests call on a memory bitmap.
void PaintFlatButton(HDC dc, const RECT& area, const FlatButtonLook& look);

class FlatButton : public GraphicControl {
 public:
  void Create(HWND panel, int id, const RECT& bounds, const std::wstring& caption, HIMAGELIST glyph, HFONT font);

  void SetCaption(const std::wstring& caption);
  const std::wstring& Caption() const { return look_.caption; }
  HIMAGELIST Glyph() const { return look_.glyph; }
  void SetCaptionColour(COLORREF colour);
  COLORREF CaptionColour() const { return look_.captionColour; }
  void SetBackground(COLORREF colour);

  long AccessibleRole() const override;
  std::wstring AccessibleName() const override;
  const wchar_t* DefaultActionName() const override;

  void Paint(HDC dc) const override;
  void SetHot(bool hot) override;
  void SetPressed(bool pressed) override;

 private:
  FlatButtonLook look_;
};

}  // namespace pandor
