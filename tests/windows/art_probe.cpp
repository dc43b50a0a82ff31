#include "tests/windows/art_probe.h"

#include <vector>

namespace pandor::testing {
namespace {

constexpr COLORREF kSeeThrough = RGB(255, 0, 255);
constexpr COLORREF kBackground = RGB(1, 2, 3);  // in none of the art

// The image drawn over the background, row by row.
std::vector<COLORREF> DrawnImage(HIMAGELIST list, int index, int size) {
  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  const HBRUSH background = CreateSolidBrush(kBackground);
  const RECT cell{0, 0, size, size};
  FillRect(dc, &cell, background);
  DeleteObject(background);
  ImageList_Draw(list, index, dc, 0, 0, ILD_TRANSPARENT);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

}  // namespace

int PixelsUnlikeArt(HIMAGELIST list, int index, HBITMAP strip, int artSize, int factor, int margin) {
  int width = 0, height = 0;
  ImageList_GetIconSize(list, &width, &height);
  const std::vector<COLORREF> drawn = DrawnImage(list, index, width);

  const HDC art = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(art, strip);
  int unlike = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int artX = (x - margin) / factor, artY = (y - margin) / factor;
      const bool inArt = x >= margin && y >= margin && artX < artSize && artY < artSize;
      COLORREF expected = inArt ? GetPixel(art, index * artSize + artX, artY) : kBackground;
      if (expected == kSeeThrough) expected = kBackground;
      unlike += drawn[static_cast<size_t>(y) * width + x] != expected;
    }
  }
  SelectObject(art, old);
  DeleteDC(art);
  return unlike;
}

}  // namespace pandor::testing
