// Entry of the in-process window tests: the controls and window classes are
// set up once, as the program does at start.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "mainwindow/main_window.h"

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  pandor::MainWindow::RegisterClasses(GetModuleHandleW(nullptr));
  // The real mouse pointer stays in a corner, away from the windows under
  // test, so that only the tests' own mouse messages reach them.
  SetCursorPos(0, 0);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
