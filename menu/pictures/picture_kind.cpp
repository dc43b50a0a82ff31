#include "menu/pictures/picture_kind.h"

#include <algorithm>

#include "menu/menu_error.h"

namespace pandor {
namespace {

// The text after the file name's last full stop, as written; empty when the
// name has none. A full stop in a folder's name doesn't count.
std::string ExtensionOf(const std::string& path) {
  const size_t dot = path.find_last_of(".\\/:");
  if (dot == std::string::npos || path[dot] != '.') return {};
  return path.substr(dot + 1);
}

std::string AsciiLowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return text;
}

}  // namespace

PictureKind PictureKindOf(const std::string& path) {
  const std::string extension = ExtensionOf(path);
  const std::string kind = AsciiLowerCase(extension);
  if (kind == "bmp") return PictureKind::kBitmap;
  if (kind == "ico") return PictureKind::kIcon;
  if (kind == "wmf" || kind == "emf") return PictureKind::kMetafile;
  if (kind == "jpg" || kind == "jpeg") return PictureKind::kJpeg;
  throw MenuError("Unbekannte Bilddateierweiterung (." + extension + ")");
}

const char* PictureKindName(PictureKind kind) {
  switch (kind) {
    case PictureKind::kBitmap: return "bmp";
    case PictureKind::kIcon: return "ico";
    case PictureKind::kMetafile: return "wmf/emf";
    case PictureKind::kJpeg: return "jpeg";
  }
  return "";
}

}  // namespace pandor
