#pragma once
// Child window and timer identifiers of the main window.

#include <windows.h>

namespace pandor {

enum ControlId : int {
  kIdWillkommen = 100,
  kIdShadow,
  kIdWelcome,
  kIdGroupBox,
  kIdMenu,
  kIdButtons,
  kIdHelp,
  kIdClose,
  kIdExplore,
  kIdExpand,
  kIdPages,
  kIdDescription,
  kIdPreviewPanel,
  kIdPreviewImage,
  kIdStatusBar,
};

enum TimerId : UINT_PTR { kScrollTimer = 1, kSoundTimer = 2 };

}  // namespace pandor
