// Windows bitmap files (.bmp): the file header, one of the info header
// generations (OS/2 core, Windows 3, V2 to V5), the colour table or colour
// masks, and the pixel rows, uncompressed or RLE.
//
// Two texts, by what went wrong: when the file ends before the part being read
// is complete (file header, info header, colour table, pixel rows) the reading
// ran dry: "Stream-Read-Fehler". When a header is complete but says something
// we can't draw (not "BM", an unknown header size, bit depth or compression,
// a negative width) the bitmap is "Bitmap ist ungültig". An empty file is an
// empty picture, not an error.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "menu/menu_error.h"
#include "platform/picture_formats.h"
#include "platform/pixel_buffer.h"

namespace pandor {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;

MenuError InvalidBitmap() { return MenuError("Bitmap ist ungültig"); }
MenuError CutShort() { return MenuError("Stream-Read-Fehler"); }

bool IsKnownHeaderSize(uint32_t size) {
  return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 || size == 108 || size == 124;
}

bool IsKnownBitCount(uint32_t bits, bool core) {
  if (core) return bits == 1 || bits == 4 || bits == 8 || bits == 24;
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool FitsCompression(uint32_t compression, uint32_t bits) {
  switch (compression) {
    case BI_RGB: return true;
    case BI_RLE8: return bits == 8;
    case BI_RLE4: return bits == 4;
    case BI_BITFIELDS: return bits == 16 || bits == 32;
    default: return false;
  }
}

// What the headers say, checked against the file's length.
struct Layout {
  int width = 0;
  int height = 0;  // negative: rows stored top-down
  bool core = false;
  uint16_t bitCount = 0;
  size_t colours = 0;   // in the colour table
  size_t infoSize = 0;  // info header, colour masks and colour table
  size_t bitsOffset = 0;
  size_t bitsSize = 0;
};

Layout ReadLayout(const std::string& file) {
  if (file.size() < kFileHeaderSize) throw CutShort();
  if (file[0] != 'B' || file[1] != 'M') throw InvalidBitmap();
  const size_t header = kFileHeaderSize;
  if (file.size() < header + 4) throw CutShort();
  const uint32_t headerSize = ReadU32(file, header);
  if (!IsKnownHeaderSize(headerSize)) throw InvalidBitmap();
  if (file.size() < header + headerSize) throw CutShort();

  const bool core = headerSize == kCoreHeaderSize;
  Layout layout;
  uint32_t planes, bitCount, compression = BI_RGB, coloursUsed = 0, imageSize = 0;
  if (core) {
    layout.width = ReadU16(file, header + 4);
    layout.height = ReadU16(file, header + 6);
    planes = ReadU16(file, header + 8);
    bitCount = ReadU16(file, header + 10);
  } else {
    layout.width = ReadI32(file, header + 4);
    layout.height = ReadI32(file, header + 8);
    planes = ReadU16(file, header + 12);
    bitCount = ReadU16(file, header + 14);
    compression = ReadU32(file, header + 16);
    imageSize = ReadU32(file, header + 20);
    coloursUsed = ReadU32(file, header + 32);
  }
  const bool rle = compression == BI_RLE8 || compression == BI_RLE4;
  if (planes != 1 || !IsKnownBitCount(bitCount, core) || !FitsCompression(compression, bitCount) || layout.width < 0 ||
      layout.height == INT32_MIN || (rle && layout.height < 0)) {
    throw InvalidBitmap();
  }
  const uint32_t tableLimit = bitCount <= 8 ? 1u << bitCount : 0;
  if (bitCount <= 8 && coloursUsed > tableLimit) throw InvalidBitmap();

  // The Windows 3 header keeps its colour masks after it; later ones inside.
  const size_t masks = compression == BI_BITFIELDS && headerSize == kInfoHeaderSize ? 12 : 0;
  layout.core = core;
  layout.bitCount = static_cast<uint16_t>(bitCount);
  layout.colours = bitCount <= 8 ? (coloursUsed != 0 ? coloursUsed : tableLimit) : 0;
  layout.infoSize = headerSize + masks + layout.colours * (core ? 3 : 4);
  const size_t tableEnd = header + layout.infoSize;
  if (file.size() < tableEnd) throw CutShort();

  // The pixels start where the file header says, unless that points back into
  // the headers; a few writers leave it 0.
  const uint32_t offset = ReadU32(file, 10);
  layout.bitsOffset = offset >= tableEnd ? offset : tableEnd;
  if (layout.bitsOffset > file.size()) throw CutShort();
  const size_t available = file.size() - layout.bitsOffset;
  if (rle) {
    if (imageSize > available) throw CutShort();
    layout.bitsSize = imageSize != 0 ? imageSize : available;
  } else {
    const uint64_t stride = (static_cast<uint64_t>(layout.width) * bitCount + 31) / 32 * 4;
    const uint64_t needed = stride * static_cast<uint64_t>(std::abs(layout.height));
    if (needed > available) throw CutShort();
    layout.bitsSize = static_cast<size_t>(needed);
  }
  return layout;
}

// The info block as GDI gets it: from aligned memory, OS/2 headers made into
// Windows ones, and the header giving the pixel data's length, which RLE
// data needs.
std::vector<uint32_t> InfoBlock(const std::string& file, const Layout& layout) {
  const size_t header = kFileHeaderSize;
  if (!layout.core) {
    std::vector<uint32_t> info((layout.infoSize + 3) / 4);
    std::memcpy(info.data(), file.data() + header, layout.infoSize);
    reinterpret_cast<BITMAPINFOHEADER*>(info.data())->biSizeImage = static_cast<DWORD>(layout.bitsSize);
    return info;
  }
  std::vector<uint32_t> info(kInfoHeaderSize / 4 + layout.colours);
  const BITMAPINFOHEADER windowsHeader{kInfoHeaderSize,
                                       layout.width,
                                       layout.height,
                                       1,
                                       layout.bitCount,
                                       BI_RGB,
                                       0,
                                       0,
                                       0,
                                       static_cast<DWORD>(layout.colours),
                                       0};
  std::memcpy(info.data(), &windowsHeader, kInfoHeaderSize);
  for (size_t i = 0; i < layout.colours; ++i) {
    const size_t at = header + kCoreHeaderSize + 3 * i;  // blue, green, red
    info[kInfoHeaderSize / 4 + i] = ReadU16(file, at) | static_cast<uint32_t>(static_cast<unsigned char>(file[at + 2]))
                                                            << 16;
  }
  return info;
}

class BitmapPicture : public Picture {
 public:
  BitmapPicture(SIZE size, PixelBuffer pixels) : size_(size), pixels_(std::move(pixels)) {}
  SIZE Size() const override { return size_; }
  bool IsIcon() const override { return false; }
  void Draw(HDC dc, const RECT& area) override { pixels_.Draw(dc, area); }

 private:
  SIZE size_;
  PixelBuffer pixels_;
};

}  // namespace

std::unique_ptr<Picture> LoadBitmapPicture(const std::string& file) {
  if (file.empty()) return std::make_unique<BitmapPicture>(SIZE{0, 0}, PixelBuffer());
  const Layout layout = ReadLayout(file);
  const SIZE size{layout.width, std::abs(layout.height)};
  PixelBuffer pixels;
  try {
    pixels = PixelBuffer(size.cx, size.cy);
  } catch (const std::bad_alloc&) {
    throw InvalidBitmap();  // more pixels than Windows will hold
  }
  const std::vector<uint32_t> info = InfoBlock(file, layout);
  if (!pixels.CopyFrom(*reinterpret_cast<const BITMAPINFO*>(info.data()), file.data() + layout.bitsOffset)) {
    throw InvalidBitmap();
  }
  return std::make_unique<BitmapPicture>(size, std::move(pixels));
}

}  // namespace pandor
