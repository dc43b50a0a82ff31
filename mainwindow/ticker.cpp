// The status-bar ticker: the status text types itself out one character a
// tick, stays whole for one tick, empties and starts again.
#include <windows.h>
#include <commctrl.h>

#include "mainwindow/main_window.h"
#include "platform/text.h"

namespace pandor {

void MainWindow::ScrollTimerTimer() {
  const std::wstring text = FromAnsi(state_.tickerText);
  const int length = static_cast<int>(text.size());
  ++state_.tickerPos;
  if (state_.tickerPos <= length) {
    SetStatusText(text.substr(0, static_cast<size_t>(state_.tickerPos)));
  } else if (state_.tickerPos == length + 1) {
    state_.tickerPos = 0;
    SetStatusText(L"");
  }
}

}  // namespace pandor
