#include "menu/menu_folder.h"

#include "menu/file_source.h"

namespace pandor {

MenuFolder MenuFolderFor(const std::string& programPath) {
  const size_t slash = programPath.find_last_of('\\');
  MenuFolder folder;
  folder.appDir = slash == std::string::npos ? std::string() : programPath.substr(0, slash + 1);
  folder.menuDir = folder.appDir + "autorun\\";
  return folder;
}

std::string StartupSoundPath(const MenuFolder& folder) { return folder.appDir + "autorun\\" + kStartupSoundFile; }

bool DefinitionFilesPresent(const FileSource& files, const MenuFolder& folder) {
  return FileExists(files, folder.menuDir + kFileListFile) && FileExists(files, folder.menuDir + kOptionsFile);
}

}  // namespace pandor
