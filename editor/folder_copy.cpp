#include "editor/folder_copy.h"

#include <windows.h>

#include "editor/program_file.h"
#include "menu/medium_file_names.h"
#include "menu/menu_error.h"
#include "platform/file_replacement.h"
#include "platform/text.h"

namespace pandor {
namespace {

bool IsDotEntry(const wchar_t* name) { return !wcscmp(name, L".") || !wcscmp(name, L".."); }

std::wstring FullPath(const std::wstring& path) {
  std::wstring full(32768, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length == 0 || length >= full.size()) return path;
  full.resize(length);
  while (full.size() > 3 && (full.back() == L'\\' || full.back() == L'/')) full.pop_back();
  return full;
}

}  // namespace

void CopyFolder(const std::wstring& from, const std::wstring& to) {
  if (!MakeFolders(to)) throw MenuError("„" + ToUtf8(to) + "“ kann nicht angelegt werden: " + SystemErrorText(GetLastError()));
  WIN32_FIND_DATAW entry;
  const HANDLE search = FindFirstFileW((from + L"\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (IsDotEntry(entry.cFileName)) continue;
    const std::wstring source = from + L"\\" + entry.cFileName;
    const std::wstring target = to + L"\\" + entry.cFileName;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      CopyFolder(source, target);
    } else if (!CopyFileW(source.c_str(), target.c_str(), FALSE)) {
      const DWORD error = GetLastError();
      FindClose(search);
      throw MenuError("„" + ToUtf8(source) + "“ kann nicht kopiert werden: " + SystemErrorText(error));
    }
  } while (FindNextFileW(search, &entry));
  FindClose(search);
}

std::wstring CopyUnderSafeName(const std::wstring& file, const std::wstring& folder) {
  const std::wstring fileName = FileNameOf(file);
  const std::wstring extension = fileName.substr(StemOf(file).size());
  const std::wstring name = FromUtf8(SafeFileName(ToUtf8(StemOf(file)), ToUtf8(extension), [&folder](const std::string& n) {
    return GetFileAttributesW((folder + L"\\" + FromUtf8(n)).c_str()) != INVALID_FILE_ATTRIBUTES;
  }));
  if (!MakeFolders(folder) || !CopyFileW(file.c_str(), (folder + L"\\" + name).c_str(), TRUE)) {
    throw MenuError("„" + ToUtf8(file) + "“ kann nicht nach „" + ToUtf8(folder) + "“ kopiert werden: " +
                    SystemErrorText(GetLastError()));
  }
  return name;
}

bool FolderIsEmpty(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return true;
  bool empty = true;
  do {
    if (!IsDotEntry(entry.cFileName)) empty = false;
  } while (empty && FindNextFileW(search, &entry));
  FindClose(search);
  return empty;
}

bool LiesIn(const std::wstring& path, const std::wstring& folder) {
  const std::wstring inner = FullPath(path);
  const std::wstring outer = FullPath(folder);
  if (inner.size() < outer.size()) return false;
  if (CompareStringW(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, inner.c_str(), static_cast<int>(outer.size()),
                     outer.c_str(), static_cast<int>(outer.size())) != CSTR_EQUAL) {
    return false;
  }
  return inner.size() == outer.size() || inner[outer.size()] == L'\\' || outer.back() == L'\\';
}

}  // namespace pandor
