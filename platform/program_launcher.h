#pragma once
// Starting a listed program and opening the medium in the file browser: the
// main window's two shell requests.

#include <windows.h>

#include <string>

#include "platform/installed_programs.h"
#include "platform/shell.h"

namespace pandor {

// Starts the installed copy, folder + installedName, when installedName has a
// registered folder and the copy starts; otherwise opens appDir + runFile.
// Either way appDir is the working folder. appDir is UTF-8; runFile and
// installedName are the program list's ANSI bytes. Returns the shell's result of the
// last attempt: 32 or less means nothing started. Throws MenuError when the
// registered "Path" isn't a string; then nothing is started.
INT_PTR LaunchProgram(Shell& shell, InstalledPrograms& installed, HWND owner, const std::string& appDir,
                      const std::string& runFile, const std::string& installedName);

// Opens the medium's root folder (UTF-8) in the file browser; the outcome isn't reported.
void BrowseMedium(Shell& shell, HWND owner, const std::string& appDir);

}  // namespace pandor
