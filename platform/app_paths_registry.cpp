#include "platform/app_paths_registry.h"

#include <windows.h>

#include <cstring>

#include "menu/menu_error.h"
#include "platform/handle.h"

namespace pandor {
namespace {

constexpr char kAppPathsKey[] = "software\\microsoft\\windows\\currentversion\\app paths\\";
constexpr char kPathValue[] = "Path";

struct PathValue {
  std::string text;        // as it names the folder, environment variables expanded
  bool wrongType = false;  // a "Path" is there but isn't a string
};

// The text up to the first NUL: stored strings may end in one, several or none.
std::string UpToNul(std::string bytes) {
  bytes.resize(std::strlen(bytes.c_str()));
  return bytes;
}

// Unknown variables stay as written, as Windows leaves them.
std::string ExpandEnvironment(const std::string& text) {
  DWORD size = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
  while (size > 0) {
    // The ANSI version wants one byte more than the count it reports.
    std::string expanded(size + 1, '\0');
    const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), expanded.data(), size + 1);
    if (needed == 0) break;
    if (needed <= size + 1) return UpToNul(std::move(expanded));
    size = needed;  // the environment changed in between
  }
  return text;
}

PathValue ReadPath(const std::string& subKey, REGSAM view) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_READ | view, &opened) != ERROR_SUCCESS) return {};
  const RegistryKey key(opened);

  DWORD type = REG_NONE;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), kPathValue, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
  std::string bytes;
  for (;;) {
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {{}, true};
    bytes.assign(size, '\0');
    DWORD read = size;
    const LONG status =
        RegQueryValueExA(key.get(), kPathValue, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &read);
    if (status == ERROR_SUCCESS) {
      bytes.resize(read);
      break;
    }
    if (status != ERROR_MORE_DATA) return {};
    size = read;  // the value grew since we asked its size
  }

  std::string text = UpToNul(std::move(bytes));
  if (type == REG_EXPAND_SZ) text = ExpandEnvironment(text);
  return {text, false};
}

}  // namespace

std::string AppPathsRegistry::InstalledFolder(const std::string& executableName) {
  const std::string subKey = kAppPathsKey + executableName;
  bool wrongType = false;
  for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
    PathValue path = ReadPath(subKey, view);
    if (!path.text.empty()) {
      if (path.text.back() != '\\') path.text += '\\';
      return path.text;
    }
    wrongType = wrongType || path.wrongType;
  }
  if (wrongType) throw MenuError(std::string("Ungültiger Datentyp für '") + kPathValue + "'");
  return {};
}

}  // namespace pandor
