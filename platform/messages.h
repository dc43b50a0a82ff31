#pragma once
// The program's modal boxes, behind an interface so that the windows can be
// driven by tests without anything blocking.

#include <string>

namespace pandor {

constexpr const char* kApplicationTitle = "Velmar Pandor 7";

class Messages {
 public:
  virtual ~Messages() = default;
  // A Windows message box owned by the application; texts in UTF-8, style the
  // MB_... flags.
  virtual void Box(const std::string& text, const std::string& caption, unsigned style) = 0;
  // The program's own message dialog: the text, the application title, one OK.
  virtual void Dialog(const std::string& text) = 0;
};

}  // namespace pandor
