#pragma once
// The menu the editor makes in an empty folder.

#include "menu/menu_model.h"

namespace pandor {

// Settings that the start-up reads to the end and the checker passes, in
// the window's system colours with a dark banner, a welcome text, and no
// programs yet. Texts in ASCII, so that every ANSI code page shows them alike.
MenuModel NewMenuModel();

}  // namespace pandor
