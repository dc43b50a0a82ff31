#include "dialogs/modal_loop.h"

namespace pandor {
namespace {

bool IsDialog(HWND window) {
  wchar_t className[16] = L"";
  GetClassNameW(window, className, 16);
  return lstrcmpW(className, L"#32770") == 0;
}

}  // namespace

void RunModal(HWND window, const std::function<bool()>& finished) {
  const HWND owner = GetWindow(window, GW_OWNER);
  const bool ownerWasEnabled = owner && !EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  const bool dialog = IsDialog(window);

  MSG message;
  while (!finished()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (got < 0) break;
    if (dialog && IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }

  // The owner first, so that it gets the activation back when the window goes.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  ShowWindow(window, SW_HIDE);
}

void WakeModalLoop(HWND window) { PostMessageW(window, WM_NULL, 0, 0); }

}  // namespace pandor
