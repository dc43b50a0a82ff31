#include "tests/windows/test_folder.h"

#include <windows.h>

#include <sstream>

#include "platform/handle.h"
#include "platform/text.h"

namespace pandor::testing {
namespace {

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path + L"\\");
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

TestFolder::TestFolder(const std::string& nameEnd) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  static int counter = 0;
  path_ = ToUtf8(temp) + "pandor7-test-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++counter) + nameEnd + "\\";
  RemoveTree(FromUtf8(path_));
  CreateDirectoryW(FromUtf8(path_).c_str(), nullptr);
}

TestFolder::~TestFolder() { RemoveTree(FromUtf8(path_)); }

std::string TestFolder::MakeFolder(const std::string& relative) const {
  std::string path = path_;
  std::stringstream parts(relative);
  std::string part;
  while (std::getline(parts, part, '\\')) {
    if (part.empty()) continue;
    path += part + "\\";
    CreateDirectoryW(FromUtf8(path).c_str(), nullptr);
  }
  return path;
}

std::string TestFolder::Write(const std::string& relative, const std::string& bytes) const {
  const size_t slash = relative.find_last_of('\\');
  if (slash != std::string::npos) MakeFolder(relative.substr(0, slash));
  const std::string path = path_ + relative;
  const FileHandle file(CreateFileW(FromUtf8(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (file) WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  return path;
}

std::string ReadFileBytes(const std::string& path) {
  const FileHandle file(CreateFileW(FromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string content;
  char buffer[4096];
  DWORD read = 0;
  while (file && ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) content.append(buffer, read);
  return content;
}

}  // namespace pandor::testing
