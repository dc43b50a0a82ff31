#pragma once
// An in-memory medium for the menu data's tests.

#include <map>
#include <set>
#include <string>

#include "menu/file_source.h"
#include "menu/menu_error.h"

namespace pandor::testing {

class MemoryFiles : public FileSource {
 public:
  void Add(const std::string& path, const std::string& content) { files_[path] = content; }
  void AddFolder(const std::string& path) { folders_.insert(path); }
  void Lock(const std::string& path) { locked_.insert(path); }

  bool FirstMatchIsFile(const std::string& name) const override { return files_.count(name) > 0; }
  std::string ReadWhole(const std::string& path) const override {
    const auto found = files_.find(path);
    if (found == files_.end() || locked_.count(path)) throw CannotOpenFileError(path);
    return found->second;
  }

 private:
  std::map<std::string, std::string> files_;
  std::set<std::string> folders_;
  std::set<std::string> locked_;
};

}  // namespace pandor::testing
