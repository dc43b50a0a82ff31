#pragma once
// Copying a medium's folders, for the preview and for writing a medium.

#include <string>

namespace pandor {

// Copies every file and folder in `from` into `to` (made where missing),
// over files of the same names. Throws MenuError (German) naming the file
// that failed.
void CopyFolder(const std::wstring& from, const std::wstring& to);

// Copies a file from elsewhere into the folder (made where missing) under a
// safe name made of its own (menu/medium_file_names.h), one no file there
// has; gives that name. Throws MenuError (German) when the copy fails.
std::wstring CopyUnderSafeName(const std::wstring& file, const std::wstring& folder);

// Whether the folder holds nothing (or doesn't exist).
bool FolderIsEmpty(const std::wstring& folder);

// Whether `path` is `folder` or lies in it (letter case ignored, as Windows does).
bool LiesIn(const std::wstring& path, const std::wstring& folder);

}  // namespace pandor
