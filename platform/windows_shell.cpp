#include "platform/shell.h"

#include <shellapi.h>

namespace pandor {

INT_PTR WindowsShell::Execute(HWND owner, const std::string& verb, const std::string& file,
                              const std::string& workingFolder) {
  const HINSTANCE result = ShellExecuteA(owner, verb.c_str(), file.c_str(), nullptr,
                                         workingFolder.empty() ? nullptr : workingFolder.c_str(), SW_SHOWNORMAL);
  // Not a real instance handle: the shell's status code in handle clothing.
  return reinterpret_cast<INT_PTR>(result);
}

}  // namespace pandor
