// Icon files (.ico): a directory of images, each a device-independent bitmap
// with its AND mask or a PNG picture. The image nearest the system's icon size
// is taken and shown at that size; every fault is "Ungültiges Symbol".

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "menu/menu_error.h"
#include "platform/handle.h"
#include "platform/picture_formats.h"

namespace pandor {
namespace {

constexpr size_t kDirectorySize = 6;
constexpr size_t kEntrySize = 16;
constexpr size_t kInfoHeaderSize = 40;
constexpr uint16_t kIconType = 1;
constexpr DWORD kIconFormatVersion = 0x00030000;
constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";

MenuError InvalidIcon() { return MenuError("Ungültiges Symbol"); }

struct Image {
  int width = 0;
  int height = 0;
  int bitCount = 0;
  size_t offset = 0;
  size_t size = 0;
};

bool IsPng(const std::string& file, const Image& image) {
  return image.size >= 8 && file.compare(image.offset, 8, kPngSignature, 8) == 0;
}

size_t RowBytes(int width, int bitCount) { return (static_cast<size_t>(width) * bitCount + 31) / 32 * 4; }

// A bitmap image must hold its header, colour table, colour rows and mask rows.
bool IsWholeBitmapImage(const std::string& file, const Image& image) {
  if (image.size < kInfoHeaderSize || ReadU32(file, image.offset) != kInfoHeaderSize) return false;
  const int32_t width = ReadI32(file, image.offset + 4);
  const int32_t doubleHeight = ReadI32(file, image.offset + 8);  // colour rows and mask rows
  const uint16_t planes = ReadU16(file, image.offset + 12);
  const uint16_t bits = ReadU16(file, image.offset + 14);
  const uint32_t compression = ReadU32(file, image.offset + 16);
  const uint32_t coloursUsed = ReadU32(file, image.offset + 32);
  if (width <= 0 || width > 1024 || doubleHeight <= 0 || doubleHeight > 2048 || doubleHeight % 2 != 0 || planes != 1 ||
      compression != BI_RGB) {
    return false;
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  const uint32_t tableLimit = bits <= 8 ? 1u << bits : 0;
  if (coloursUsed > tableLimit && bits <= 8) return false;
  const size_t colours = bits <= 8 ? (coloursUsed != 0 ? coloursUsed : tableLimit) : 0;
  const size_t rows = doubleHeight / 2;
  const size_t needed = kInfoHeaderSize + colours * 4 + (RowBytes(width, bits) + RowBytes(width, 1)) * rows;
  return needed <= image.size;
}

int BitCountOf(const std::string& file, const Image& image, uint16_t listed) {
  if (listed != 0) return listed;
  if (IsPng(file, image)) return 32;
  return image.size >= 16 ? ReadU16(file, image.offset + 14) : 0;
}

// The image nearest to the wanted size, the deepest colours among equals.
Image ChooseImage(const std::string& file, SIZE wanted) {
  if (file.size() < kDirectorySize || ReadU16(file, 0) != 0 || ReadU16(file, 2) != kIconType) throw InvalidIcon();
  const size_t count = ReadU16(file, 4);
  if (count == 0 || file.size() < kDirectorySize + count * kEntrySize) throw InvalidIcon();
  Image best;
  int bestDistance = INT32_MAX;
  for (size_t i = 0; i < count; ++i) {
    const size_t entry = kDirectorySize + i * kEntrySize;
    Image image;
    // A listed width or height of 0 means 256.
    image.width = static_cast<unsigned char>(file[entry]) ? static_cast<unsigned char>(file[entry]) : 256;
    image.height = static_cast<unsigned char>(file[entry + 1]) ? static_cast<unsigned char>(file[entry + 1]) : 256;
    image.size = ReadU32(file, entry + 8);
    image.offset = ReadU32(file, entry + 12);
    if (image.size == 0 || image.offset > file.size() || image.size > file.size() - image.offset) {
      throw InvalidIcon();
    }
    image.bitCount = BitCountOf(file, image, ReadU16(file, entry + 6));
    const int distance = std::abs(image.width - wanted.cx) + std::abs(image.height - wanted.cy);
    if (distance < bestDistance || (distance == bestDistance && image.bitCount > best.bitCount)) {
      best = image;
      bestDistance = distance;
    }
  }
  if (!IsPng(file, best) && !IsWholeBitmapImage(file, best)) throw InvalidIcon();
  return best;
}

class IconPicture : public Picture {
 public:
  IconPicture(IconHandle icon, SIZE size) : icon_(std::move(icon)), size_(size) {}
  SIZE Size() const override { return size_; }
  bool IsIcon() const override { return true; }
  void Draw(HDC dc, const RECT& area) override {
    DrawIconEx(dc, area.left, area.top, icon_.get(), size_.cx, size_.cy, 0, nullptr, DI_NORMAL);
  }

 private:
  IconHandle icon_;
  SIZE size_;
};

}  // namespace

std::unique_ptr<Picture> LoadIconPicture(const std::string& file) {
  // Whatever sizes the file holds, the icon is shown at the system's size.
  const SIZE size{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
  const Image image = ChooseImage(file, size);
  // The icon is made from a copy: the call takes a pointer it may write through.
  std::string bits(file, image.offset, image.size);
  IconHandle icon(CreateIconFromResourceEx(reinterpret_cast<BYTE*>(bits.data()), static_cast<DWORD>(bits.size()), TRUE,
                                           kIconFormatVersion, size.cx, size.cy, LR_DEFAULTCOLOR));
  if (!icon) throw InvalidIcon();
  return std::make_unique<IconPicture>(std::move(icon), size);
}

}  // namespace pandor
