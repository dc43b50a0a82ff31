// Keys the window sees before the focused control, and the buttons' hover
// colours.
//
// The keyboard: Tab and Shift+Tab move the focus (tab_order.h), F1 is "?",
// Enter presses the control that has the focus, a drawn button or the
// preview picture, and starts the selected program everywhere else. Space is
// the focused control's own (the panel's for its drawn ones).
#include <windows.h>
#include <commctrl.h>

#include "mainwindow/main_window.h"
#include "mainwindow/panel.h"
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
      if (GraphicControl* button = Panel::FocusedControl(GetFocus())) {
        button->Click();
      } else if (GetFocus() == controls_.imgPreview) {
        imgPreviewClick();
      } else {
        StartSelectedProgram();
      }
      return true;
    default:
      return false;
  }
}

bool MainWindow::FormKeyDown(UINT key) {
  switch (key) {
    case VK_TAB:
      // Ctrl+Tab is the page control's.
      if (GetKeyState(VK_CONTROL) & 0x8000) return false;
      tabOrder_.Move((GetKeyState(VK_SHIFT) & 0x8000) != 0);
      return true;
    case VK_F1:
      sbtnHelpClick();
      return true;
    default:
      return false;
  }
}

bool MainWindow::PreTranslateMessage(const MSG& message) {
  if ((message.message != WM_CHAR && message.message != WM_KEYDOWN) || !hwnd_) return false;
  if (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd)) return false;
  bool consumed = false;
  Guarded([&] {
    consumed = message.message == WM_CHAR ? FormKeyPress(static_cast<wchar_t>(message.wParam))
                                          : FormKeyDown(static_cast<UINT>(message.wParam));
  });
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
  for (FlatButton* button : controls_.Buttons())
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
