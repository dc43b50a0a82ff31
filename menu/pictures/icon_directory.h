#pragma once
// Icon files (.ico): a directory of images, each a device-independent bitmap
// with its AND mask or a PNG picture.

#include <cstddef>
#include <string_view>

#include "menu/menu_error.h"

namespace pandor {

struct IconImage {
  int width = 0;
  int height = 0;
  int bitCount = 0;
  size_t offset = 0;  // of the image's bytes in the file
  size_t size = 0;
};

// The image nearest to the wanted size (the deepest colours among equals),
// checked to be a whole bitmap image or a PNG picture. A directory that
// doesn't read, an entry that points outside the file or a damaged image
// throws InvalidIconError(); whether the image then really decodes is up to
// the system.
IconImage ChooseIconImage(std::string_view file, int wantedWidth, int wantedHeight);

// "Ungültiges Symbol".
MenuError InvalidIconError();

}  // namespace pandor
