#pragma once
// The picture loaders behind LoadPicture, one per file format, and what they
// share. Each takes the whole file's bytes and throws MenuError with the
// format's own text when they don't decode.

#include <memory>
#include <string>

#include "platform/picture.h"

namespace pandor {

// "bmp": an empty file is an empty picture; a file that ends before the
// structure being read is complete is "Stream-Read-Fehler", a complete header
// with values we can't draw is "Bitmap ist ungültig".
std::unique_ptr<Picture> LoadBitmapPicture(const std::string& file);
// "ico": anything that isn't a drawable icon is "Ungültiges Symbol".
std::unique_ptr<Picture> LoadIconPicture(const std::string& file);
// "wmf" and "emf": the content decides between an enhanced metafile and a
// Windows metafile with or without the placeable header; anything else is
// "Metadatei ist ungültig".
std::unique_ptr<Picture> LoadMetafilePicture(const std::string& file);
// "jpg" and "jpeg": the header is read now, the picture decoded at the first
// drawing; errors are "JPEG error #n" with the decoder's message number.
std::unique_ptr<Picture> LoadJpegPicture(std::string file);

}  // namespace pandor
