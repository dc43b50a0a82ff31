#include "tests/windows/test_folder.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace pandor::testing {
namespace {

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path + "\\");
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

TestFolder::TestFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  static int counter = 0;
  path_ = std::string(temp) + "pandor7-test-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++counter) + "\\";
  RemoveTree(path_);
  CreateDirectoryA(path_.c_str(), nullptr);
}

TestFolder::~TestFolder() { RemoveTree(path_); }

std::string TestFolder::MakeFolder(const std::string& relative) const {
  std::string path = path_;
  std::stringstream parts(relative);
  std::string part;
  while (std::getline(parts, part, '\\')) {
    if (part.empty()) continue;
    path += part + "\\";
    CreateDirectoryA(path.c_str(), nullptr);
  }
  return path;
}

std::string TestFolder::Write(const std::string& relative, const std::string& bytes) const {
  const size_t slash = relative.find_last_of('\\');
  if (slash != std::string::npos) MakeFolder(relative.substr(0, slash));
  const std::string path = path_ + relative;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace pandor::testing
