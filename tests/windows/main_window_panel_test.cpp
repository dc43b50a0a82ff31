// Folding the information panel, closing, the ticker and the task bar entry.
#include <windows.h>
#include <gtest/gtest.h>
#include <commctrl.h>

#include "mainwindow/application_window.h"
#include "tests/windows/menu_fixture.h"
#include "tests/windows/window_input.h"
#include "tests/windows/window_probe.h"

namespace pandor::testing {
namespace {

POINT WindowCentre(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void ExpectCentredOnScreen(HWND window) {
  const POINT centre = WindowCentre(window);
  EXPECT_NEAR(centre.x, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR(centre.y, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

class InfoPanelToggleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    menu.WritePrograms({{"Spiele", "s.exe", "Schach", "", "", ""},
                        {"Werkzeuge", "w.exe", "Rechner", "", "", ""},
                        {"", "l.txt", "Liesmich", "", "", ""}});
  }
  MenuFixture menu;
};

TEST_F(InfoPanelToggleTest, TogglingTwiceRestoresTheWidthAndCentresEachTime) {
  ASSERT_TRUE(menu.Open());
  MainWindow& window = menu.Window();
  window.Show();
  window.sbtnExpandClick();
  EXPECT_EQ(ClientSize(window.Handle()).cx, 336);
  EXPECT_EQ(ClientSize(window.Handle()).cy, 315);
  EXPECT_EQ(menu.Controls().sbtnExpand.Caption(), L">>");
  EXPECT_EQ(HintText(menu.Controls().hints, menu.Controls().sbtnExpand), "Infos einblenden");
  EXPECT_EQ(BoundsInParent(menu.Controls().StatusBar).width, 336);
  ExpectCentredOnScreen(window.Handle());

  window.sbtnExpandClick();
  EXPECT_EQ(ClientSize(window.Handle()).cx, 621);
  EXPECT_EQ(menu.Controls().sbtnExpand.Caption(), L"<<");
  EXPECT_EQ(HintText(menu.Controls().hints, menu.Controls().sbtnExpand), "Infos ausblenden");
  EXPECT_EQ(BoundsInParent(menu.Controls().StatusBar).width, 621);
  ExpectCentredOnScreen(window.Handle());
}

TEST_F(InfoPanelToggleTest, SettingZeroStartsFolded) {
  std::vector<std::string> lines = StandardSettings();
  lines[2] = "0";
  menu.WriteSettings(lines);
  ASSERT_TRUE(menu.Open());
  menu.Window().Show();
  EXPECT_EQ(ClientSize(menu.Window().Handle()).cx, 336);
  EXPECT_EQ(menu.Controls().sbtnExpand.Caption(), L">>");
  EXPECT_FALSE(menu.Window().State().infoVisible);
  ExpectCentredOnScreen(menu.Window().Handle());
}

TEST_F(InfoPanelToggleTest, ZeroWithABlankLeavesThePanelShown) {
  std::vector<std::string> lines = StandardSettings();
  lines[2] = "0 ";
  menu.WriteSettings(lines);
  ASSERT_TRUE(menu.Open());
  EXPECT_EQ(ClientSize(menu.Window().Handle()).cx, 621);
}

TEST_F(InfoPanelToggleTest, GroupsComeBackClosedButTheSelectedProgramsGroup) {
  ASSERT_TRUE(menu.Open());
  const HWND tree = menu.Controls().tvMenu;
  const HTREEITEM spiele = FindTreeItem(tree, "Spiele");
  const HTREEITEM werkzeuge = FindTreeItem(tree, "Werkzeuge");
  TreeView_Expand(tree, spiele, TVE_EXPAND);
  TreeView_Expand(tree, werkzeuge, TVE_EXPAND);
  TreeView_SelectItem(tree, FindTreeItem(tree, "Rechner"));

  menu.Window().sbtnExpandClick();
  EXPECT_FALSE(TreeView_GetItemState(tree, spiele, TVIS_EXPANDED) & TVIS_EXPANDED);
  EXPECT_TRUE(TreeView_GetItemState(tree, werkzeuge, TVIS_EXPANDED) & TVIS_EXPANDED);
  EXPECT_EQ(TreeView_GetSelection(tree), FindTreeItem(tree, "Rechner"));
}

TEST_F(InfoPanelToggleTest, LongNodeTextsSurviveAToggle) {
  const std::string longName(400, 'x');
  menu.WritePrograms({{"", "a.exe", longName, "", "", ""}});
  ASSERT_TRUE(menu.Open());
  menu.Window().sbtnExpandClick();
  menu.Window().sbtnExpandClick();
  EXPECT_EQ(TreeItems(menu.Controls().tvMenu)[0].text, longName);
}

TEST(MainWindowCloseTest, ClosingReleasesTheListsAndDestroysTheWindow) {
  MenuFixture menu;
  menu.WritePrograms({{"", "a.exe", "Programm", "", "", ""}});
  menu.WriteFile("autorun\\startup.wav", "RIFF");
  ASSERT_TRUE(menu.Open());
  bool destroyed = false;
  menu.Window().onDestroyed = [&] { destroyed = true; };
  const HWND window = menu.Window().Handle();
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(destroyed);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(menu.Window().State().menuTree.ProgramList().empty());
  EXPECT_TRUE(menu.Window().State().menuTree.Empty());
  EXPECT_TRUE(menu.Window().State().welcomeLines.empty());
  EXPECT_EQ(menu.sound.calls.back(), "close");
}

TEST(TickerTest, TextTypesItselfOutThenEmptiesAndStartsAgain) {
  MenuFixture menu;
  std::vector<std::string> lines = StandardSettings();
  lines[9] = "Hallo";
  lines[10] = "1";
  menu.WriteSettings(lines);
  ASSERT_TRUE(menu.Open());
  const HWND bar = menu.Controls().StatusBar;
  EXPECT_EQ(StatusText(bar), "");
  std::vector<std::string> shown;
  for (int tick = 0; tick < 8; ++tick) {
    menu.Window().ScrollTimerTimer();
    shown.push_back(StatusText(bar));
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"H", "Ha", "Hal", "Hall", "Hallo", "", "H", "Ha"}));
}

TEST(TickerTest, EmptyTextLeavesTheBarEmpty) {
  MenuFixture menu;
  std::vector<std::string> lines = StandardSettings();
  lines[9] = "";
  lines[10] = "1";
  menu.WriteSettings(lines);
  ASSERT_TRUE(menu.Open());
  for (int tick = 0; tick < 3; ++tick) {
    menu.Window().ScrollTimerTimer();
    EXPECT_EQ(StatusText(menu.Controls().StatusBar), "");
  }
}

TEST(TickerTest, AnySwitchButOneShowsTheTextStill) {
  for (const char* value : {"0", "2", "", " 1"}) {
    MenuFixture menu;
    std::vector<std::string> lines = StandardSettings();
    lines[9] = "Sch\xF6ne Gr\xFC\xDF" "e";
    lines[10] = value;
    menu.WriteSettings(lines);
    ASSERT_TRUE(menu.Open());
    EXPECT_EQ(StatusText(menu.Controls().StatusBar), "Schöne Grüße") << '"' << value << '"';
  }
}

TEST(TaskBarTest, ApplicationWindowCarriesTheTitleWhateverTheCaption) {
  ApplicationWindow application(GetModuleHandleW(nullptr));
  MenuFixture menu;
  ASSERT_TRUE(menu.Open(application.Handle()));
  EXPECT_EQ(WindowText(menu.Window().Handle()), "Testmenü");
  // The main window has no task bar entry of its own: the application
  // window, visible but without size, has it.
  EXPECT_EQ(GetWindow(menu.Window().Handle(), GW_OWNER), application.Handle());
  EXPECT_EQ(WindowText(application.Handle()), "Velmar Pandor 7");
  EXPECT_TRUE(IsWindowVisible(application.Handle()));
  EXPECT_FALSE(GetWindowLongW(application.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(GetWindow(application.Handle(), GW_OWNER), nullptr);
}

}  // namespace
}  // namespace pandor::testing
