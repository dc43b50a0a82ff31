#pragma once
// The main window's flat buttons: transparent over their panel, an optional
// glyph left of the caption (16 x 16 at 96 DPI), and a caption colour that the
// hover effect changes.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

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

class FlatButton {
 public:
  FlatButton() = default;
  FlatButton(const FlatButton&) = delete;
  FlatButton& operator=(const FlatButton&) = delete;
  ~FlatButton();

  void Create(HWND panel, int id, const RECT& bounds, const std::wstring& caption, HIMAGELIST glyph, HFONT font);
  HWND Handle() const { return hwnd_; }

  void SetCaption(const std::wstring& caption);
  const std::wstring& Caption() const { return look_.caption; }
  HIMAGELIST Glyph() const { return look_.glyph; }
  void SetCaptionColour(COLORREF colour);
  COLORREF CaptionColour() const { return look_.captionColour; }
  void SetBackground(COLORREF colour);

  // Called for WM_DRAWITEM of this button.
  void Draw(const DRAWITEMSTRUCT& item);

  // Called whenever the mouse moves over the button.
  std::function<void()> onMouseMove;

 private:
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  void SetHot(bool hot);

  HWND hwnd_ = nullptr;
  FlatButtonLook look_;
};

}  // namespace pandor
