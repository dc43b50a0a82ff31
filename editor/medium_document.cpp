#include "editor/medium_document.h"

#include <windows.h>
#include <shlobj.h>

#include <ctime>
#include <vector>

#include "menu/locale_text.h"
#include "menu/menu_error.h"
#include "menu/new_menu.h"
#include "platform/file_replacement.h"
#include "platform/system_library.h"
#include "platform/text.h"
#include "platform/windows_files.h"

namespace pandor {
namespace {

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring WithoutTrailingSlash(std::wstring root) {
  while (root.size() > 3 && (root.back() == L'\\' || root.back() == L'/')) root.pop_back();
  return root;
}

// "a/b/../c" as "a/c"; parts above the root are dropped, as the menu stays at the root.
std::string Normalised(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t i = 0; i <= path.size(); ++i) {
    if (i < path.size() && path[i] != '/' && path[i] != '\\') continue;
    const std::string part = path.substr(start, i - start);
    start = i + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(part);
  }
  std::string joined;
  for (const std::string& part : parts) joined += (joined.empty() ? "" : "/") + part;
  return joined;
}

std::wstring Timestamp() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t text[32];
  wsprintfW(text, L"%04u-%02u-%02u %02u-%02u-%02u", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
            now.wSecond);
  return text;
}

}  // namespace

std::wstring BackupsFolder() {
  wchar_t folder[MAX_PATH] = L"";
  const auto folderPath = Shell32().Function<decltype(&SHGetFolderPathW)>("SHGetFolderPathW");
  if (!folderPath || FAILED(folderPath(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, folder))) {
    GetTempPathW(MAX_PATH, folder);
  }
  return WithoutTrailingSlash(folder) + L"\\Pandor 7\\Sicherungen";
}

MediumDocument::MediumDocument(std::wstring root, EditHistory history)
    : root_(WithoutTrailingSlash(std::move(root))),
      folder_(MenuFolderFor(ToUtf8(root_) + "\\autorun.exe")),
      history_(std::move(history)) {}

bool MediumDocument::HoldsMenu(const std::wstring& root) {
  const std::wstring menu = WithoutTrailingSlash(root) + L"\\autorun\\";
  return IsFile(menu + L"options.dat") && IsFile(menu + L"filelist.dat");
}

MediumDocument MediumDocument::Open(const std::wstring& root) {
  if (!HoldsMenu(root)) {
    throw MenuError("Im Ordner „" + ToUtf8(root) + "“ liegt kein Menü: es fehlt „autorun\\options.dat“ oder "
                    "„autorun\\filelist.dat“.");
  }
  const std::wstring clean = WithoutTrailingSlash(root);
  EditedMenu opened{ReadMenuModel(WindowsFiles(), MenuFolderFor(ToUtf8(clean) + "\\autorun.exe")), {}};
  return MediumDocument(clean, EditHistory(std::move(opened)));
}

MediumDocument MediumDocument::New(const std::wstring& root) {
  EditedMenu made;
  made.model = NewMenuModel();
  return MediumDocument(root, EditHistory(made, EditedMenu{}));
}

std::wstring MediumDocument::Name() const {
  const size_t slash = root_.find_last_of(L"\\/");
  return slash == std::wstring::npos || slash + 1 == root_.size() ? root_ : root_.substr(slash + 1);
}

std::wstring MediumDocument::PathOf(const std::string& relative) const {
  std::wstring path = root_ + L"\\" + FromUtf8(relative);
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

std::optional<std::string> MediumDocument::BytesOf(const std::string& relative) const {
  const auto planned = Menu().files.find(relative);
  if (planned != Menu().files.end()) {
    if (!planned->second) return std::nullopt;
    return **planned->second;
  }
  if (!IsFile(PathOf(relative))) return std::nullopt;
  try {
    return WindowsFiles().ReadWhole(ToUtf8(PathOf(relative)));
  } catch (const MenuError&) {
    return std::nullopt;
  }
}

std::string MediumDocument::MenuFileRelative(const std::string& ansiName) const {
  return Normalised("autorun/" + AnsiToUtf8(ansiName));
}

std::wstring MediumDocument::Save() {
  std::vector<FileReplacement> replacements;
  for (const FileToSave& file : FilesToSave(history_.Current(), history_.Saved())) {
    replacements.push_back(FileReplacement{PathOf(file.path), file.bytes});
  }
  if (replacements.empty()) return L"";
  const std::wstring backup = BackupsFolder() + L"\\" + Name() + L"\\" + Timestamp();
  ReplaceFiles(replacements, backup);
  history_.MarkSaved();
  return GetFileAttributesW(backup.c_str()) == INVALID_FILE_ATTRIBUTES ? L"" : backup;
}

}  // namespace pandor
