#include "dialogs/help_window.h"

#include <commctrl.h>

#include "dialogs/help_text.h"
#include "dialogs/maker.h"
#include "dialogs/modal_loop.h"
#include "platform/screen_placement.h"
#include "platform/child_window.h"
#include "platform/control_hook.h"
#include "platform/text.h"

namespace pandor {
namespace {

// Layout in pixels at 96 DPI: left, top, width, height. The controls in the
// group box are given relative to it and placed on the window at the box's
// offset.
constexpr int kClientWidth = 473;
constexpr int kClientHeight = 423;
constexpr Place kGroupBox{8, 8, 457, 377};
constexpr Place kHelpTextInBox{8, 24, 441, 305};
constexpr Place kWebLinkInBox{8, 336, 441, 13};
constexpr Place kMailLinkInBox{8, 352, 441, 13};
constexpr Place kOk{8, 392, 75, 25};

constexpr int kIdGroupBox = 100;
constexpr int kIdHelpText = 101;
constexpr int kIdWebLink = 102;
constexpr int kIdMailLink = 103;

constexpr int kCaptionLeft = 8;  // of the group box's caption
constexpr UINT_PTR kGroupBoxSubclass = 1;

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// The window is a dialog built from an empty template: the template gives
// the frame and the font ("MS Sans Serif" 8 pt), the controls are placed in
// pixels once it exists.
struct alignas(4) HelpDialogTemplate {
  DLGTEMPLATE header{DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 0, 0, 0};
  WORD menu = 0;
  WORD windowClass = 0;
  wchar_t title[6] = L"Hilfe";
  WORD pointSize = 8;
  wchar_t font[14] = L"MS Sans Serif";
};

std::wstring HelpText() {
  std::string text;
  for (const char* line : kHelpLines) {
    if (line != kHelpLines[0]) text += "\r\n";
    text += line;
  }
  return FromUtf8(text);
}

HWND CreateChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, const Place& place,
                 int id) {
  const HWND control = CreateChildWindow(parent, className, text, style, place, id);
  SendMessageW(control, WM_SETFONT, static_cast<WPARAM>(SendMessageW(parent, WM_GETFONT, 0, 0)), FALSE);
  return control;
}

// The group box draws itself as the classic one does: a sunken frame from
// half the caption's height down, the caption over it at the left. A group box
// in the system's visual style would ignore the caption colour its parent
// chooses; this one asks the parent as any static control does.
void PaintGroupBox(HWND box, HDC dc) {
  RECT area;
  GetClientRect(box, &area);
  const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT frame{area.left + 1, area.top + metrics.tmHeight / 2, area.right, area.bottom};
  FrameRect(dc, &frame, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  OffsetRect(&frame, -1, -1);
  FrameRect(dc, &frame, GetSysColorBrush(COLOR_BTNSHADOW));

  wchar_t caption[128] = L"";
  GetWindowTextW(box, caption, 128);
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(GetParent(box), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box)));
  RECT text{Scaled(kCaptionLeft), 0, area.right, metrics.tmHeight};
  DrawTextW(dc, caption, -1, &text, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
  FillRect(dc, &text, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, caption, -1, &text, DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

LRESULT CALLBACK GroupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the window's background shows through
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(box, &ps);
      PaintGroupBox(box, dc);
      EndPaint(box, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintGroupBox(box, reinterpret_cast<HDC>(wParam));
      return 0;
  }
  return CallNextHook(box, message, wParam, lParam);
}

}  // namespace

HelpWindow::~HelpWindow() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    DestroyWindow(hwnd_);
  }
}

void HelpWindow::Create(HINSTANCE instance, HWND owner, Shell& shell, const std::string& appDir) {
  shell_ = &shell;
  appDir_ = appDir;
  HelpDialogTemplate dialogTemplate;
  CreateDialogIndirectParamW(instance, &dialogTemplate.header, owner, DialogProc, reinterpret_cast<LPARAM>(this));
}

