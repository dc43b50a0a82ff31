#pragma once
// The medium's files as Windows sees them.

#include "menu/file_source.h"

namespace pandor {

class WindowsFiles : public FileSource {
 public:
  bool FirstMatchIsFile(const std::string& name) const override;
  std::string ReadWhole(const std::string& path) const override;
};

}  // namespace pandor
