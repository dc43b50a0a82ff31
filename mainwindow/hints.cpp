#include "mainwindow/hints.h"

#include <commctrl.h>

#include <algorithm>

namespace pandor {

void Hints::Add(HWND control, const wchar_t* text) {
  if (window_) {
    Send(TTM_ADDTOOLW, {control, text});
  } else {
    pending_.push_back({control, text});
  }
}

void Hints::Set(HWND control, const wchar_t* text) {
  if (window_) {
    Send(TTM_UPDATETIPTEXTW, {control, text});
    return;
  }
  const auto hint = std::find_if(pending_.begin(), pending_.end(), [control](const Hint& h) { return h.control == control; });
  if (hint != pending_.end()) hint->text = text;
}

void Hints::Create(HINSTANCE instance, HWND owner) {
  if (window_) return;
  window_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr);
  for (const Hint& hint : pending_) Send(TTM_ADDTOOLW, hint);
  pending_.clear();
}

void Hints::Send(UINT message, const Hint& hint) const {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(hint.control);
  tool.uId = reinterpret_cast<UINT_PTR>(hint.control);
  tool.lpszText = const_cast<wchar_t*>(hint.text);
  SendMessageW(window_, message, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace pandor
