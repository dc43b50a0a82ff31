#pragma once
// Reading a window's accessible object as a screen reader does: through
// AccessibleObjectFromWindow and the IAccessible calls, never through the
// program's own classes.

#include <windows.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "tests/windows/window_probe.h"

namespace pandor::testing {

// What a screen reader learns of one element (the object itself: child 0).
struct AccessibleFacts {
  long role = 0;
  std::string name, description, defaultAction;
  long state = 0;
  Bounds location{};  // on the screen
};

// The client area's object of a window; released with the probe.
class AccessibleProbe {
 public:
  explicit AccessibleProbe(HWND window);
  ~AccessibleProbe();
  AccessibleProbe(const AccessibleProbe&) = delete;
  AccessibleProbe& operator=(const AccessibleProbe&) = delete;

  IAccessible* Object() const { return object_; }
  long ChildCount() const;
  AccessibleFacts Facts(long child) const;
  // Facts of children 1 to ChildCount().
  std::vector<AccessibleFacts> Children() const;
  // The child the object names by its focus, or -1 for none.
  long FocusedChild() const;
  HRESULT DoDefaultAction(long child) const;

 private:
  IAccessible* object_ = nullptr;
};

// A graphic control's place in screen coordinates, for comparison.
Bounds ScreenBounds(const GraphicControl& control);

}  // namespace pandor::testing
