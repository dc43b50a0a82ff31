#pragma once
// A window that shows a Picture: stretched over its area, or an icon once at
// its size in the top left corner.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/picture.h"

namespace pandor {

class PictureView {
 public:
  PictureView() = default;
  PictureView(const PictureView&) = delete;
  PictureView& operator=(const PictureView&) = delete;
  ~PictureView();

  static void Register(HINSTANCE instance);
  void Create(HWND parent, int id, const RECT& bounds);
  HWND Handle() const { return hwnd_; }

  void SetPicture(std::unique_ptr<Picture> picture);
  Picture* CurrentPicture() const { return picture_.get(); }
  void SetBackground(COLORREF colour) { background_ = colour; }

  // Called when the picture is clicked (the left button released over it,
  // or the space bar while it has the focus).
  std::function<void()> onClick;

  // Receives the text of an error found while drawing (damaged JPEG data),
  // after the window has finished painting.
  std::function<void(const std::string& utf8Text)> onDrawError;

 private:
  template <typename T>
  friend LRESULT CALLBACK ObjectWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc, const RECT& area);

  HWND hwnd_ = nullptr;
  std::unique_ptr<Picture> picture_;
  COLORREF background_ = GetSysColor(COLOR_BTNFACE);
};

}  // namespace pandor
