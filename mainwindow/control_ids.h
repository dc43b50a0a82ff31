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

// Posted by the start-up to the window: the start-up sound begins playing
// once the window has shown.
constexpr UINT kPlayStartupSound = WM_APP + 3;
constexpr UINT kCreateHints = WM_APP + 4;

}  // namespace pandor
