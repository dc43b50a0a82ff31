#include "mainwindow/layout_art.h"

#include <string>

#include "platform/handle.h"

namespace pandor {
namespace {

constexpr COLORREF kSeeThrough = RGB(255, 0, 255);

// Selects a bitmap into a memory DC for the life of the object.
class SelectedBitmap {
 public:
  SelectedBitmap(HDC dc, HBITMAP bitmap) : dc_(dc), old_(SelectObject(dc, bitmap)) {}
  ~SelectedBitmap() { SelectObject(dc_, old_); }
  SelectedBitmap(const SelectedBitmap&) = delete;
  SelectedBitmap& operator=(const SelectedBitmap&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

ArtScale ChooseArt(int cellSize, std::initializer_list<int> artSizes) {
  ArtScale best{*artSizes.begin(), 1};
  int bestSize = 0;
  for (const int artSize : artSizes) {
    const int factor = cellSize / artSize;
    if (factor >= 1 && artSize * factor >= bestSize) {
      best = ArtScale{artSize, factor};
      bestSize = artSize * factor;
    }
  }
  return best;
}

HIMAGELIST ImagesFromStrip(HBITMAP strip, ArtScale scale, int cellSize) {
  BITMAP art{};
  GetObjectW(strip, sizeof art, &art);
  const int count = art.bmWidth / scale.artSize;
  const int drawn = scale.artSize * scale.factor;
  const int margin = (cellSize - drawn) / 2;

  const HDC screen = GetDC(nullptr);
  BitmapHandle cells(CreateCompatibleBitmap(screen, count * cellSize, cellSize));
  const MemoryDc source(CreateCompatibleDC(screen));
  const MemoryDc target(CreateCompatibleDC(screen));
  ReleaseDC(nullptr, screen);
  {
    const SelectedBitmap from(source.get(), strip);
    const SelectedBitmap to(target.get(), cells.get());
    const BrushHandle seeThrough(CreateSolidBrush(kSeeThrough));
    const RECT all{0, 0, count * cellSize, cellSize};
    FillRect(target.get(), &all, seeThrough.get());
    // Whole factors without blending: every art pixel becomes a square.
    SetStretchBltMode(target.get(), COLORONCOLOR);
    for (int i = 0; i < count; ++i) {
      StretchBlt(target.get(), i * cellSize + margin, margin, drawn, drawn, source.get(), i * scale.artSize, 0,
                 scale.artSize, scale.artSize, SRCCOPY);
    }
  }
  const HIMAGELIST list = ImageList_Create(cellSize, cellSize, ILC_COLOR24 | ILC_MASK, count, 0);
  ImageList_AddMasked(list, cells.get(), kSeeThrough);
  return list;
}

HIMAGELIST LoadLayoutImages(HINSTANCE instance, const char* name, int cellSize) {
  const ArtScale scale = ChooseArt(cellSize, {16, 24});
  const std::string resource = name + std::to_string(scale.artSize);
  const BitmapHandle strip(
      static_cast<HBITMAP>(LoadImageA(instance, resource.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  return ImagesFromStrip(strip.get(), scale, cellSize);
}

}  // namespace pandor
