#pragma once
// Writing a set of files so that each is whole or untouched: every new
// version is written to a temporary file in its own folder first, and only
// when all are there do they replace the old ones. Each file replaced or
// deleted is first copied to a backup folder, so the author can get it back.

#include <memory>
#include <string>
#include <vector>

namespace pandor {

struct FileReplacement {
  std::wstring path;                         // the file to write or delete
  std::shared_ptr<const std::string> bytes;  // null: delete the file
};

// Writes and deletes them all, or, failing, leaves every file as it was and
// throws MenuError saying which file failed and why (German). The folders
// of new files are made; the backup folder is made when something is
// there to keep.
void ReplaceFiles(const std::vector<FileReplacement>& files, const std::wstring& backupFolder);

// Makes the folder and the folders above it; false when it can't.
bool MakeFolders(const std::wstring& folder);

// The last Windows error as the system words it.
std::string SystemErrorText(unsigned long error);

}  // namespace pandor
