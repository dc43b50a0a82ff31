#include "menu/pictures/bitmap_layout.h"

#include <cstdlib>

#include "menu/menu_error.h"
#include "menu/pictures/little_endian.h"

namespace pandor {
namespace {

MenuError CutShort() { return MenuError("Stream-Read-Fehler"); }

bool IsKnownHeaderSize(uint32_t size) {
  return size == kBitmapCoreHeaderSize || size == kBitmapInfoHeaderSize || size == 52 || size == 56 || size == 108 ||
         size == 124;
}

bool IsKnownBitCount(uint32_t bits, bool core) {
  if (core) return bits == 1 || bits == 4 || bits == 8 || bits == 24;
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool FitsCompression(uint32_t compression, uint32_t bits) {
  switch (compression) {
    case kBitmapRgb: return true;
    case kBitmapRle8: return bits == 8;
    case kBitmapRle4: return bits == 4;
    case kBitmapBitfields: return bits == 16 || bits == 32;
    default: return false;
  }
}

}  // namespace

MenuError InvalidBitmapError() { return MenuError("Bitmap ist ungültig"); }

BitmapLayout ReadBitmapLayout(std::string_view file) {
  if (file.size() < kBitmapFileHeaderSize) throw CutShort();
  if (file[0] != 'B' || file[1] != 'M') throw InvalidBitmapError();
  const size_t header = kBitmapFileHeaderSize;
  if (file.size() < header + 4) throw CutShort();
  const uint32_t headerSize = ReadU32(file, header);
  if (!IsKnownHeaderSize(headerSize)) throw InvalidBitmapError();
  if (file.size() < header + headerSize) throw CutShort();

  const bool core = headerSize == kBitmapCoreHeaderSize;
  BitmapLayout layout;
  uint32_t planes, bitCount, compression = kBitmapRgb, coloursUsed = 0, imageSize = 0;
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
  const bool rle = compression == kBitmapRle8 || compression == kBitmapRle4;
  if (planes != 1 || !IsKnownBitCount(bitCount, core) || !FitsCompression(compression, bitCount) || layout.width < 0 ||
      layout.height == INT32_MIN || (rle && layout.height < 0)) {
    throw InvalidBitmapError();
  }
  const uint32_t tableLimit = bitCount <= 8 ? 1u << bitCount : 0;
  if (bitCount <= 8 && coloursUsed > tableLimit) throw InvalidBitmapError();

  // The Windows 3 header keeps its colour masks after it; later ones inside.
  const size_t masks = compression == kBitmapBitfields && headerSize == kBitmapInfoHeaderSize ? 12 : 0;
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

}  // namespace pandor
