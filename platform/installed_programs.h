#pragma once
// Where Windows knows an installed program from: the "App Paths" registry key.

#include <string>

namespace pandor {

class InstalledPrograms {
 public:
  virtual ~InstalledPrograms() = default;
  // The folder registered as "Path" for the executable name (the program
  // list's ANSI bytes), in UTF-8 with a trailing backslash, or empty when
  // there is none. Throws MenuError for a "Path" value
  // that isn't a string.
  virtual std::string InstalledFolder(const std::string& executableName) = 0;
};

}  // namespace pandor
