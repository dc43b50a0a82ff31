#pragma once
// Where a menu's files lie: the folder "autorun" beside the program file.

#include <string>

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

// AppDir + "autorun\startup.wav": the menu folder's sound, by its own way there.
std::string StartupSoundPath(const MenuFolder& folder);

// Both definition files must be there; filelist.dat is looked at first.
bool DefinitionFilesPresent(const FileSource& files, const MenuFolder& folder);

}  // namespace pandor
