#include "tests/windows/message_dialog_probe.h"

#include "dialogs/message_dialog.h"

namespace pandor::testing {
namespace {

DialogSeen* seen = nullptr;
UINT closingKey = VK_RETURN;

BOOL CALLBACK ReadChild(HWND child, LPARAM) {
  wchar_t className[32] = L"";
  GetClassNameW(child, className, 32);
  const std::wstring kind = className;
  if (kind == L"Static") {
    if (GetWindowLongW(child, GWL_STYLE) & SS_ICON) seen->hasIcon = true;
    seen->text = WindowText(child);
    seen->textBounds = BoundsInParent(child);
  } else if (kind == L"Button") {
    seen->button = WindowText(child);
    seen->okIsDefault = (GetWindowLongW(child, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
    seen->okHasFocus = GetFocus() == child;
    seen->buttonBounds = BoundsInParent(child);
  }
  return TRUE;
}

void CALLBACK LookAtDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND dialog = FindWindowW(L"#32770", nullptr);
  if (!dialog || !IsWindowVisible(dialog)) return;
  KillTimer(nullptr, timer);
  seen->found = true;
  seen->caption = WindowText(dialog);
  seen->client = ClientSize(dialog);
  EnumChildWindows(dialog, ReadChild, 0);
  RECT rect;
  GetWindowRect(dialog, &rect);
  seen->centre = POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  // Keys go to the focused button, as the keyboard would send them.
  PostMessageW(GetFocus(), WM_KEYDOWN, closingKey, 1);
  PostMessageW(GetFocus(), WM_KEYUP, closingKey, 0xC0000001);
}

}  // namespace

DialogSeen ShowAndClose(const std::string& text, UINT key) {
  DialogSeen result;
  closingKey = key;
  seen = &result;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, LookAtDialog);
  ShowMessageDialog(nullptr, text);
  KillTimer(nullptr, timer);
  seen = nullptr;
  return result;
}

}  // namespace pandor::testing
