// Windows bitmap files (.bmp): the layout the headers describe (see
// menu/pictures/bitmap_layout.h for the checks and their texts), the pixel
// rows handed to GDI, uncompressed or RLE. An empty file is an empty picture.

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "menu/pictures/bitmap_layout.h"
#include "menu/pictures/little_endian.h"
#include "platform/picture_formats.h"
#include "platform/pixel_buffer.h"

namespace pandor {
namespace {

// The info block as GDI gets it: from aligned memory, OS/2 headers made into
// Windows ones, and the header giving the pixel data's length, which RLE
// data needs.
std::vector<uint32_t> InfoBlock(const std::string& file, const BitmapLayout& layout) {
  const size_t header = kBitmapFileHeaderSize;
  if (!layout.core) {
    std::vector<uint32_t> info((layout.infoSize + 3) / 4);
    std::memcpy(info.data(), file.data() + header, layout.infoSize);
    reinterpret_cast<BITMAPINFOHEADER*>(info.data())->biSizeImage = static_cast<DWORD>(layout.bitsSize);
    return info;
  }
  std::vector<uint32_t> info(kBitmapInfoHeaderSize / 4 + layout.colours);
  const BITMAPINFOHEADER windowsHeader{kBitmapInfoHeaderSize,
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
  std::memcpy(info.data(), &windowsHeader, kBitmapInfoHeaderSize);
  for (size_t i = 0; i < layout.colours; ++i) {
    const size_t at = header + kBitmapCoreHeaderSize + 3 * i;  // blue, green, red
    info[kBitmapInfoHeaderSize / 4 + i] = ReadU16(file, at) | static_cast<uint32_t>(static_cast<unsigned char>(file[at + 2]))
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
  const BitmapLayout layout = ReadBitmapLayout(file);
  const SIZE size{layout.width, std::abs(layout.height)};
  PixelBuffer pixels;
  try {
    pixels = PixelBuffer(size.cx, size.cy);
  } catch (const std::bad_alloc&) {
    throw InvalidBitmapError();  // more pixels than Windows will hold
  }
  const std::vector<uint32_t> info = InfoBlock(file, layout);
  if (!pixels.CopyFrom(*reinterpret_cast<const BITMAPINFO*>(info.data()), file.data() + layout.bitsOffset)) {
    throw InvalidBitmapError();
  }
  return std::make_unique<BitmapPicture>(size, std::move(pixels));
}

}  // namespace pandor
