// Entry of the tests of the secondary windows: the common controls are set up
// once, as the program does at start; the windows register their own classes.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
