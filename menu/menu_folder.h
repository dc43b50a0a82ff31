#pragma once
// Where a menu's files lie: the folder "autorun" beside the program file.
//
// Paths are UTF-8, whatever the folder is called: the Windows layer hands them
// to the wide (UTF-16) functions. Names written in a menu file are ANSI bytes
// in the system's code page and become part of a path only through
// MenuFilePath.

#include <string>
#include <string_view>

namespace pandor {

class FileSource;

constexpr const char* kOptionsFile = "options.dat";
constexpr const char* kFileListFile = "filelist.dat";
constexpr const char* kStartupSoundFile = "startup.wav";

struct MenuFolder {
  std::string appDir;   // the program's folder, with a trailing backslash
  std::string menuDir;  // appDir + "autorun\"
};

// From the program file's full path.
MenuFolder MenuFolderFor(const std::string& programPath);

// A name from a menu file below a folder: the name's bytes read in the
// system's ANSI code page, as Windows' ANSI functions read them, after the
// folder. For a folder that code page can spell, the same file as the ANSI
// functions would open; for any other folder, still the file in it.
std::string MenuFilePath(const std::string& folder, std::string_view ansiName);

// AppDir + "autorun\startup.wav": the menu folder's sound, by its own way there.
std::string StartupSoundPath(const MenuFolder& folder);

// Both definition files must be there; filelist.dat is looked at first.
bool DefinitionFilesPresent(const FileSource& files, const MenuFolder& folder);

}  // namespace pandor
