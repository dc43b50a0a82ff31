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

// kAfterFirstPaintTimer goes off once, right after the window's first paint:
// a timer message comes only when no window of the thread waits to be
// painted, so what it starts never holds up the window's first appearance.
enum TimerId : UINT_PTR { kScrollTimer = 1, kSoundTimer = 2, kAfterFirstPaintTimer = 3 };

}  // namespace pandor
