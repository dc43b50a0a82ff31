#include "menu/pictures/metafile_layout.h"

#include "menu/pictures/little_endian.h"

namespace pandor {
namespace {

constexpr uint32_t kEnhancedHeaderRecord = 1;
constexpr uint32_t kEnhancedSignature = 0x464D4520;  // " EMF"
constexpr size_t kEnhancedHeaderSize = 88;           // the Windows NT header, without later additions
constexpr size_t kEnhancedRecordHeaderSize = 8;
constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableHeaderSize = 22;
constexpr int kDefaultUnitsPerInch = 96;
constexpr size_t kMetaHeaderSize = 18;
constexpr uint16_t kMetaHeaderWords = kMetaHeaderSize / 2;
constexpr size_t kMetaRecordHeaderSize = 6;
constexpr uint16_t kMetaEndOfFile = 0x0000;
constexpr uint16_t kMetaSetWindowOrg = 0x020B;
constexpr uint16_t kMetaSetWindowExt = 0x020C;

bool IsEnhanced(std::string_view file) {
  return file.size() >= 44 && ReadU32(file, 0) == kEnhancedHeaderRecord && ReadU32(file, 40) == kEnhancedSignature;
}

MetafileLayout ReadEnhanced(std::string_view file) {
  if (file.size() < kEnhancedHeaderSize) throw InvalidMetafileError();
  MetafileLayout layout;
  layout.kind = MetafileLayout::Kind::kEnhanced;
  layout.headerSize = ReadU32(file, 4);
  layout.length = ReadU32(file, 48);
  if (layout.length > file.size() || layout.headerSize < kEnhancedHeaderSize || layout.headerSize > layout.length) {
    throw InvalidMetafileError();
  }
  for (size_t at = 0; at < layout.length;) {
    if (layout.length - at < kEnhancedRecordHeaderSize) throw InvalidMetafileError();
    const uint32_t recordSize = ReadU32(file, at + 4);
    if (recordSize < kEnhancedRecordHeaderSize || recordSize % 4 != 0 || recordSize > layout.length - at) {
      throw InvalidMetafileError();
    }
    at += recordSize;
  }
  layout.deviceSizeGiven = ReadI32(file, kEnhancedDevicePixels) > 0 && ReadI32(file, kEnhancedDevicePixels + 4) > 0 &&
                           ReadI32(file, kEnhancedDeviceMillimetres) > 0 &&
                           ReadI32(file, kEnhancedDeviceMillimetres + 4) > 0;
  return layout;
}

MetafileLayout ReadWindows(std::string_view file) {
  MetafileLayout layout;
  if (file.size() >= 4 && ReadU32(file, 0) == kPlaceableKey) {
    if (file.size() < kPlaceableHeaderSize) throw InvalidMetafileError();
    uint16_t checksum = 0;
    for (size_t at = 0; at < 20; at += 2) checksum ^= ReadU16(file, at);
    if (checksum != ReadU16(file, 20)) throw InvalidMetafileError();
    const int left = ReadI16(file, 6), top = ReadI16(file, 8), right = ReadI16(file, 10), bottom = ReadI16(file, 12);
    layout.windowLeft = left;
    layout.windowTop = top;
    layout.windowWidth = right - left;
    layout.windowHeight = bottom - top;
    layout.hasWindow = true;
    layout.unitsPerInch = ReadU16(file, 14) != 0 ? ReadU16(file, 14) : kDefaultUnitsPerInch;
    layout.start = kPlaceableHeaderSize;
  }

  const size_t start = layout.start;
  if (file.size() < start + kMetaHeaderSize) throw InvalidMetafileError();
  const uint16_t type = ReadU16(file, start);
  const uint16_t version = ReadU16(file, start + 4);
  const uint64_t length = ReadU32(file, start + 6) * uint64_t{2};
  if ((type != 1 && type != 2) || ReadU16(file, start + 2) != kMetaHeaderWords ||
      (version != 0x0100 && version != 0x0300) || length < kMetaHeaderSize || length > file.size() - start) {
    throw InvalidMetafileError();
  }
  layout.length = static_cast<size_t>(length);
  const size_t end = start + layout.length;
  bool sawOrigin = false;
  for (size_t at = start + kMetaHeaderSize; at < end;) {
    if (end - at < kMetaRecordHeaderSize) throw InvalidMetafileError();
    const uint64_t recordSize = ReadU32(file, at) * uint64_t{2};
    const uint16_t function = ReadU16(file, at + 4);
    if (recordSize < kMetaRecordHeaderSize || recordSize > end - at) throw InvalidMetafileError();
    // Parameters come last first: y, then x. A placeable header's window wins.
    if (layout.unitsPerInch == 0 && recordSize >= 10) {
      const int32_t y = ReadI16(file, at + 6), x = ReadI16(file, at + 8);
      if (function == kMetaSetWindowOrg && !sawOrigin) {
        layout.windowLeft = x;
        layout.windowTop = y;
        sawOrigin = true;
      } else if (function == kMetaSetWindowExt && !layout.hasWindow) {
        layout.windowWidth = x;
        layout.windowHeight = y;
        layout.hasWindow = true;
      }
    }
    if (function == kMetaEndOfFile) break;
    at += static_cast<size_t>(recordSize);
  }
  return layout;
}

}  // namespace

MenuError InvalidMetafileError() { return MenuError("Metadatei ist ungültig"); }

MetafileLayout ReadMetafileLayout(std::string_view file) {
  return IsEnhanced(file) ? ReadEnhanced(file) : ReadWindows(file);
}

}  // namespace pandor
