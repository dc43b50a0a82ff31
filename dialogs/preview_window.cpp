#include "dialogs/preview_window.h"

#include <commctrl.h>

#include "dialogs/modal_loop.h"
#include "platform/child_window.h"
#include "platform/screen_placement.h"
#include "platform/wait_cursor.h"
#include "resources/resource_ids.h"

namespace pandor {
namespace {

constexpr wchar_t kClassName[] = L"Pandor7PreviewWindow";
// At 96 DPI; once a picture is shown the window takes the picture's own size.
constexpr int kInitialWidth = 427;
constexpr int kInitialHeight = 273;
constexpr int kIdImage = 100;
constexpr UINT_PTR kImageSubclass = 1;

}  // namespace

PreviewWindow::~PreviewWindow() {
  const HWND hwnd = hwnd_;
  ReleaseObjectWindow(hwnd);
  if (hwnd) DestroyWindow(hwnd);
}

void PreviewWindow::Create(HINSTANCE instance, HWND owner) {
  RegisterObjectWindowClass<PreviewWindow>(instance, kClassName, LoadCursor(nullptr, IDC_ARROW));
  PictureView::Register(instance);
  noZoomCursor_ = LoadCursorA(instance, IDC_NOZOOM);

  // No border and no caption bar: the window is all picture.
  const RECT initial = Place{0, 0, kInitialWidth, kInitialHeight}.ScaledRect();
  CreateWindowExW(0, kClassName, L"Vorschau", WS_POPUP | WS_CLIPCHILDREN, 0, 0, initial.right, initial.bottom, owner,
                  nullptr, instance, this);
  imgVorschau_.Create(hwnd_, kIdImage, initial);
  imgVorschau_.onDrawError = [this](const std::string& text) {
    if (onError) onError(text);
  };
  SetWindowSubclass(imgVorschau_.Handle(), ImageProc, kImageSubclass, reinterpret_cast<DWORD_PTR>(this));

  hints_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance,
                           nullptr);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(imgVorschau_.Handle());
  tool.lpszText = const_cast<wchar_t*>(L"Anklicken um Vorschau zu schließen");
  SendMessageW(hints_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool PreviewWindow::ShowEnlarged(const std::string& previewFile) {
  if (!Prepare(previewFile)) return false;
  RunModal();
  return true;
}

bool PreviewWindow::Prepare(const std::string& previewFile) {
  std::unique_ptr<Picture> picture;
  {
    const WaitCursor wait;
    picture = LoadPicture(previewFile);
  }
  // A picture without area would give a window that can't be clicked away.
  const SIZE size = picture->Size();
  if (size.cx <= 0 || size.cy <= 0) return false;

  // Only a larger width or height counts as too large; then the picture is
  // squeezed to the screen in both directions.
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const bool tooLarge = size.cx > screenWidth || size.cy > screenHeight;
  const int width = tooLarge ? screenWidth : size.cx;
  const int height = tooLarge ? screenHeight : size.cy;
  imgVorschau_.SetPicture(std::move(picture));
  SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CentreOnScreen(hwnd_);
  return true;
}

void PreviewWindow::RunModal() {
  open_ = true;
  pressed_ = false;
  pandor::RunModal(hwnd_, [this] { return !open_; });
  open_ = false;
}

void PreviewWindow::imgVorschauClick() {
  if (!open_) return;
  open_ = false;
  WakeModalLoop(hwnd_);
}

void PreviewWindow::OnImageMouse(UINT message) {
  // A click is a press and a release on the picture: the release of the click
  // that opened the window doesn't close it again.
  if (message == WM_LBUTTONDOWN) {
    pressed_ = true;
    return;
  }
  if (pressed_) {
    pressed_ = false;
    imgVorschauClick();
  }
}

LRESULT CALLBACK PreviewWindow::ImageProc(HWND image, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR data) {
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
    reinterpret_cast<PreviewWindow*>(data)->OnImageMouse(message);
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(image, ImageProc, kImageSubclass);
  return DefSubclassProc(image, message, wParam, lParam);
}

LRESULT PreviewWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      MoveWindow(imgVorschau_.Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == imgVorschau_.Handle()) {
        SetCursor(noZoomCursor_);
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      OnImageMouse(message);
      return 0;
    case WM_CLOSE:
      imgVorschauClick();
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace pandor
