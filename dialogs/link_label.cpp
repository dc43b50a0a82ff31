#include "dialogs/link_label.h"

#include <windowsx.h>

#include "dialogs/maker.h"
#include "platform/text.h"

namespace pandor {
namespace {

constexpr wchar_t kClassName[] = L"Pandor7LinkLabel";
constexpr wchar_t kPlaceholderCaption[] = L"Place URL / Mailto in \"TargetURL\" property.";
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

}  // namespace

LinkLabel::~LinkLabel() { ReleaseObjectWindow(hwnd_); }

void LinkLabel::Register(HINSTANCE instance) {
  RegisterObjectWindowClass<LinkLabel>(instance, kClassName, LoadCursor(nullptr, IDC_HAND));
}

void LinkLabel::Create(HWND parent, int id, const RECT& bounds, Shell& shell, const std::string& workingFolder) {
  shell_ = &shell;
  workingFolder_ = workingFolder;
  targetUrl_ = kMakerHomePage;
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  Register(instance);
  CreateWindowExW(0, kClassName, kPlaceholderCaption, WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
                  bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
  auto parentFont = reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0));
  SetFont(parentFont ? parentFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

void LinkLabel::SetCaption(const std::string& caption) { SetWindowTextW(hwnd_, FromUtf8(caption).c_str()); }

void LinkLabel::SetTargetUrl(const std::string& targetUrl) {
  targetUrl_ = targetUrl.empty() ? std::string(kMakerHomePage) : targetUrl;
}

void LinkLabel::SetFont(HFONT font) {
  LOGFONTW underlined{};
  GetObjectW(font, sizeof underlined, &underlined);
  underlined.lfUnderline = TRUE;
  font_.reset(CreateFontIndirectW(&underlined));
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void LinkLabel::Click() {
  if (targetUrl_.empty()) return;
  shell_->Execute(GetAncestor(hwnd_, GA_ROOTOWNER), "OPEN", targetUrl_, workingFolder_);
}

void LinkLabel::PaintContent(HDC dc, const RECT& area) {
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  const int length = GetWindowTextLengthW(hwnd_);
  std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
  caption.resize(static_cast<size_t>(GetWindowTextW(hwnd_, caption.data(), length + 1)));
  const HGDIOBJ oldFont = SelectObject(dc, font_.get());
  SetTextColor(dc, kLinkColour);
  SetBkMode(dc, TRANSPARENT);
  RECT text = area;
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

void LinkLabel::OnPaint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  RECT area;
  GetClientRect(hwnd_, &area);
  PaintContent(dc, area);
  EndPaint(hwnd_, &ps);
}

void LinkLabel::OnButtonUp(POINT point) {
  // A click is a press and a release on the label, as with a button.
  const bool wasPressed = pressed_;
  pressed_ = false;
  if (GetCapture() == hwnd_) ReleaseCapture();
  RECT area;
  GetClientRect(hwnd_, &area);
  if (wasPressed && PtInRect(&area, point)) Click();
}

LRESULT LinkLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_PRINTCLIENT: {
      RECT area;
      GetClientRect(hwnd_, &area);
      PaintContent(reinterpret_cast<HDC>(wParam), area);
      return 0;
    }
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(hwnd_, message, wParam, lParam);
      InvalidateRect(hwnd_, nullptr, TRUE);
      return result;
    }
    case WM_SETFONT:
      SetFont(reinterpret_cast<HFONT>(wParam));
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_.get());
    case WM_LBUTTONDOWN:
      pressed_ = true;
      SetCapture(hwnd_);
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd_) pressed_ = false;
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace pandor