int HelpWindow::ShowModal() {
  if (!shownBefore_) CentreOnScreen(hwnd_);
  shownBefore_ = true;
  open_ = true;
  opening_ = true;
  modalResult_ = IDCANCEL;
  RunModal(hwnd_, [this] { return !open_; });
  opening_ = false;
  open_ = false;
  return modalResult_;
}

void HelpWindow::btnOKClick() { CloseWith(IDOK); }

void HelpWindow::FormClose() { CloseWith(IDCANCEL); }

void HelpWindow::CloseWith(int result) {
  if (!open_) return;
  modalResult_ = result;
  open_ = false;
  WakeModalLoop(hwnd_);
}

void HelpWindow::CreateControls() {
  // The group box lies below the controls drawn over it and leaves them out
  // when it paints.
  controls_.GroupBox1 = CreateChild(hwnd_, L"BUTTON", L"Bedienung von Pandor 7", BS_GROUPBOX | WS_CLIPSIBLINGS,
                                    kGroupBox, kIdGroupBox);
  HookControl(controls_.GroupBox1, GroupBoxProc, kGroupBoxSubclass, 0);
  controls_.mHilfe = CreateChild(hwnd_, L"EDIT", HelpText().c_str(), ES_MULTILINE | ES_READONLY | WS_TABSTOP,
                                 kHelpTextInBox.Inside(kGroupBox), kIdHelpText);

  controls_.InternetLabel1.Create(hwnd_, kIdWebLink, kWebLinkInBox.Inside(kGroupBox).ScaledRect(), *shell_, appDir_);
  controls_.InternetLabel1.SetCaption(kMakerHomePage);
  controls_.InternetLabel1.SetTargetUrl(kMakerHomePage);
  controls_.InternetLabel2.Create(hwnd_, kIdMailLink, kMailLinkInBox.Inside(kGroupBox).ScaledRect(), *shell_, appDir_);
  controls_.InternetLabel2.SetCaption(kMakerEmail);
  controls_.InternetLabel2.SetTargetUrl(std::string("mailto:") + kMakerEmail);

  controls_.btnOK = CreateChild(hwnd_, L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, kOk, IDOK);
  SendMessageW(hwnd_, DM_SETDEFID, IDOK, 0);
  SetWindowPos(controls_.GroupBox1, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  RECT frame{0, 0, Scaled(kClientWidth), Scaled(kClientHeight)};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_EXSTYLE)));
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR HelpWindow::OnControlColour(HDC dc, HWND control) {
  if (control != controls_.GroupBox1 && control != controls_.mHilfe) return FALSE;
  SetTextColor(dc, control == controls_.GroupBox1 ? kNavy : kBlack);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}

bool HelpWindow::OnOpened() {
  // "OK" takes the focus at every opening. The dialog manager would give it
  // to the memo, the first control that takes it, and the memo would select
  // its text and scroll to its end.
  if (!opening_) return false;
  opening_ = false;
  SetFocus(controls_.btnOK);
  return true;
}

bool HelpWindow::OnSetCursor(HWND target) {
  if (target != controls_.mHilfe) return false;
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
  return true;
}

INT_PTR CALLBACK HelpWindow::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<HelpWindow*>(lParam);
    self->hwnd_ = dialog;
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
  }
  auto* self = reinterpret_cast<HelpWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (!self) return FALSE;
  return self->HandleMessage(message, wParam, lParam);
}

INT_PTR HelpWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      CreateControls();
      return FALSE;  // the focus goes to "OK" when the window is shown
    case WM_ACTIVATE:
      return LOWORD(wParam) != WA_INACTIVE && OnOpened();
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) btnOKClick();
      if (LOWORD(wParam) == IDCANCEL) FormClose();
      return TRUE;
    case WM_CLOSE:
      FormClose();
      return TRUE;
    case WM_CTLCOLORSTATIC:
      return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SETCURSOR:
      return OnSetCursor(reinterpret_cast<HWND>(wParam));
    case WM_NCDESTROY:
      hwnd_ = nullptr;
      return FALSE;
  }
  return FALSE;
}

}  // namespace pandor
