#include "platform/picture.h"

#include <algorithm>

#include "menu/locale_text.h"
#include "menu/menu_error.h"
#include "platform/picture_formats.h"
#include "platform/windows_files.h"

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

std::unique_ptr<Picture> LoadPicture(const std::string& path) {
  // The extension alone decides, and is checked before the file is touched.
  const std::string extension = ExtensionOf(path);
  const std::string kind = AsciiLowerCase(extension);
  if (kind == "bmp") return LoadBitmapPicture(WindowsFiles().ReadWhole(path));
  if (kind == "ico") return LoadIconPicture(WindowsFiles().ReadWhole(path));
  if (kind == "wmf" || kind == "emf") return LoadMetafilePicture(WindowsFiles().ReadWhole(path));
  if (kind == "jpg" || kind == "jpeg") return LoadJpegPicture(WindowsFiles().ReadWhole(path));
  throw MenuError("Unbekannte Bilddateierweiterung (." + AnsiToUtf8(extension) + ")");
}

}  // namespace pandor
