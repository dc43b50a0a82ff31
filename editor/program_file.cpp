#include "editor/program_file.h"

#include <windows.h>

#include <vector>

#include "platform/system_library.h"

namespace pandor {

std::wstring VersionDescriptionOf(const std::wstring& path) {
  const auto sizeOf = Version().Function<decltype(&GetFileVersionInfoSizeW)>("GetFileVersionInfoSizeW");
  const auto read = Version().Function<decltype(&GetFileVersionInfoW)>("GetFileVersionInfoW");
  const auto queryValue = Version().Function<decltype(&VerQueryValueW)>("VerQueryValueW");
  if (!sizeOf || !read || !queryValue) return L"";
  DWORD ignored = 0;
  const DWORD size = sizeOf(path.c_str(), &ignored);
  if (size == 0) return L"";
  std::vector<BYTE> data(size);
  if (!read(path.c_str(), 0, size, data.data())) return L"";
  struct Translation {
    WORD language, codePage;
  };
  Translation* translations = nullptr;
  UINT length = 0;
  if (!queryValue(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &length) ||
      length < sizeof(Translation)) {
    return L"";
  }
  for (const wchar_t* key : {L"FileDescription", L"ProductName"}) {
    wchar_t query[96];
    wsprintfW(query, L"\\StringFileInfo\\%04x%04x\\%s", translations[0].language, translations[0].codePage, key);
    wchar_t* value = nullptr;
    if (queryValue(data.data(), query, reinterpret_cast<void**>(&value), &length) && length > 1 && value) {
      std::wstring text(value, wcsnlen(value, length));
      while (!text.empty() && (text.back() == L' ' || text.back() == L'\0')) text.pop_back();
      if (!text.empty()) return text;
    }
  }
  return L"";
}

std::wstring FileNameOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring StemOf(const std::wstring& path) {
  const std::wstring name = FileNameOf(path);
  const size_t dot = name.find_last_of(L'.');
  return dot == std::wstring::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace pandor
