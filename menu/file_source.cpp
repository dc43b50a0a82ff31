#include "menu/file_source.h"

namespace pandor {

bool FileExists(const FileSource& files, const std::string& name) {
  if (name.empty() || name.back() == '\\') return false;
  return files.FirstMatchIsFile(name);
}

LineList ReadLineFile(const FileSource& files, const std::string& path) {
  return SplitLines(files.ReadWhole(path));
}

}  // namespace pandor
