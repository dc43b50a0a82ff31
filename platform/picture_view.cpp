#include "platform/picture_view.h"

#include "menu/menu_error.h"

namespace pandor {
namespace {

constexpr wchar_t kClassName[] = L"Pandor7PictureView";

}  // namespace

PictureView::~PictureView() {
  if (hwnd_) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

void PictureView::Register(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);
}

void PictureView::Create(HWND parent, int id, const RECT& bounds) {
  hwnd_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
                          bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
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
}

LRESULT CALLBACK PictureView::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<PictureView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONUP:
      if (self->onClick) self->onClick();
      return 0;
    case WM_PAINT: {
      // An error found while drawing is passed on only after painting is
      // done, so that the error box doesn't find the window still invalid.
      std::string error;
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(hwnd, &ps);
      RECT area;
      GetClientRect(hwnd, &area);
      try {
        self->Paint(dc, area);
      } catch (const MenuError& e) {
        error = e.what();
      }
      EndPaint(hwnd, &ps);
      if (!error.empty() && self->onDrawError) self->onDrawError(error);
      return 0;
    }
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace pandor
