#include "platform/program_launcher.h"

#include "menu/menu_folder.h"

namespace pandor {

INT_PTR LaunchProgram(Shell& shell, InstalledPrograms& installed, HWND owner, const std::string& appDir,
                      const std::string& runFile, const std::string& installedName) {
  if (!installedName.empty()) {
    const std::string folder = installed.InstalledFolder(installedName);
    if (!folder.empty()) {
      const INT_PTR result = shell.Execute(owner, "open", MenuFilePath(folder, installedName), appDir);
      if (result > kLastShellError) return result;
    }
  }
  return shell.Execute(owner, "open", MenuFilePath(appDir, runFile), appDir);
}

void BrowseMedium(Shell& shell, HWND owner, const std::string& appDir) {
  shell.Execute(owner, "explore", appDir, appDir);
}

}  // namespace pandor
