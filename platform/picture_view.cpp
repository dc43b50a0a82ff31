#include "platform/picture_view.h"

#include "menu/menu_error.h"
#include "platform/object_window.h"

namespace pandor {
namespace {

constexpr wchar_t kClassName[] = L"Pandor7PictureView";

}  // namespace

PictureView::~PictureView() { ReleaseObjectWindow(hwnd_); }

void PictureView::Register(HINSTANCE instance) {
  RegisterObjectWindowClass<PictureView>(instance, kClassName, LoadCursor(nullptr, IDC_ARROW));
}

void PictureView::Create(HWND parent, int id, const RECT& bounds) {
  CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top, bounds.right - bounds.left,
                  bounds.bottom - bounds.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                  reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), this);
}

void PictureView::SetPicture(std::unique_ptr<Picture> picture) {
  picture_ = std::move(picture);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void PictureView::Paint(HDC dc, const RECT& area) {
  const HBRUSH brush = CreateSolidBrush(background_);
  FillRect(dc, &area, brush);
  DeleteObject(brush);
  if (picture_) picture_->Draw(dc, area);
  // Reached by the keyboard, the picture shows that a key acts on it.
  if (GetFocus() == hwnd_) {
    RECT mark = area;
    InflateRect(&mark, -1, -1);
    DrawFocusRect(dc, &mark);
  }
}

LRESULT PictureView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONUP:
      if (onClick) onClick();
      return 0;
    // Reached by the keyboard, the space bar clicks it, as it does a button.
    case WM_KEYUP:
      if (wParam != VK_SPACE) break;
      if (onClick) onClick();
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_PAINT: {
      // An error found while drawing is passed on only after painting is
      // done, so that the error box doesn't find the window still invalid.
      std::string error;
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(hwnd_, &ps);
      RECT area;
      GetClientRect(hwnd_, &area);
      try {
        Paint(dc, area);
      } catch (const MenuError& e) {
        error = e.what();
      }
      EndPaint(hwnd_, &ps);
      if (!error.empty() && onDrawError) onDrawError(error);
      return 0;
    }
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace pandor
