// Metafiles (.wmf and .emf alike): the layout their headers and records give
// (menu/pictures/metafile_layout.h) is handed to GDI and played into the
// area, the picture stretched to fill it; anything that doesn't read, or that
// GDI refuses, is "Metadatei ist ungültig".
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

#include <windows.h>

#include "menu/pictures/little_endian.h"
#include "menu/pictures/metafile_layout.h"
#include "platform/handle.h"
#include "platform/picture_formats.h"

namespace pandor {
namespace {

constexpr int kScreenDpi = 96;
constexpr int kHundredthMmPerInch = 2540;

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

std::unique_ptr<Picture> LoadEnhanced(const std::string& file, const MetafileLayout& layout) {
  // A header that doesn't name its device's size gets the screen's 96 dots per
  // inch, for drawing as much as for the size.
  std::string bytes = file.substr(0, layout.length);
  if (!layout.deviceSizeGiven) {
    constexpr int kMillimetres = 254, kPixels = kMillimetres * 100 * kScreenDpi / kHundredthMmPerInch;
    for (size_t at : {kEnhancedDevicePixels, kEnhancedDevicePixels + 4}) WriteI32(bytes, at, kPixels);
    for (size_t at : {kEnhancedDeviceMillimetres, kEnhancedDeviceMillimetres + 4}) WriteI32(bytes, at, kMillimetres);
    if (layout.headerSize >= kEnhancedHeaderWithMicrometresSize) {
      for (size_t at : {kEnhancedDeviceMicrometres, kEnhancedDeviceMicrometres + 4})
        WriteI32(bytes, at, kMillimetres * 1000);
    }
  }
  EnhancedMetafile metafile(
      SetEnhMetaFileBits(static_cast<UINT>(layout.length), reinterpret_cast<const BYTE*>(bytes.data())));
  if (!metafile) throw InvalidMetafileError();

  // The frame is in 0.01 mm, the device's size in pixels and millimetres.
  const auto toPixels = [&](size_t frameStartAt, size_t frameEndAt, size_t pixelsAt, size_t millimetresAt) {
    return MulDiv(std::abs(ReadI32(bytes, frameEndAt) - ReadI32(bytes, frameStartAt)), ReadI32(bytes, pixelsAt),
                  ReadI32(bytes, millimetresAt) * 100);
  };
  const SIZE size{toPixels(kEnhancedFrame, kEnhancedFrame + 8, kEnhancedDevicePixels, kEnhancedDeviceMillimetres),
                  toPixels(kEnhancedFrame + 4, kEnhancedFrame + 12, kEnhancedDevicePixels + 4,
                           kEnhancedDeviceMillimetres + 4)};
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

std::unique_ptr<Picture> LoadWindows(const std::string& file, const MetafileLayout& layout) {
  Metafile metafile(
      SetMetaFileBitsEx(static_cast<UINT>(layout.length), reinterpret_cast<const BYTE*>(file.data() + layout.start)));
  if (!metafile) throw InvalidMetafileError();

  Window window{{layout.windowLeft, layout.windowTop}, {layout.windowWidth, layout.windowHeight}};
  SIZE size;
  if (layout.unitsPerInch != 0) {
    size = {MulDiv(std::abs(window.extent.cx), kScreenDpi, layout.unitsPerInch),
            MulDiv(std::abs(window.extent.cy), kScreenDpi, layout.unitsPerInch)};
  } else if (layout.hasWindow) {
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
  const MetafileLayout layout = ReadMetafileLayout(file);
  return layout.kind == MetafileLayout::Kind::kEnhanced ? LoadEnhanced(file, layout) : LoadWindows(file, layout);
}

}  // namespace pandor
