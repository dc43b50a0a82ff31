#pragma once
// The hourglass for as long as the object lives, then the cursor from before
// (also when an exception ends the work).

#include <windows.h>

namespace pandor {

class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

}  // namespace pandor
