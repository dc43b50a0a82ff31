#pragma once
// Opening files, programs and folders through the Windows shell.

#include <windows.h>

#include <string>

namespace pandor {

// The shell's results up to this one are failures.
constexpr INT_PTR kLastShellError = 32;

class Shell {
 public:
  virtual ~Shell() = default;
  // ShellExecuteW with no parameters and the normal show command; all texts in
  // UTF-8. Returns the shell's result: above kLastShellError means success.
  virtual INT_PTR Execute(HWND owner, const std::string& verb, const std::string& file,
                          const std::string& workingFolder) = 0;
};

class WindowsShell : public Shell {
 public:
  INT_PTR Execute(HWND owner, const std::string& verb, const std::string& file,
                  const std::string& workingFolder) override;
};

}  // namespace pandor
