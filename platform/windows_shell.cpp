#include "platform/shell.h"

#include <shellapi.h>

#include "platform/system_library.h"
#include "platform/text.h"

namespace pandor {

INT_PTR WindowsShell::Execute(HWND owner, const std::string& verb, const std::string& file,
                              const std::string& workingFolder) {
  const auto shellExecute = Shell32().Function<decltype(&ShellExecuteW)>("ShellExecuteW");
  if (!shellExecute) return SE_ERR_DLLNOTFOUND;
  const std::wstring folder = FromUtf8(workingFolder);
  const HINSTANCE result = shellExecute(owner, FromUtf8(verb).c_str(), FromUtf8(file).c_str(), nullptr,
                                        folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
  // Not a real instance handle: the shell's status code in handle clothing.
  return reinterpret_cast<INT_PTR>(result);
}

}  // namespace pandor
