#pragma once
// The edited menu as the checker is to see it before it is saved.

#include "checker/medium_files.h"
#include "menu/edited_menu.h"

namespace pandor {

// The start-up sound's path below the medium's root.
constexpr const char* kStartupSoundPath = "autorun/startup.wav";

// The two menu files as they stand, and every file planned for saving.
check::UnsavedFiles UnsavedFilesOf(const EditedMenu& menu);

}  // namespace pandor
