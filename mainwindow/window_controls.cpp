// Keys the window sees before the focused control, and the buttons' hover
// colours.
#include <windows.h>
#include <commctrl.h>

#include "mainwindow/main_window.h"
#include "platform/control_hook.h"

namespace pandor {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

}  // namespace

bool MainWindow::FormKeyPress(wchar_t key) {
  switch (key) {
    case L'h':
      SendMessageW(controls_.mDesc, WM_VSCROLL, MAKEWPARAM(SB_PAGEUP, 0), 0);
      return true;
    case L'm':
      SendMessageW(controls_.mDesc, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
      return true;
    case L'\r':
      StartSelectedProgram();
      return true;
    default:
      return false;
  }
}

bool MainWindow::PreTranslateMessage(const MSG& message) {
  if (message.message != WM_CHAR || !hwnd_) return false;
  if (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd)) return false;
  bool consumed = false;
  Guarded([&] { consumed = FormKeyPress(static_cast<wchar_t>(message.wParam)); });
  return consumed;
}

void MainWindow::ButtonMouseMove(FlatButton& button) {
  if (!state_.hoverEffects) return;
  SetAllCaptionColours(kBlack);
  if (&button == &controls_.sbtnClose) {
    button.SetCaptionColour(kRed);
  } else if (&button == &controls_.sbtnExplore) {
    button.SetCaptionColour(kBlue);
  } else {
    button.SetCaptionColour(kYellow);
  }
}

void MainWindow::tvMenuMouseMove() {
  if (state_.hoverEffects) SetAllCaptionColours(kBlack);
}

void MainWindow::lblWelcomeMouseMove() {
  tvMenuMouseMove();
  RestoreWelcomeText();
}

void MainWindow::SetAllCaptionColours(COLORREF colour) {
  for (FlatButton* button : {&controls_.sbtnHelp, &controls_.sbtnClose, &controls_.sbtnExplore, &controls_.sbtnExpand})
    button->SetCaptionColour(colour);
}

void MainWindow::WatchTreeMouseMoves() {
  HookControl(controls_.tvMenu, TreeMouseMoveSubclass, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK MainWindow::TreeMouseMoveSubclass(HWND tree, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                   DWORD_PTR self) {
  if (message == WM_MOUSEMOVE) {
    auto* window = reinterpret_cast<MainWindow*>(self);
    window->Guarded([window] { window->tvMenuMouseMove(); });
  }
  return CallNextHook(tree, message, wParam, lParam);
}

}  // namespace pandor
