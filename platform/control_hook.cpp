#include "platform/control_hook.h"

#include <algorithm>
#include <vector>

namespace pandor {
namespace {

struct Hook {
  SUBCLASSPROC handler;
  UINT_PTR id;
  DWORD_PTR data;
};

struct HookChain {
  WNDPROC control = nullptr;  // the control's own procedure
  std::vector<Hook> hooks;    // in the order they were set
  // While a message passes: how many hooks it has still to pass.
  size_t pending = 0;
};

// The chain is found by the control's user data, not by its procedure: other
// subclassing, as a tooltip's, may lie on top of the hook.
HookChain* ChainOf(HWND control) { return reinterpret_cast<HookChain*>(GetWindowLongPtrW(control, GWLP_USERDATA)); }

LRESULT CALLBACK HookedControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  HookChain* chain = ChainOf(control);
  if (!chain) return DefWindowProcW(control, message, wParam, lParam);
  // A message sent from inside a handler starts again at the top.
  const size_t outer = chain->pending;
  chain->pending = chain->hooks.size();
  const LRESULT result = CallNextHook(control, message, wParam, lParam);
  chain->pending = outer;
  if (message == WM_NCDESTROY) {
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC)) == HookedControlProc)
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain->control));
    SetWindowLongPtrW(control, GWLP_USERDATA, 0);
    delete chain;
  }
  return result;
}

}  // namespace

void HookControl(HWND control, SUBCLASSPROC handler, UINT_PTR id, DWORD_PTR data) {
  HookChain* chain = ChainOf(control);
  if (!chain) {
    chain = new HookChain;
    chain->control = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC));
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(chain));
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HookedControlProc));
  }
  for (Hook& hook : chain->hooks) {
    if (hook.handler == handler && hook.id == id) {
      hook.data = data;
      return;
    }
  }
  chain->hooks.push_back(Hook{handler, id, data});
}

void UnhookControl(HWND control, SUBCLASSPROC handler, UINT_PTR id) {
  HookChain* chain = ChainOf(control);
  if (!chain) return;
  auto& hooks = chain->hooks;
  hooks.erase(std::remove_if(hooks.begin(), hooks.end(),
                             [&](const Hook& hook) { return hook.handler == handler && hook.id == id; }),
              hooks.end());
  chain->pending = std::min(chain->pending, hooks.size());
}

LRESULT CallNextHook(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  HookChain* chain = ChainOf(control);
  if (!chain) return DefWindowProcW(control, message, wParam, lParam);
  if (chain->pending == 0) return CallWindowProcW(chain->control, control, message, wParam, lParam);
  const size_t level = --chain->pending;
  const Hook hook = chain->hooks[level];
  const LRESULT result = hook.handler(control, message, wParam, lParam, hook.id, hook.data);
  // The handler may have taken its hook away meanwhile.
  chain->pending = std::min(level + 1, chain->hooks.size());
  return result;
}

}  // namespace pandor
