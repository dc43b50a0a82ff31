// Metafiles (.wmf and .emf alike; the content tells them apart): enhanced
// metafiles, placeable ("Aldus") Windows metafiles and plain Windows
// metafiles. Each is played into the area, its picture stretched to fill it;
// anything that doesn't read as one of them is "Metadatei ist ungültig".
//
// Natural sizes in pixels:
// - enhanced: the header's frame (in 0.01 mm) at the resolution of the device
//   the metafile was recorded for, which the header also gives (pixels and
//   millimetres); a header without them counts at 96 dots per inch;
// - placeable: the bounding box, in units of which the header says how many
//   make an inch, at 96 dots per inch;
// - plain: the extent of the window the metafile sets, one unit a pixel, or
//   when it sets none, the part of the screen its drawing covers.

#include <cstdint>
#include <cstdlib>

#include "menu/menu_error.h"
#include "platform/handle.h"
#include "platform/picture_formats.h"

namespace pandor {
namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableHeaderSize = 22;
constexpr size_t kMetaHeaderSize = 18;
constexpr uint16_t kMetaHeaderWords = kMetaHeaderSize / 2;
constexpr size_t kMetaRecordHeaderSize = 6;
constexpr uint16_t kMetaEndOfFile = 0x0000;
constexpr uint16_t kMetaSetWindowOrg = 0x020B;
constexpr uint16_t kMetaSetWindowExt = 0x020C;
constexpr size_t kEnhancedHeaderSize = 88;  // the Windows NT header, without later additions
constexpr size_t kEnhancedHeaderWithMicrometresSize = 108;
constexpr size_t kEnhancedRecordHeaderSize = 8;
constexpr int kScreenDpi = 96;
constexpr int kHundredthMmPerInch = 2540;

MenuError InvalidMetafile() { return MenuError("Metadatei ist ungültig"); }

struct EnhancedMetafileTraits {
  static HENHMETAFILE Invalid() { return nullptr; }
  static void Close(HENHMETAFILE h) { DeleteEnhMetaFile(h); }
};
struct MetafileTraits {
  static HMETAFILE Invalid() { return nullptr; }
  static void Close(HMETAFILE h) { DeleteMetaFile(h); }
};
using EnhancedMetafile = UniqueHandle<HENHMETAFILE, EnhancedMetafileTraits>;
using Metafile = UniqueHandle<HMETAFILE, MetafileTraits>;

void WriteI32(std::string& bytes, size_t at, int32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(static_cast<uint32_t>(value) >> (8 * i));
}

bool IsEnhanced(const std::string& file) {
  return file.size() >= 44 && ReadU32(file, 0) == EMR_HEADER && ReadU32(file, 40) == ENHMETA_SIGNATURE;
}

// Clips drawing to the area and restores the DC afterwards.
class ClippedTo {
 public:
  ClippedTo(HDC dc, const RECT& area) : dc_(dc), saved_(SaveDC(dc)) {
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  }
  ~ClippedTo() { RestoreDC(dc_, saved_); }
  ClippedTo(const ClippedTo&) = delete;
  ClippedTo& operator=(const ClippedTo&) = delete;

 private:
  HDC dc_;
  int saved_;
};

class EnhancedMetafilePicture : public Picture {
 public:
  EnhancedMetafilePicture(EnhancedMetafile metafile, SIZE size) : metafile_(std::move(metafile)), size_(size) {}
  SIZE Size() const override { return size_; }
  bool IsIcon() const override { return false; }
  void Draw(HDC dc, const RECT& area) override {
    const ClippedTo clip(dc, area);
    PlayEnhMetaFile(dc, metafile_.get(), &area);
  }

