#include "platform/shell.h"

#include <shellapi.h>

#include "platform/system_library.h"

namespace pandor {

INT_PTR WindowsShell::Execute(HWND owner, const std::string& verb, const std::string& file,
                              const std::string& workingFolder) {
  const auto shellExecute = Shell32().Function<decltype(&ShellExecuteA)>("ShellExecuteA");
  if (!shellExecute) return SE_ERR_DLLNOTFOUND;
  const HINSTANCE result = shellExecute(owner, verb.c_str(), file.c_str(), nullptr,
                                        workingFolder.empty() ? nullptr : workingFolder.c_str(), SW_SHOWNORMAL);
  // Not a real instance handle: the shell's status code in handle clothing.
  return reinterpret_cast<INT_PTR>(result);
}

}  // namespace pandor
