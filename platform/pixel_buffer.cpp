#include "platform/pixel_buffer.h"

#include <new>

namespace pandor {
PixelBuffer::PixelBuffer(int width, int height) {
  if (width <= 0 || height <= 0) return;
  header_.biWidth = width;
  header_.biHeight = -height;  // top-down: row 0 is the top row
  void* bits = nullptr;
  section_.reset(
      CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&header_), DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section_ || !bits) {
    header_.biWidth = header_.biHeight = 0;
    throw std::bad_alloc();
  }
  bits_ = static_cast<uint8_t*>(bits);
}

PixelBuffer& PixelBuffer::operator=(PixelBuffer&& other) noexcept {
  section_ = std::move(other.section_);
  bits_ = std::exchange(other.bits_, nullptr);
  header_ = other.header_;
  other.header_.biWidth = other.header_.biHeight = 0;
  return *this;
}

bool PixelBuffer::CopyFrom(const BITMAPINFO& info, const void* bits) {
  if (!section_) return true;
  // GDI only looks at the DC for palette-relative colours, which we don't use,
  // but wants one all the same.
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  const int rows = SetDIBits(dc.get(), section_.get(), 0, Height(), bits, &info, DIB_RGB_COLORS);
  GdiFlush();
  return rows > 0;
}

void PixelBuffer::Draw(HDC dc, const RECT& area, int rows) const {
  if (!section_ || rows <= 0) return;
  const int saved = SaveDC(dc);
  if (rows < Height()) {
    IntersectClipRect(dc, area.left, area.top, area.right, area.top + MulDiv(area.bottom - area.top, rows, Height()));
  }
  // Shrinking averages the pixels it drops (HALFTONE, which wants the brush
  // origin set after it); enlarging repeats pixels, keeping edges sharp.
  const bool shrinking = area.right - area.left < Width() || area.bottom - area.top < Height();
  SetStretchBltMode(dc, shrinking ? HALFTONE : COLORONCOLOR);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchDIBits(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, 0, 0, Width(), Height(), bits_,
                reinterpret_cast<const BITMAPINFO*>(&header_), DIB_RGB_COLORS, SRCCOPY);
  RestoreDC(dc, saved);
}

}  // namespace pandor
