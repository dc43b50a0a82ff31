#pragma once
// Picture files written byte by byte for the picture tests: bitmaps in their
// many layouts, icons, Windows and enhanced metafiles, and JPEG through
// libjpeg's own encoder.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/menu/test_bytes.h"

namespace pandor::testing {

// In an icon's pixels: a transparent pixel.
constexpr COLORREF kClear = 0x01000000;

// A small picture, rows from the top.
struct TestImage {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Four equal quadrants: top left, top right, bottom left, bottom right.
TestImage Quadrants(int width, int height, COLORREF topLeft, COLORREF topRight, COLORREF bottomLeft,
                    COLORREF bottomRight);

enum class BitmapLayout {
  kRgb24,         // Windows 3 header, rows bottom-up
  kRgb24TopDown,  // negative height
  kRgb32,
  kRgb555,         // 16 bits, no masks
  kBitfields565,   // 16 bits with colour masks after the header
  kV5Bitfields32,  // masks inside a V5 header
  kPalette8,
  kPalette4,
  kPalette1,  // the picture may only have two colours
  kRle8,
  kRle4,
  kCore24,        // OS/2 header
  kCorePalette8,  // OS/2 header, three-byte colour table
};
const char* NameOf(BitmapLayout layout);
std::string BitmapFile(const TestImage& image, BitmapLayout layout);

// An icon file holding the images in the given bit depth (8, 24 or 32), each
// with its AND mask from the kClear pixels.
std::string IconFile(const std::vector<TestImage>& images, int bitCount);

struct FilledRect {
  RECT rect;
  COLORREF colour;
};
// The rectangles, one per quadrant of the image, filled without outline.
std::vector<FilledRect> QuadrantRects(int width, int height, COLORREF topLeft, COLORREF topRight, COLORREF bottomLeft,
                                      COLORREF bottomRight);

struct WindowsMetafileOptions {
  bool placeable = false;
  RECT boundingBox{};         // placeable only
  uint16_t unitsPerInch = 0;  // placeable only
  bool setsWindow = false;    // records a window origin and extent
  POINT windowOrigin{};
  SIZE windowExtent{};
};
std::string WindowsMetafile(const std::vector<FilledRect>& rects, const WindowsMetafileOptions& options);

// frame in 0.01 mm; the reference device in pixels and millimetres.
std::string EnhancedMetafile(const std::vector<FilledRect>& rects, const RECT& frame, SIZE devicePixels,
                             SIZE deviceMillimetres);

enum class JpegColours { kRgb, kGrey, kAdobeCmyk };
struct JpegOptions {
  JpegColours colours = JpegColours::kRgb;
  bool progressive = false;
  int quality = 95;
};
std::string JpegFile(const TestImage& image, const JpegOptions& options = {});

}  // namespace pandor::testing
