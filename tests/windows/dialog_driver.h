#pragma once
// Helpers for the tests of the secondary windows: plain host windows to own
// them, a driver that acts while a modal window's own loop runs, and pictures
// of what a control draws.

#include <windows.h>

#include <functional>
#include <vector>

namespace pandor::testing {

// A plain popup window, destroyed with the object: the owner or parent of the
// window under test.
class HostWindow {
 public:
  explicit HostWindow(HWND owner = nullptr, bool visible = false);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  HWND Handle() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

// Runs the steps one per timer tick of this thread, that is while a modal
// loop turns. The last step should close the modal window; should something
// still be open afterwards, every further tick reports a failure and calls
// closeAnyway, so that a broken window can't hang the test.
class ModalDriver {
 public:
  ModalDriver(std::vector<std::function<void()>> steps, std::function<void()> closeAnyway);
  ~ModalDriver();
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;
  size_t StepsRun() const { return next_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  std::vector<std::function<void()>> steps_;
  std::function<void()> closeAnyway_;
  size_t next_ = 0;
  UINT_PTR timer_ = 0;
};

// A press and a release of the left mouse button at a point of the window's
// client area, posted as the mouse would post them.
void PostClick(HWND window, POINT point);

// What a window paints into its client area (WM_PRINTCLIENT), pixel by pixel.
struct Snapshot {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  int Count(COLORREF colour) const;
};
Snapshot PrintClient(HWND window);

// How much ink a pixel holds when it is the ink blended into the background,
// as smoothed text is drawn: 0 for the background, 1 for the ink itself;
// negative for any other colour.
double InkShare(COLORREF pixel, COLORREF ink, COLORREF background);
// The length of the longest row of pixels of exactly that colour.
int LongestRun(const Snapshot& shot, COLORREF colour);

}  // namespace pandor::testing
