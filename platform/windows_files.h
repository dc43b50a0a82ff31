#pragma once
// The medium's files as Windows sees them.

#include <string>

#include "menu/file_source.h"

namespace pandor {

// The short (8.3) name of an existing file or folder: the same one, in
// ASCII and short, for calls that take no more. The path itself where the
// file system keeps no short names.
std::wstring ShortPathName(const std::wstring& path);

class WindowsFiles : public FileSource {
 public:
  bool FirstMatchIsFile(const std::string& name) const override;
  std::string ReadWhole(const std::string& path) const override;
};

}  // namespace pandor
