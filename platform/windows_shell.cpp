#include "platform/shell.h"

#include <shellapi.h>

#include "platform/system_library.h"
#include "platform/text.h"
#include "platform/windows_files.h"

namespace pandor {
namespace {

std::wstring CurrentFolder() {
  const DWORD length = GetCurrentDirectoryW(0, nullptr);
  std::wstring folder(length, L'\0');
  const DWORD written = length == 0 ? 0 : GetCurrentDirectoryW(length, folder.data());
  folder.resize(written < length ? written : 0);
  return folder;
}

// The path with the prefix that lifts the MAX_PATH limit.
std::wstring WithLongPathPrefix(const std::wstring& path) {
  if (path.compare(0, 4, L"\\\\?\\") == 0) return path;
  if (path.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + path.substr(2);
  return L"\\\\?\\" + path;
}

// A started program's working folder of MAX_PATH characters or more is
// refused even by its short name where the system spells it out again into
// a buffer of MAX_PATH (Wine does: "invalid name"), while a program started
// without one inherits ours whatever its depth. So for such a folder we move
// into it for the call and back out again.
class WorkingFolderForTheCall {
 public:
  explicit WorkingFolderForTheCall(const std::wstring& folder) {
    if (folder.size() < MAX_PATH) {
      handedOver_ = folder;
      return;
    }
    const std::wstring shortName = ShortPathName(folder);
    previous_ = CurrentFolder();
    if (previous_.empty() || !SetCurrentDirectoryW(shortName.c_str())) {
      previous_.clear();
      handedOver_ = shortName;
    }
  }
  ~WorkingFolderForTheCall() {
    if (!previous_.empty()) SetCurrentDirectoryW(previous_.c_str());
  }
  WorkingFolderForTheCall(const WorkingFolderForTheCall&) = delete;
  WorkingFolderForTheCall& operator=(const WorkingFolderForTheCall&) = delete;

  // What to hand the shell as the working folder: nothing while we stand in it.
  const wchar_t* ForTheShell() const { return handedOver_.empty() ? nullptr : handedOver_.c_str(); }

 private:
  std::wstring previous_;    // ours before the call, while we stand in the program's
  std::wstring handedOver_;  // else the folder as the shell takes it
};

}  // namespace

INT_PTR WindowsShell::Execute(HWND owner, const std::string& verb, const std::string& file,
                              const std::string& workingFolder) {
  const auto shellExecute = Shell32().Function<decltype(&ShellExecuteW)>("ShellExecuteW");
  if (!shellExecute) return SE_ERR_DLLNOTFOUND;
  const std::wstring wideVerb = FromUtf8(verb);
  const WorkingFolderForTheCall folder(FromUtf8(workingFolder));
  const auto execute = [&](const std::wstring& path) {
    // Not a real instance handle: the shell's status code in handle clothing.
    return reinterpret_cast<INT_PTR>(
        shellExecute(owner, wideVerb.c_str(), path.c_str(), nullptr, folder.ForTheShell(), SW_SHOWNORMAL));
  };
  const std::wstring wideFile = FromUtf8(file);
  if (wideFile.size() < MAX_PATH) return execute(wideFile);
  // The shell takes no file of MAX_PATH characters or more: such a file goes
  // by its short name, the same file. Where the system spells a short name
  // out again into a buffer of MAX_PATH (Wine does, and then starts whatever
  // that buffer holds), only the long-path prefix keeps it as given; where
  // the shell doesn't know the prefix, the short name alone serves.
  const std::wstring shortName = ShortPathName(wideFile);
  const INT_PTR result = execute(WithLongPathPrefix(shortName));
  return result > kLastShellError ? result : execute(shortName);
}

}  // namespace pandor
