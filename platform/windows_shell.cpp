#include "platform/shell.h"

#include <shellapi.h>

#include "platform/system_library.h"
#include "platform/text.h"
#include "platform/windows_files.h"

namespace pandor {
namespace {

// The shell, and a started program's working folder, take no path of
// MAX_PATH characters or more: such a path goes by its short name, the same
// file or folder, where the file system keeps one; else the shell refuses it.
std::wstring ForTheShell(const std::string& path) {
  const std::wstring wide = FromUtf8(path);
  return wide.size() < MAX_PATH ? wide : ShortPathName(wide);
}

}  // namespace

INT_PTR WindowsShell::Execute(HWND owner, const std::string& verb, const std::string& file,
                              const std::string& workingFolder) {
  const auto shellExecute = Shell32().Function<decltype(&ShellExecuteW)>("ShellExecuteW");
  if (!shellExecute) return SE_ERR_DLLNOTFOUND;
  const std::wstring folder = ForTheShell(workingFolder);
  const HINSTANCE result = shellExecute(owner, FromUtf8(verb).c_str(), ForTheShell(file).c_str(), nullptr,
                                        folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
  // Not a real instance handle: the shell's status code in handle clothing.
  return reinterpret_cast<INT_PTR>(result);
}

}  // namespace pandor
