// The welcome banner's two labels: the text lies one pixel below its shadow.
// Overlapping windows paint in no fixed order, so the text label draws both,
// shadow first, and the shadow label draws nothing of its own.
#include <windows.h>
#include <commctrl.h>

#include "mainwindow/main_window.h"
#include "platform/control_hook.h"

namespace pandor {
namespace {

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void DrawLabelText(HDC dc, HWND label, RECT area, COLORREF colour) {
  const std::wstring text = TextOf(label);
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace

void MainWindow::WatchBannerPainting() {
  HookControl(controls_.lblShadow, BannerLabelSubclass, 0, reinterpret_cast<DWORD_PTR>(this));
  HookControl(controls_.lblWelcome, BannerLabelSubclass, 0, reinterpret_cast<DWORD_PTR>(this));
}

void MainWindow::PaintBanner(HDC dc) {
  RECT text;
  GetClientRect(controls_.lblWelcome, &text);
  RECT shadow = text;
  // The shadow's place relative to the text label.
  POINT offset{0, 0};
  MapWindowPoints(controls_.lblShadow, controls_.lblWelcome, &offset, 1);
  OffsetRect(&shadow, offset.x, offset.y);

  SetBkMode(dc, TRANSPARENT);
  const HGDIOBJ oldFont = SelectObject(dc, bannerFont_.get());
  DrawLabelText(dc, controls_.lblShadow, shadow, bannerShadow_);
  DrawLabelText(dc, controls_.lblWelcome, text, bannerText_);
  SelectObject(dc, oldFont);
}

LRESULT CALLBACK MainWindow::BannerLabelSubclass(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                 DWORD_PTR self) {
  auto* window = reinterpret_cast<MainWindow*>(self);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(label, &ps);
      if (label == window->controls_.lblWelcome) window->PaintBanner(dc);
      EndPaint(label, &ps);
      return 0;
    }
    case WM_SETTEXT:
      // The panel repaints beneath, then both texts are drawn afresh.
      InvalidateRect(window->controls_.pWillkommen, nullptr, TRUE);
      break;
  }
  return CallNextHook(label, message, wParam, lParam);
}

}  // namespace pandor