 private:
  EnhancedMetafile metafile_;
  SIZE size_;
};

// A Windows metafile's coordinates: the window that is mapped onto the area.
struct Window {
  POINT origin{0, 0};
  SIZE extent{0, 0};
};

class WindowsMetafilePicture : public Picture {
 public:
  WindowsMetafilePicture(Metafile metafile, Window window, SIZE size)
      : metafile_(std::move(metafile)), window_(window), size_(size) {}
  SIZE Size() const override { return size_; }
  bool IsIcon() const override { return false; }
  void Draw(HDC dc, const RECT& area) override {
    if (window_.extent.cx == 0 || window_.extent.cy == 0) return;
    POINT corners[2] = {{area.left, area.top}, {area.right, area.bottom}};
    LPtoDP(dc, corners, 2);
    const ClippedTo clip(dc, area);
    // The metafile's own window settings, if it has any, take over from ours.
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowOrgEx(dc, window_.origin.x, window_.origin.y, nullptr);
    SetWindowExtEx(dc, window_.extent.cx, window_.extent.cy, nullptr);
    SetViewportOrgEx(dc, corners[0].x, corners[0].y, nullptr);
    SetViewportExtEx(dc, corners[1].x - corners[0].x, corners[1].y - corners[0].y, nullptr);
    PlayMetaFile(dc, metafile_.get());
  }

