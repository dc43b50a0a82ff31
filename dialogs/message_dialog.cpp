#include "dialogs/message_dialog.h"

#include <algorithm>

#include "platform/child_window.h"
#include "platform/messages.h"
#include "platform/text.h"

namespace pandor {
namespace {

// Pixels at 96 DPI.
constexpr int kMargin = 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kTextId = 100;

// An empty dialog template; the controls are made once the text is measured.
struct alignas(4) EmptyDialogTemplate {
  DLGTEMPLATE header;
  WORD menu = 0;
  WORD windowClass = 0;
  WORD title = 0;
  WORD pointSize = 8;
  wchar_t font[14] = L"MS Sans Serif";
};

void Layout(HWND dialog, const std::wstring& text) {
  SetWindowTextW(dialog, FromUtf8(kApplicationTitle).c_str());
  const auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));

  RECT textArea{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
  const HDC dc = GetDC(dialog);
  const HGDIOBJ old = SelectObject(dc, font);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textArea, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(dialog, dc);

  const int margin = Scaled(kMargin);
  const int buttonWidth = Scaled(kButtonWidth);
  const int buttonHeight = Scaled(kButtonHeight);
  const int clientWidth = std::max<int>(textArea.right, buttonWidth) + 2 * margin;
  const int clientHeight = textArea.bottom + 3 * margin + buttonHeight;
  const HWND label = CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, margin,
                                     margin, textArea.right, textArea.bottom, dialog,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextId)), instance, nullptr);
  const HWND ok = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                                  (clientWidth - buttonWidth) / 2, textArea.bottom + 2 * margin, buttonWidth,
                                  buttonHeight, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), instance,
                                  nullptr);
  for (HWND control : {label, ok}) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)));
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER);
  SetFocus(ok);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      Layout(dialog, *reinterpret_cast<const std::wstring*>(lParam));
      return FALSE;  // the focus is set
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDOK);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

void ShowMessageDialog(HWND owner, const std::string& text) {
  EmptyDialogTemplate dialogTemplate{};
  dialogTemplate.header.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  const std::wstring wide = FromUtf8(text);
  DialogBoxIndirectParamW(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)),
                          &dialogTemplate.header, owner, DialogProc, reinterpret_cast<LPARAM>(&wide));
}

}  // namespace pandor
