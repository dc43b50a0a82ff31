#include "tests/windows/dialog_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace pandor::testing {
namespace {

constexpr wchar_t kHostClass[] = L"Pandor7TestHost";
constexpr UINT kTickMilliseconds = 30;

ModalDriver* activeDriver = nullptr;

}  // namespace

HostWindow::HostWindow(HWND owner, bool visible) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kHostClass;
  RegisterClassExW(&wc);
  hwnd_ = CreateWindowExW(0, kHostClass, L"Host", WS_POPUP | (visible ? WS_VISIBLE : 0), 20, 20, 300, 200, owner,
                          nullptr, GetModuleHandleW(nullptr), nullptr);
}

HostWindow::~HostWindow() { DestroyWindow(hwnd_); }

ModalDriver::ModalDriver(std::vector<std::function<void()>> steps, std::function<void()> closeAnyway)
    : steps_(std::move(steps)), closeAnyway_(std::move(closeAnyway)) {
  activeDriver = this;
  timer_ = SetTimer(nullptr, 0, kTickMilliseconds, Tick);
}

ModalDriver::~ModalDriver() {
  KillTimer(nullptr, timer_);
  activeDriver = nullptr;
  // A tick already queued finds no driver.
  MSG message;
  while (PeekMessageW(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
  }
}

void CALLBACK ModalDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
  ModalDriver* self = activeDriver;
  if (!self) return;
  if (self->next_ < self->steps_.size()) {
    // The step may run a modal loop of its own in which this timer ticks on.
    const size_t step = self->next_++;
    self->steps_[step]();
    return;
  }
  ADD_FAILURE() << "the window was still open after the last step";
  self->closeAnyway_();
}

void PostClick(HWND window, POINT point) {
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

int Snapshot::Count(COLORREF colour) const {
  return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
}

Snapshot PrintClient(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  Snapshot shot;
  shot.width = client.right;
  shot.height = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = shot.width;
  info.bmiHeader.biHeight = -shot.height;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  GdiFlush();
  const auto* quads = static_cast<const RGBQUAD*>(bits);
  for (int i = 0; i < shot.width * shot.height; ++i) {
    shot.pixels.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return shot;
}

double InkShare(COLORREF pixel, COLORREF ink, COLORREF background) {
  const int pixels[] = {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
  const int inks[] = {GetRValue(ink), GetGValue(ink), GetBValue(ink)};
  const int backgrounds[] = {GetRValue(background), GetGValue(background), GetBValue(background)};
  double lowest = 1, highest = 0;
  bool inkDiffers = false;
  for (int c = 0; c < 3; ++c) {
    // A channel in which ink and background hardly differ says too little
    // about the share; it only has to lie between them.
    if (std::abs(inks[c] - backgrounds[c]) < 32) {
      if (pixels[c] < std::min(inks[c], backgrounds[c]) - 2 || pixels[c] > std::max(inks[c], backgrounds[c]) + 2) {
        return -1;
      }
      continue;
    }
    inkDiffers = true;
    const double share = static_cast<double>(pixels[c] - backgrounds[c]) / (inks[c] - backgrounds[c]);
    lowest = std::min(lowest, share);
    highest = std::max(highest, share);
  }
  if (!inkDiffers) return 0;
  if (lowest < -0.02 || highest > 1.02 || highest - lowest > 0.1) return -1;
  return std::clamp((lowest + highest) / 2, 0.0, 1.0);
}

int LongestRun(const Snapshot& shot, COLORREF colour) {
  int longest = 0;
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0, run = 0; x < shot.width; ++x) {
      run = shot.At(x, y) == colour ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  return longest;
}

}  // namespace pandor::testing