 private:
  Metafile metafile_;
  Window window_;
  SIZE size_;
};

std::unique_ptr<Picture> LoadEnhanced(const std::string& file) {
  if (file.size() < kEnhancedHeaderSize) throw InvalidMetafile();
  const uint32_t headerSize = ReadU32(file, 4);
  const uint32_t length = ReadU32(file, 48);
  if (length > file.size() || headerSize < kEnhancedHeaderSize || headerSize > length) throw InvalidMetafile();
  for (size_t at = 0; at < length;) {
    if (length - at < kEnhancedRecordHeaderSize) throw InvalidMetafile();
    const uint32_t recordSize = ReadU32(file, at + 4);
    if (recordSize < kEnhancedRecordHeaderSize || recordSize % 4 != 0 || recordSize > length - at) {
      throw InvalidMetafile();
    }
    at += recordSize;
  }
  // A header that doesn't name its device's size gets the screen's 96 dots per
  // inch, for drawing as much as for the size.
  std::string bytes = file.substr(0, length);
  if (ReadI32(bytes, 72) <= 0 || ReadI32(bytes, 76) <= 0 || ReadI32(bytes, 80) <= 0 || ReadI32(bytes, 84) <= 0) {
    constexpr int kMillimetres = 254, kPixels = kMillimetres * 100 * kScreenDpi / kHundredthMmPerInch;
    for (size_t at : {72, 76}) WriteI32(bytes, at, kPixels);
    for (size_t at : {80, 84}) WriteI32(bytes, at, kMillimetres);
    if (headerSize >= kEnhancedHeaderWithMicrometresSize) {
      for (size_t at : {100, 104}) WriteI32(bytes, at, kMillimetres * 1000);
    }
  }
  EnhancedMetafile metafile(SetEnhMetaFileBits(length, reinterpret_cast<const BYTE*>(bytes.data())));
  if (!metafile) throw InvalidMetafile();

  // The frame is in 0.01 mm, the device's size in pixels and millimetres.
  const auto toPixels = [&](size_t frameStartAt, size_t frameEndAt, size_t pixelsAt, size_t millimetresAt) {
    return MulDiv(std::abs(ReadI32(bytes, frameEndAt) - ReadI32(bytes, frameStartAt)), ReadI32(bytes, pixelsAt),
                  ReadI32(bytes, millimetresAt) * 100);
  };
  const SIZE size{toPixels(24, 32, 72, 80), toPixels(28, 36, 76, 84)};
  return std::make_unique<EnhancedMetafilePicture>(std::move(metafile), size);
}

// The screen rectangle a metafile without window settings draws on.
RECT DrawnBounds(HMETAFILE metafile) {
  HDC recorder = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
  if (!recorder) return {};
  PlayMetaFile(recorder, metafile);
  const EnhancedMetafile recorded(CloseEnhMetaFile(recorder));
  ENHMETAHEADER header{};
  if (!recorded || !GetEnhMetaFileHeader(recorded.get(), sizeof header, &header)) return {};
  const RECTL& bounds = header.rclBounds;  // inclusive; empty when nothing was drawn
  if (bounds.right < bounds.left || bounds.bottom < bounds.top) return {};
  return {bounds.left, bounds.top, bounds.right + 1, bounds.bottom + 1};
}

std::unique_ptr<Picture> LoadWindows(const std::string& file) {
  size_t start = 0;
  Window window;
  bool hasWindow = false;
  int unitsPerInch = 0;
  if (file.size() >= 4 && ReadU32(file, 0) == kPlaceableKey) {
    if (file.size() < kPlaceableHeaderSize) throw InvalidMetafile();
    uint16_t checksum = 0;
    for (size_t at = 0; at < 20; at += 2) checksum ^= ReadU16(file, at);
    if (checksum != ReadU16(file, 20)) throw InvalidMetafile();
    const int left = ReadI16(file, 6), top = ReadI16(file, 8), right = ReadI16(file, 10), bottom = ReadI16(file, 12);
    window = {{left, top}, {right - left, bottom - top}};
    hasWindow = true;
    unitsPerInch = ReadU16(file, 14) != 0 ? ReadU16(file, 14) : kScreenDpi;
    start = kPlaceableHeaderSize;
  }

  if (file.size() < start + kMetaHeaderSize) throw InvalidMetafile();
  const uint16_t type = ReadU16(file, start);
  const uint16_t version = ReadU16(file, start + 4);
  const uint64_t length = ReadU32(file, start + 6) * uint64_t{2};
  if ((type != 1 && type != 2) || ReadU16(file, start + 2) != kMetaHeaderWords ||
      (version != 0x0100 && version != 0x0300) || length < kMetaHeaderSize || length > file.size() - start) {
    throw InvalidMetafile();
  }
  const size_t end = start + static_cast<size_t>(length);
  bool sawOrigin = false;
  for (size_t at = start + kMetaHeaderSize; at < end;) {
    if (end - at < kMetaRecordHeaderSize) throw InvalidMetafile();
    const uint64_t recordSize = ReadU32(file, at) * uint64_t{2};
    const uint16_t function = ReadU16(file, at + 4);
    if (recordSize < kMetaRecordHeaderSize || recordSize > end - at) throw InvalidMetafile();
    // Parameters come last first: y, then x.
    if (unitsPerInch == 0 && recordSize >= 10) {
      const LONG y = ReadI16(file, at + 6), x = ReadI16(file, at + 8);
      if (function == kMetaSetWindowOrg && !sawOrigin) {
        window.origin = {x, y};
        sawOrigin = true;
      } else if (function == kMetaSetWindowExt && !hasWindow) {
        window.extent = {x, y};
        hasWindow = true;
      }
    }
    if (function == kMetaEndOfFile) break;
    at += static_cast<size_t>(recordSize);
  }
  Metafile metafile(SetMetaFileBitsEx(static_cast<UINT>(length), reinterpret_cast<const BYTE*>(file.data() + start)));
  if (!metafile) throw InvalidMetafile();

  SIZE size;
  if (unitsPerInch != 0) {
    size = {MulDiv(std::abs(window.extent.cx), kScreenDpi, unitsPerInch),
            MulDiv(std::abs(window.extent.cy), kScreenDpi, unitsPerInch)};
  } else if (hasWindow) {
    size = {std::abs(window.extent.cx), std::abs(window.extent.cy)};
  } else {
    const RECT drawn = DrawnBounds(metafile.get());
    window = {{drawn.left, drawn.top}, {drawn.right - drawn.left, drawn.bottom - drawn.top}};
    size = window.extent;
  }
  return std::make_unique<WindowsMetafilePicture>(std::move(metafile), window, size);
}

}  // namespace

std::unique_ptr<Picture> LoadMetafilePicture(const std::string& file) {
  return IsEnhanced(file) ? LoadEnhanced(file) : LoadWindows(file);
}

}  // namespace pandor
