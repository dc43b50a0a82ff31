#include "editor/dialog_focus.h"

namespace pandor {

void MoveDialogFocus(HWND top, WPARAM wParam, LPARAM lParam) {
  const HWND target =
      LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(top, GetFocus(), wParam != 0);
  if (!target) return;
  SetFocus(target);
  if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(target, EM_SETSEL, 0, -1);
}

}  // namespace pandor
