#include "platform/picture.h"

#include "menu/pictures/picture_kind.h"
#include "platform/picture_formats.h"
#include "platform/windows_files.h"

namespace pandor {

std::unique_ptr<Picture> LoadPicture(const std::string& path) {
  // The extension alone decides, and is checked before the file is touched.
  switch (PictureKindOf(path)) {
    case PictureKind::kBitmap: return LoadBitmapPicture(WindowsFiles().ReadWhole(path));
    case PictureKind::kIcon: return LoadIconPicture(WindowsFiles().ReadWhole(path));
    case PictureKind::kMetafile: return LoadMetafilePicture(WindowsFiles().ReadWhole(path));
    case PictureKind::kJpeg: return LoadJpegPicture(WindowsFiles().ReadWhole(path));
  }
  return nullptr;
}

}  // namespace pandor
