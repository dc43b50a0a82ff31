#include "platform/app_paths_registry.h"

#include <windows.h>

#include <cwchar>

#include "menu/menu_error.h"
#include "platform/handle.h"
#include "platform/text.h"

namespace pandor {
namespace {

constexpr wchar_t kAppPathsKey[] = L"software\\microsoft\\windows\\currentversion\\app paths\\";
constexpr wchar_t kPathValue[] = L"Path";

struct PathValue {
  std::wstring text;       // as it names the folder, environment variables expanded
  bool wrongType = false;  // a "Path" is there but isn't a string
};

// The text up to the first NUL: stored strings may end in one, several or none.
std::wstring UpToNul(std::wstring text) {
  text.resize(std::wcslen(text.c_str()));
  return text;
}

// Unknown variables stay as written, as Windows leaves them.
std::wstring ExpandEnvironment(const std::wstring& text) {
  DWORD size = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  while (size > 0) {
    std::wstring expanded(size, L'\0');
    const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), size);
    if (needed == 0) break;
    if (needed <= size) return UpToNul(std::move(expanded));
    size = needed;  // the environment changed in between
  }
  return text;
}

PathValue ReadPath(const std::wstring& subKey, REGSAM view) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_READ | view, &opened) != ERROR_SUCCESS) return {};
  const RegistryKey key(opened);

  DWORD type = REG_NONE;
  DWORD size = 0;
  if (RegQueryValueExW(key.get(), kPathValue, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
  std::wstring text;
  for (;;) {
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {{}, true};
    // A stored string may lack its NUL, or end in half a character.
    text.assign(size / sizeof(wchar_t) + 1, L'\0');
    DWORD read = size;
    const LONG status =
        RegQueryValueExW(key.get(), kPathValue, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &read);
    if (status == ERROR_SUCCESS) break;
    if (status != ERROR_MORE_DATA) return {};
    size = read;  // the value grew since we asked its size
  }

  text = UpToNul(std::move(text));
  if (type == REG_EXPAND_SZ) text = ExpandEnvironment(text);
  return {text, false};
}

}  // namespace

std::string AppPathsRegistry::InstalledFolder(const std::string& executableName) {
  const std::wstring subKey = kAppPathsKey + FromAnsi(executableName);
  bool wrongType = false;
  for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
    PathValue path = ReadPath(subKey, view);
    if (!path.text.empty()) {
      if (path.text.back() != L'\\') path.text += L'\\';
      return ToUtf8(path.text);
    }
    wrongType = wrongType || path.wrongType;
  }
  if (wrongType) throw MenuError("Ungültiger Datentyp für 'Path'");
  return {};
}

}  // namespace pandor
