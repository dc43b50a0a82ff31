#include "menu/node_image.h"

namespace pandor {

int ChooseNodeImage(bool isGroup, bool expanded, int iconStyle, int currentImage) {
  if (isGroup) return expanded ? kImageFolderOpen : kImageFolderClosed;
  switch (iconStyle) {
    case 1: return kImageDocument;
    case 2: return kImageFloppy;
    case 3: return kImageCdRom;
    default: return currentImage;
  }
}

}  // namespace pandor
