#pragma once
// Windows bitmap files (.bmp) as far as they can be judged without drawing:
// the file header, one of the info header generations (OS/2 core, Windows 3,
// V2 to V5), the colour table or colour masks, and where the pixel rows lie.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "menu/menu_error.h"

namespace pandor {

// Compressions a bitmap's info header names.
enum BitmapCompression : uint32_t { kBitmapRgb = 0, kBitmapRle8 = 1, kBitmapRle4 = 2, kBitmapBitfields = 3 };

constexpr size_t kBitmapFileHeaderSize = 14;
constexpr size_t kBitmapCoreHeaderSize = 12;
constexpr size_t kBitmapInfoHeaderSize = 40;

// What the headers say, checked against the file's length.
struct BitmapLayout {
  int width = 0;
  int height = 0;  // negative: rows stored top-down
  bool core = false;
  uint16_t bitCount = 0;
  size_t colours = 0;   // in the colour table
  size_t infoSize = 0;  // info header, colour masks and colour table
  size_t bitsOffset = 0;
  size_t bitsSize = 0;
};

// Two texts, by what went wrong: when the file ends before the part being read
// is complete (file header, info header, colour table, pixel rows) the reading
// ran dry: MenuError "Stream-Read-Fehler". When a header is complete but says
// something we can't draw (not "BM", an unknown header size, bit depth or
// compression, a negative width) the bitmap is "Bitmap ist ungültig". An
// empty file is an empty picture and has no layout: don't ask.
BitmapLayout ReadBitmapLayout(std::string_view file);

// "Bitmap ist ungültig", also for pixels that GDI refuses once the headers passed.
MenuError InvalidBitmapError();

}  // namespace pandor
