#pragma once
// The real message boxes and message dialog.

#include <windows.h>

#include "platform/messages.h"

namespace pandor {

class WindowsMessages : public Messages {
 public:
  // The window the boxes belong to and block while they are open.
  void SetOwner(HWND owner) { owner_ = owner; }

  void Box(const std::string& text, const std::string& caption, unsigned style) override;
  void Dialog(const std::string& text) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace pandor
