#include "platform/file_replacement.h"

#include <windows.h>

#include <algorithm>

#include "menu/menu_error.h"
#include "platform/handle.h"
#include "platform/text.h"

namespace pandor {
namespace {

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring NameOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

[[noreturn]] void Fail(const std::wstring& path, const char* what, DWORD error) {
  throw MenuError("„" + ToUtf8(path) + "“ " + what + ": " + SystemErrorText(error));
}

// The whole file, flushed to the disk, or an exception.
void WriteWhole(const std::wstring& path, const std::string& bytes) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) Fail(path, "kann nicht angelegt werden", GetLastError());
  size_t written = 0;
  while (written < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - written, 1u << 20));
    DWORD done = 0;
    if (!WriteFile(file.get(), bytes.data() + written, chunk, &done, nullptr) || done == 0) {
      const DWORD error = GetLastError();
      file.reset();
      DeleteFileW(path.c_str());
      Fail(path, "kann nicht geschrieben werden", error);
    }
    written += done;
  }
  if (!FlushFileBuffers(file.get())) {
    const DWORD error = GetLastError();
    file.reset();
    DeleteFileW(path.c_str());
    Fail(path, "kann nicht geschrieben werden", error);
  }
}

struct Step {
  const FileReplacement* file;
  std::wstring temporary;  // the new version, for a file that is written
  std::wstring backup;     // the old version, where there was one
  bool done = false;
};

// Puts back what the steps done so far changed, and removes the temporaries.
void Undo(std::vector<Step>& steps) {
  for (Step& step : steps) {
    if (step.done) {
      if (!step.backup.empty()) CopyFileW(step.backup.c_str(), step.file->path.c_str(), FALSE);
      else DeleteFileW(step.file->path.c_str());
    }
    if (!step.temporary.empty()) DeleteFileW(step.temporary.c_str());
  }
}

}  // namespace

std::string SystemErrorText(unsigned long error) {
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring wide = text ? text : L"";
  if (text) LocalFree(text);
  while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L' ' || wide.back() == L'.')) {
    wide.pop_back();
  }
  return wide.empty() ? "Fehler " + std::to_string(error) : ToUtf8(wide);
}

bool MakeFolders(const std::wstring& folder) {
  if (folder.empty()) return false;
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const std::wstring parent = FolderOf(folder);
  if (!parent.empty() && parent != folder && parent.back() != L':' && !MakeFolders(parent)) return false;
  return CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

void ReplaceFiles(const std::vector<FileReplacement>& files, const std::wstring& backupFolder) {
  std::vector<Step> steps;
  steps.reserve(files.size());
  try {
    for (const FileReplacement& file : files) {
      Step step{&file, {}, {}};
      if (Exists(file.path)) {
        if (!MakeFolders(backupFolder)) Fail(backupFolder, "kann nicht angelegt werden", GetLastError());
        step.backup = backupFolder + L"\\" + NameOf(file.path);
        for (int n = 2; Exists(step.backup); ++n) step.backup = backupFolder + L"\\" + std::to_wstring(n) + L"-" + NameOf(file.path);
        if (!CopyFileW(file.path.c_str(), step.backup.c_str(), TRUE)) Fail(file.path, "kann nicht gesichert werden", GetLastError());
      }
      if (file.bytes) {
        if (!MakeFolders(FolderOf(file.path))) Fail(FolderOf(file.path), "kann nicht angelegt werden", GetLastError());
        step.temporary = file.path + L".pandor7-neu";
        steps.push_back(step);
        WriteWhole(step.temporary, *file.bytes);
      } else {
        steps.push_back(step);
      }
    }
    for (Step& step : steps) {
      const wchar_t* path = step.file->path.c_str();
      if (step.file->bytes) {
        if (!MoveFileExW(step.temporary.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
          Fail(step.file->path, "kann nicht ersetzt werden", GetLastError());
        }
        step.temporary.clear();
      } else if (Exists(step.file->path) && !DeleteFileW(path)) {
        Fail(step.file->path, "kann nicht gelöscht werden", GetLastError());
      }
      step.done = true;
    }
  } catch (...) {
    Undo(steps);
    throw;
  }
}

}  // namespace pandor
