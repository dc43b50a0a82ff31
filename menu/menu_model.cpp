#include "menu/menu_model.h"

#include "menu/file_source.h"

namespace pandor {

MenuModel ReadMenuModel(const FileSource& files, const MenuFolder& folder) {
  return MenuModel{SettingsModel(files.ReadWhole(folder.menuDir + kOptionsFile)),
                   ProgramListModel(files.ReadWhole(folder.menuDir + kFileListFile))};
}

}  // namespace pandor
