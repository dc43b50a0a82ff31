#include "menu/menu_error.h"

#include "menu/locale_text.h"

namespace pandor {

MenuError ListIndexError(int index) {
  return MenuError("Der Index der Liste überschreitet das Maximum (" + std::to_string(index) + ")");
}

MenuError InvalidIntegerError(std::string_view lineText) {
  return MenuError("'" + AnsiToUtf8(lineText) + "' ist kein gültiger Integerwert");
}

MenuError CannotOpenFileError(std::string_view path) {
  return MenuError("Datei " + std::string(path) + " kann nicht geöffnet werden");
}

std::string WithClosingFullStop(std::string utf8Text) {
  // Every byte of a multi-byte UTF-8 character is above '.', just as the
  // character itself is, so the last byte decides.
  if (!utf8Text.empty() && static_cast<unsigned char>(utf8Text.back()) > '.') utf8Text += '.';
  return utf8Text;
}

}  // namespace pandor
