#include "dialogs/windows_messages.h"

#include "dialogs/message_dialog.h"
#include "platform/text.h"

namespace pandor {

void WindowsMessages::Box(const std::string& text, const std::string& caption, unsigned style) {
  MessageBoxW(owner_, FromUtf8(text).c_str(), FromUtf8(caption).c_str(), style);
}

void WindowsMessages::Dialog(const std::string& text) { ShowMessageDialog(owner_, text); }

}  // namespace pandor
