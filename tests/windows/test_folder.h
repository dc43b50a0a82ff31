#pragma once
// A fresh folder under the Wine prefix's temp folder, removed with its content
// when the test ends. Paths are UTF-8, as the program's.

#include <string>

namespace pandor::testing {

class TestFolder {
 public:
  // nameEnd ends the folder's name (" Ωmega", say).
  explicit TestFolder(const std::string& nameEnd = "");
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // Full path with a trailing backslash.
  const std::string& Path() const { return path_; }
  // Writes bytes to a file relative to the folder, creating sub-folders.
  std::string Write(const std::string& relative, const std::string& bytes) const;
  std::string MakeFolder(const std::string& relative) const;

 private:
  std::string path_;
};

// Reads a whole file; empty when it doesn't exist.
std::string ReadFileBytes(const std::string& path);

}  // namespace pandor::testing
