#include "menu/menu_folder.h"

#include "menu/file_source.h"
#include "menu/locale_text.h"

namespace pandor {

MenuFolder MenuFolderFor(const std::string& programPath) {
  const size_t slash = programPath.find_last_of('\\');
  MenuFolder folder;
  folder.appDir = slash == std::string::npos ? std::string() : programPath.substr(0, slash + 1);
  folder.menuDir = folder.appDir + "autorun\\";
  return folder;
}

std::string MenuFilePath(const std::string& folder, std::string_view ansiName) {
  return folder + AnsiToUtf8(ansiName);
}

std::string StartupSoundPath(const MenuFolder& folder) {
  return MenuFilePath(folder.appDir + "autorun\\", kStartupSoundFile);
}

bool DefinitionFilesPresent(const FileSource& files, const MenuFolder& folder) {
  return FileExists(files, MenuFilePath(folder.menuDir, kFileListFile)) &&
         FileExists(files, MenuFilePath(folder.menuDir, kOptionsFile));
}

}  // namespace pandor
