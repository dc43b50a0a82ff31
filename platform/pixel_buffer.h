#pragma once
// A picture's pixels as a 32-bit top-down DIB section, four bytes per pixel in
// the order blue, green, red, unused: what bitmaps and JPEG pictures are kept
// in and drawn from.

#include <windows.h>

#include <cstdint>
#include <utility>

#include "platform/handle.h"

namespace pandor {

class PixelBuffer {
 public:
  // No pixels; drawing it draws nothing.
  PixelBuffer() = default;
  // Black pixels; throws std::bad_alloc when Windows can't make the section.
  // A width or height of 0 gives no pixels.
  PixelBuffer(int width, int height);
  PixelBuffer(PixelBuffer&& other) noexcept { *this = std::move(other); }
  PixelBuffer& operator=(PixelBuffer&& other) noexcept;

  int Width() const { return header_.biWidth; }
  int Height() const { return -header_.biHeight; }
  uint8_t* Row(int y) { return bits_ + static_cast<size_t>(y) * Width() * 4; }
  const uint8_t* Row(int y) const { return bits_ + static_cast<size_t>(y) * Width() * 4; }

  // Converts a packed device-independent bitmap of the same size into these
  // pixels (any format GDI reads, RLE included); false when GDI refuses it.
  bool CopyFrom(const BITMAPINFO& info, const void* bits);

  // Stretches the top `rows` rows over the same share of the area's height as
  // they have of the picture's, smoothing when it shrinks; the rest of the
  // area is left as it was.
  void Draw(HDC dc, const RECT& area, int rows) const;
  void Draw(HDC dc, const RECT& area) const { Draw(dc, area, Height()); }

 private:
  BitmapHandle section_;
  uint8_t* bits_ = nullptr;
  BITMAPINFOHEADER header_{sizeof(BITMAPINFOHEADER), 0, 0, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
};

}  // namespace pandor
