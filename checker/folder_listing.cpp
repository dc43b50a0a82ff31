#include "checker/folder_listing.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace pandor::check {

#ifdef _WIN32

std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileExW((folder.native() + L"\\*").c_str(), FindExInfoBasic, &found,
                                         FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    FolderEntry entry;
    entry.path = folder / name;
    entry.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.isLink = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    entry.size = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    entries.push_back(std::move(entry));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return entries;
}

#else

std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder) {
  std::vector<FolderEntry> entries;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    FolderEntry entry;
    entry.path = it->path();
    std::error_code typeError;
    entry.isFolder = it->is_directory(typeError);
    entry.isLink = it->is_symlink(typeError);
    if (!entry.isFolder) entry.size = it->file_size(typeError);
    if (typeError) entry.size = 0;
    entries.push_back(std::move(entry));
  }
  return entries;
}

#endif

}  // namespace pandor::check
