#pragma once
// Access to the medium's files. The menu data reads through this interface so
// that it stays free of any operating system; platform/ provides the Windows one.

#include <string>

#include "menu/line_list.h"

namespace pandor {

// Names and paths are UTF-8 (see menu/menu_folder.h).
class FileSource {
 public:
  virtual ~FileSource() = default;
  // True when the file system's first match for the name (which may hold
  // wildcards) is an entry that is not a folder.
  virtual bool FirstMatchIsFile(const std::string& name) const = 0;
  // The whole file; others may read it meanwhile but not write. Throws
  // CannotOpenFileError when it can't be opened.
  virtual std::string ReadWhole(const std::string& path) const = 0;
};

// The one existence test of the program: empty names and names ending in a
// backslash (an empty file-name field after a folder) never exist; otherwise the
// first match must be a file. Its time stamp doesn't matter.
bool FileExists(const FileSource& files, const std::string& name);

// Reads a file and cuts it into lines (see SplitLines).
LineList ReadLineFile(const FileSource& files, const std::string& path);

}  // namespace pandor
