#pragma once
// Handlers hooked into a control's messages, as comctl32's SetWindowSubclass
// hooks them: the same kind of handler (SUBCLASSPROC), the same order (the
// hook set last sees a message first and passes it on with CallNextHook).
//
// comctl32 keeps its chain of handlers in a window property, and Wine asks its
// window server for that property twice on every message that passes. This
// chain lies in the control's GWLP_USERDATA, which the system's control
// classes leave to the program, so a message costs no more than the calls.
// For controls of the system's classes only: windows of this program's own
// classes keep their object there (platform/object_window.h).
//
// The hooks go with the control, after it has handled its WM_NCDESTROY; a
// handler must not destroy its own control.

#include <windows.h>
#include <commctrl.h>

namespace pandor {

// Hooking the same handler and id again only gives it the new data.
void HookControl(HWND control, SUBCLASSPROC handler, UINT_PTR id, DWORD_PTR data);
// Nothing when the control has no such hook.
void UnhookControl(HWND control, SUBCLASSPROC handler, UINT_PTR id);
// From inside a handler: the message to the next hook, or to the control.
LRESULT CallNextHook(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace pandor
