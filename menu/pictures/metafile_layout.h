#pragma once
// Metafiles (.wmf and .emf alike; the content tells them apart): enhanced
// metafiles, placeable ("Aldus") Windows metafiles and plain Windows
// metafiles, as far as their structure can be checked without playing them:
// the headers and the chain of records. Playing the records is the system's
// business, and it may still refuse a record it doesn't know.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "menu/menu_error.h"

namespace pandor {

// Where an enhanced metafile's header keeps its fields.
constexpr size_t kEnhancedFrame = 24;               // left, top, right, bottom in 0.01 mm
constexpr size_t kEnhancedDevicePixels = 72;        // width, height
constexpr size_t kEnhancedDeviceMillimetres = 80;   // width, height
constexpr size_t kEnhancedDeviceMicrometres = 100;  // width, height; only in the longer header
constexpr size_t kEnhancedHeaderWithMicrometresSize = 108;

struct MetafileLayout {
  enum class Kind { kEnhanced, kWindows };
  Kind kind = Kind::kWindows;
  // The metafile's own bytes: after a placeable header, and up to the length
  // its header gives.
  size_t start = 0;
  size_t length = 0;

  // Enhanced metafiles.
  size_t headerSize = 0;
  // The header names the size of the device it was recorded for, in pixels
  // and millimetres; without it the picture counts at 96 dots per inch.
  bool deviceSizeGiven = false;

  // Windows metafiles: the window mapped onto the drawing area, from the
  // placeable header or the first window origin and extent records.
  int32_t windowLeft = 0, windowTop = 0, windowWidth = 0, windowHeight = 0;
  bool hasWindow = false;
  int unitsPerInch = 0;  // placeable only: bounding box units per inch
};

// Throws InvalidMetafileError() for anything that isn't one of the three.
MetafileLayout ReadMetafileLayout(std::string_view file);

// "Metadatei ist ungültig".
MenuError InvalidMetafileError();

}  // namespace pandor
