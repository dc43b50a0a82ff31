#include "mainwindow/hints.h"

#include <commctrl.h>

#include <algorithm>

namespace pandor {

void Hints::Add(HWND control, const wchar_t* text) { Add(Of(control, text)); }
void Hints::Add(const GraphicControl& control) { Add(Of(control)); }
void Hints::Set(HWND control, const wchar_t* text) { Set(Of(control, text)); }
void Hints::Set(const GraphicControl& control) { Set(Of(control)); }

Hints::Hint Hints::Of(HWND control, const wchar_t* text) {
  return Hint{GetParent(control), reinterpret_cast<UINT_PTR>(control), RECT{}, TTF_IDISHWND | TTF_SUBCLASS, text};
}

Hints::Hint Hints::Of(const GraphicControl& control) {
  return Hint{control.Host(), static_cast<UINT_PTR>(control.Id()), control.Bounds(), TTF_SUBCLASS, control.Hint()};
}

void Hints::Add(const Hint& hint) {
  if (window_) {
    Send(TTM_ADDTOOLW, hint);
  } else {
    pending_.push_back(hint);
  }
}

void Hints::Set(const Hint& hint) {
  if (window_) {
    Send(TTM_UPDATETIPTEXTW, hint);
    return;
  }
  const auto pending = std::find_if(pending_.begin(), pending_.end(), [&hint](const Hint& h) {
    return h.window == hint.window && h.id == hint.id;
  });
  if (pending != pending_.end()) pending->text = hint.text;
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
  tool.uFlags = hint.flags;
  tool.hwnd = hint.window;
  tool.uId = hint.id;
  tool.rect = hint.area;
  tool.lpszText = const_cast<wchar_t*>(hint.text);
  SendMessageW(window_, message, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace pandor
