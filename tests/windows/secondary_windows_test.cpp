// The main window's help and preview windows: none of them exists before it
// is first wanted, and from then on the same window comes back each time,
// where the user left it.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/secondary_windows.h"
#include "tests/windows/dialog_driver.h"
#include "tests/windows/menu_fixture.h"

namespace pandor::testing {
namespace {

BOOL CALLBACK CollectTitle(HWND window, LPARAM titles) {
  wchar_t title[64] = L"";
  GetWindowTextW(window, title, 64);
  reinterpret_cast<std::vector<std::wstring>*>(titles)->push_back(title);
  return TRUE;
}

// The titles of this thread's top-level windows, hidden ones included.
std::vector<std::wstring> ThreadWindowTitles() {
  std::vector<std::wstring> titles;
  EnumThreadWindows(GetCurrentThreadId(), CollectTitle, reinterpret_cast<LPARAM>(&titles));
  return titles;
}

bool HasWindowTitled(const wchar_t* title) {
  for (const std::wstring& each : ThreadWindowTitles()) {
    if (each == title) return true;
  }
  return false;
}

TEST(SecondaryWindowsTest, MadeWhenFirstShownThenTheSameWindowWhereItWasLeft) {
  MenuFixture menu;
  menu.WriteSettings(StandardSettings());
  menu.WritePrograms({{"", "setup.exe", "Programm", "", "", ""}});
  ASSERT_TRUE(menu.Open());
  std::vector<std::string> previewErrors;
  SecondaryWindows windows(GetModuleHandleW(nullptr), menu.Window().Handle(), menu.shell, menu.Root(),
                           [&](const std::string& text) { previewErrors.push_back(text); });
  menu.Window().SetSecondaryWindows(&windows);
  EXPECT_FALSE(HasWindowTitled(L"Hilfe"));
  EXPECT_FALSE(HasWindowTitled(L"Vorschau"));

  // "?" makes the help window, owned by the main window, and shows it; the
  // user moves it and closes it.
  HWND shown = nullptr;
  {
    const ModalDriver driver(
        {[&] {
           shown = GetForegroundWindow();
           SetWindowPos(shown, nullptr, 41, 29, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
           PostMessageW(shown, WM_CLOSE, 0, 0);
         }},
        [&] { PostMessageW(windows.Help().Handle(), WM_CLOSE, 0, 0); });
    menu.Window().sbtnHelpClick();
    EXPECT_EQ(driver.StepsRun(), 1u);
  }
  ASSERT_TRUE(windows.HelpMade());
  EXPECT_EQ(shown, windows.Help().Handle());
  EXPECT_EQ(GetWindow(shown, GW_OWNER), menu.Window().Handle());
  EXPECT_FALSE(windows.PreviewMade()) << "the help window made the preview too";

  // Shown again, it is the same window at the same place.
  RECT place{};
  {
    const ModalDriver driver({[&] {
                                GetWindowRect(GetForegroundWindow(), &place);
                                PostMessageW(GetForegroundWindow(), WM_CLOSE, 0, 0);
                              }},
                             [&] { PostMessageW(windows.Help().Handle(), WM_CLOSE, 0, 0); });
    menu.Window().sbtnHelpClick();
  }
  EXPECT_EQ(windows.Help().Handle(), shown);
  EXPECT_EQ(place.left, 41);
  EXPECT_EQ(place.top, 29);

  // The preview comes when asked for, owned by the main window too, and
  // passes its drawing errors on.
  const HWND preview = windows.Preview().Handle();
  ASSERT_TRUE(IsWindow(preview));
  EXPECT_FALSE(IsWindowVisible(preview));
  EXPECT_EQ(GetWindow(preview, GW_OWNER), menu.Window().Handle());
  EXPECT_EQ(windows.Preview().Handle(), preview);
  ASSERT_TRUE(windows.Preview().onError);
  windows.Preview().onError("JPEG error #5");
  EXPECT_EQ(previewErrors, std::vector<std::string>{"JPEG error #5"});
}

}  // namespace
}  // namespace pandor::testing
