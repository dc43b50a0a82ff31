#include "menu/pictures/icon_directory.h"

#include <cstdint>
#include <cstdlib>

#include "menu/pictures/bitmap_layout.h"
#include "menu/pictures/little_endian.h"

namespace pandor {
namespace {

constexpr size_t kDirectorySize = 6;
constexpr size_t kEntrySize = 16;
constexpr uint16_t kIconType = 1;
constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1a\n", 8};

bool IsPng(std::string_view file, const IconImage& image) {
  return image.size >= kPngSignature.size() && file.substr(image.offset, kPngSignature.size()) == kPngSignature;
}

size_t RowBytes(int width, int bitCount) { return (static_cast<size_t>(width) * bitCount + 31) / 32 * 4; }

// A bitmap image must hold its header, colour table, colour rows and mask rows.
bool IsWholeBitmapImage(std::string_view file, const IconImage& image) {
  if (image.size < kBitmapInfoHeaderSize || ReadU32(file, image.offset) != kBitmapInfoHeaderSize) return false;
  const int32_t width = ReadI32(file, image.offset + 4);
  const int32_t doubleHeight = ReadI32(file, image.offset + 8);  // colour rows and mask rows
  const uint16_t planes = ReadU16(file, image.offset + 12);
  const uint16_t bits = ReadU16(file, image.offset + 14);
  const uint32_t compression = ReadU32(file, image.offset + 16);
  const uint32_t coloursUsed = ReadU32(file, image.offset + 32);
  if (width <= 0 || width > 1024 || doubleHeight <= 0 || doubleHeight > 2048 || doubleHeight % 2 != 0 || planes != 1 ||
      compression != kBitmapRgb) {
    return false;
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  const uint32_t tableLimit = bits <= 8 ? 1u << bits : 0;
  if (coloursUsed > tableLimit && bits <= 8) return false;
  const size_t colours = bits <= 8 ? (coloursUsed != 0 ? coloursUsed : tableLimit) : 0;
  const size_t rows = static_cast<size_t>(doubleHeight / 2);
  const size_t needed =
      kBitmapInfoHeaderSize + colours * 4 + (RowBytes(width, bits) + RowBytes(width, 1)) * rows;
  return needed <= image.size;
}

int BitCountOf(std::string_view file, const IconImage& image, uint16_t listed) {
  if (listed != 0) return listed;
  if (IsPng(file, image)) return 32;
  return image.size >= 16 ? ReadU16(file, image.offset + 14) : 0;
}

}  // namespace

MenuError InvalidIconError() { return MenuError("Ungültiges Symbol"); }

IconImage ChooseIconImage(std::string_view file, int wantedWidth, int wantedHeight) {
  if (file.size() < kDirectorySize || ReadU16(file, 0) != 0 || ReadU16(file, 2) != kIconType) throw InvalidIconError();
  const size_t count = ReadU16(file, 4);
  if (count == 0 || file.size() < kDirectorySize + count * kEntrySize) throw InvalidIconError();
  IconImage best;
  int bestDistance = INT32_MAX;
  for (size_t i = 0; i < count; ++i) {
    const size_t entry = kDirectorySize + i * kEntrySize;
    IconImage image;
    // A listed width or height of 0 means 256.
    image.width = static_cast<unsigned char>(file[entry]) ? static_cast<unsigned char>(file[entry]) : 256;
    image.height = static_cast<unsigned char>(file[entry + 1]) ? static_cast<unsigned char>(file[entry + 1]) : 256;
    image.size = ReadU32(file, entry + 8);
    image.offset = ReadU32(file, entry + 12);
    if (image.size == 0 || image.offset > file.size() || image.size > file.size() - image.offset) {
      throw InvalidIconError();
    }
    image.bitCount = BitCountOf(file, image, ReadU16(file, entry + 6));
    const int distance = std::abs(image.width - wantedWidth) + std::abs(image.height - wantedHeight);
    if (distance < bestDistance || (distance == bestDistance && image.bitCount > best.bitCount)) {
      best = image;
      bestDistance = distance;
    }
  }
  if (!IsPng(file, best) && !IsWholeBitmapImage(file, best)) throw InvalidIconError();
  return best;
}

}  // namespace pandor
