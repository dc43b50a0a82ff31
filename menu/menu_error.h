#pragma once
// The errors the menu reports to the user. Each carries its finished German
// text in UTF-8; the window layer shows it in the error box.

#include <stdexcept>
#include <string>
#include <string_view>

namespace pandor {

class MenuError : public std::runtime_error {
 public:
  explicit MenuError(const std::string& utf8Text) : std::runtime_error(utf8Text) {}
};

// A line asked for that the list doesn't have.
MenuError ListIndexError(int index);
// A line that should hold an integer; lineText is the line's ANSI bytes.
MenuError InvalidIntegerError(std::string_view lineText);
// A file that exists but can't be opened; path in UTF-8.
MenuError CannotOpenFileError(std::string_view path);

// The error box ends a text with a full stop when its last character has a
// higher code than the full stop itself (letters, digits, umlauts, ':' and '?'),
// but not after ')', '!', a blank or a full stop.
std::string WithClosingFullStop(std::string utf8Text);

}  // namespace pandor
