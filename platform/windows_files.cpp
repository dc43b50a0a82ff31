#include "platform/windows_files.h"

#include <windows.h>

#include "menu/menu_error.h"
#include "platform/handle.h"
#include "platform/text.h"

namespace pandor {

std::wstring ShortPathName(const std::wstring& path) {
  std::wstring shortName(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetShortPathNameW(path.c_str(), shortName.data(), static_cast<DWORD>(shortName.size()));
    if (length == 0) return path;
    if (length < shortName.size()) return shortName.substr(0, length);
    shortName.resize(length);
  }
}

bool WindowsFiles::FirstMatchIsFile(const std::string& name) const {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(FromUtf8(name).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string WindowsFiles::ReadWhole(const std::string& path) const {
  const FileHandle file(CreateFileW(FromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw CannotOpenFileError(path);
  std::string content;
  char buffer[64 * 1024];
  DWORD read = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) content.append(buffer, read);
  return content;
}

}  // namespace pandor
