#pragma once
// A menu folder as the editor edits it: options.dat and filelist.dat, each
// kept so that it is written back byte for byte as it was read, but for what
// was changed. A value: copies are independent (undo keeps earlier ones).

#include <string>

#include "menu/menu_folder.h"
#include "menu/program_list_model.h"
#include "menu/settings_model.h"

namespace pandor {

class FileSource;

struct MenuModel {
  SettingsModel settings;     // options.dat, the welcome text with it
  ProgramListModel programs;  // filelist.dat
};

// The menu folder's two files; throws CannotOpenFileError for one that can't be read.
MenuModel ReadMenuModel(const FileSource& files, const MenuFolder& folder);

}  // namespace pandor
