#pragma once
// The entries of one folder of the medium, by the system's own listing: on
// Windows the wide Find functions, which reach as deep as Windows allows
// (the C runtime's listing that std::filesystem uses there stops at 260
// characters), elsewhere std::filesystem.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace pandor::check {

struct FolderEntry {
  std::filesystem::path path;
  bool isFolder = false;
  bool isLink = false;  // a symbolic link or another reparse point
  uint64_t size = 0;    // of a file
};

// Empty when the folder can't be listed.
std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder);

}  // namespace pandor::check
