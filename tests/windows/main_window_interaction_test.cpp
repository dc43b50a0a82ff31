// What the user does in the main window, with real window messages: clicks in
// the menu tree and selections by its keys, double-clicks and Enter to start
// programs, the buttons, the paging keys and the hover colours.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "dialogs/about_box.h"
#include "tests/windows/menu_fixture.h"
#include "tests/windows/picture_files.h"
#include "tests/windows/window_input.h"
#include "tests/windows/window_probe.h"

namespace pandor::testing {
namespace {

constexpr char kStartFailed[] = "Fehler: Datei nicht gefunden! Starten Sie menubau.exe.";

std::string LongText(int lines) {
  std::string text;
  for (int i = 1; i <= lines; ++i) text += "Zeile " + std::to_string(i) + "\r\n";
  return text;
}

class MainWindowInteractionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    menu.WritePrograms({
        {"Spiele", "spiele\\schach.exe", "Schach", "schach.exe", "schach.bmp", "schach.txt"},
        {"", "liesmich.txt", "Liesmich", "", "", "liesmich-info.txt"},
        {"Werkzeuge", "werkzeuge\\rechner.exe", "Rechner", "", "fehlt.bmp", "fehlt.txt"},
        {"Spiele", "spiele\\dame.exe", "Dame", "", "", "dame.txt"},
        {"", "zweites\\setup.exe", "Schach", "", "", "schach2.txt"},
    });
    menu.WriteFile("autorun\\schach.txt", "Ein Spiel f\xFCr zwei.\r\nZweite Zeile");
    menu.WriteFile("autorun\\schach.bmp", BitmapFile(Quadrants(8, 8, RGB(255, 0, 0), RGB(0, 255, 0),
                                                               RGB(0, 0, 255), RGB(255, 255, 0)),
                                                     BitmapLayout::kRgb24));
    menu.WriteFile("autorun\\liesmich-info.txt", LongText(120));
    menu.WriteFile("autorun\\dame.txt", "Dame\n");
    menu.WriteFile("autorun\\schach2.txt", "Das andere Schach");
    ASSERT_TRUE(menu.Open());
    window().Show();
    // What showing the window queued (the tree's own mouse bookkeeping among
    // it) is done before the test's input.
    Pump(window());
  }
  MainWindow& window() { return menu.Window(); }
  HTREEITEM item(const std::string& text) { return FindTreeItem(menu.Controls().tvMenu, text); }
  // The second "Schach": the last top-level item.
  HTREEITEM lastTopLevelItem() {
    HTREEITEM last = nullptr;
    for (HTREEITEM i = TreeView_GetRoot(menu.Controls().tvMenu); i; i = TreeView_GetNextSibling(menu.Controls().tvMenu, i))
      last = i;
    return last;
  }
  std::string description() { return WindowText(menu.Controls().mDesc); }
  int tabs() { return TabCtrl_GetItemCount(menu.Controls().PageControl1); }
  bool expanded(const std::string& text) {
    return TreeView_GetItemState(menu.Controls().tvMenu, item(text), TVIS_EXPANDED) & TVIS_EXPANDED;
  }
  void openGroupAndClick(const std::string& group, const std::string& program) {
    ClickTreeItem(window(), item(group));
    ClickTreeItem(window(), item(program));
  }

  MenuFixture menu;
};

TEST_F(MainWindowInteractionTest, ClickOnAProgramShowsItsDescriptionAndOffersItsPicture) {
  openGroupAndClick("Spiele", "Schach");
  EXPECT_EQ(description(), "Ein Spiel für zwei.\r\nZweite Zeile");
  EXPECT_EQ(tabs(), 2);
  EXPECT_EQ(window().State().previewFile, menu.Root() + "autorun\\schach.bmp");
  EXPECT_FALSE(window().State().welcomeShown);
  EXPECT_TRUE(menu.messages.boxes.empty());
}

TEST_F(MainWindowInteractionTest, MissingDescriptionAndPictureShowNoInfosAndNoPictureTab) {
  openGroupAndClick("Werkzeuge", "Rechner");
  EXPECT_EQ(description(), "Keine Infos vorhanden");
  EXPECT_EQ(tabs(), 1);
  EXPECT_EQ(window().State().previewFile, "");
}

TEST_F(MainWindowInteractionTest, FinalLineEndShowsAsAnEmptyLine) {
  openGroupAndClick("Spiele", "Dame");
  EXPECT_EQ(description(), "Dame\r\n");
}

TEST_F(MainWindowInteractionTest, PictureTabFollowsTheClickedProgramWithoutReloading) {
  openGroupAndClick("Spiele", "Schach");
  ClickTreeItem(window(), item("Liesmich"));
  EXPECT_EQ(tabs(), 1);
  // The picture file is damaged now; the same path isn't loaded again.
  menu.WriteFile("autorun\\schach.bmp", "kaputt");
  ClickTreeItem(window(), item("Schach"));
  EXPECT_EQ(tabs(), 2);
  EXPECT_TRUE(menu.messages.boxes.empty());
}

TEST_F(MainWindowInteractionTest, PictureThatDoesNotLoadIsReportedAndLeavesThePanel) {
  menu.WriteFile("autorun\\schach.bmp", "BMkaputt");
  openGroupAndClick("Spiele", "Schach");
  ASSERT_EQ(menu.messages.boxes.size(), 1u);
  EXPECT_EQ(menu.messages.boxes[0].caption, "Velmar Pandor 7");
  EXPECT_EQ(menu.messages.boxes[0].text, "Stream-Read-Fehler.");
  EXPECT_EQ(description(), "Ein Spiel für zwei.\r\nZweite Zeile");
  EXPECT_EQ(tabs(), 1);
  EXPECT_EQ(window().State().previewFile, "");
}

TEST_F(MainWindowInteractionTest, ShowingThePictureTabAndClickingAgainReturnsToInfos) {
  openGroupAndClick("Spiele", "Schach");
  TabCtrl_SetCurSel(menu.Controls().PageControl1, 1);
  NMHDR change{menu.Controls().PageControl1, 0, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(window().Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
  EXPECT_TRUE(IsWindowVisible(menu.Controls().pnPreview));
  EXPECT_FALSE(IsWindowVisible(menu.Controls().mDesc));
  ClickTreeItem(window(), item("Schach"));
  EXPECT_EQ(TabCtrl_GetCurSel(menu.Controls().PageControl1), 0);
  EXPECT_TRUE(IsWindowVisible(menu.Controls().mDesc));
  EXPECT_FALSE(IsWindowVisible(menu.Controls().pnPreview));
}

TEST_F(MainWindowInteractionTest, DescriptionsOfSeveralMegabytesShowWhole) {
  std::string big;
  while (big.size() < 3'000'000) big += "Eine lange Beschreibung mit vielen Zeilen.\r\n";
  menu.WriteFile("autorun\\liesmich-info.txt", big);
  ClickTreeItem(window(), item("Liesmich"));
  EXPECT_EQ(GetWindowTextLengthW(menu.Controls().mDesc), static_cast<int>(big.size()));
  EXPECT_TRUE(menu.messages.boxes.empty());
}

TEST(DamagedPreviewTest, DamagedJpegDataIsReportedOnceWhenThePictureIsFirstShown) {
  MenuFixture menu;
  // The frame asks for a quantisation table the file doesn't have: the
  // header reads, the data doesn't decode.
  std::string jpeg = JpegFile(Quadrants(64, 64, RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)));
  jpeg[JpegSegment(jpeg, 0xC0) + 12] = 3;
  menu.WritePrograms({{"", "bild.exe", "Bild", "", "kaputt.jpg", ""}});
  menu.WriteFile("autorun\\kaputt.jpg", jpeg);
  MenuFixture& m = menu;
  ASSERT_TRUE(m.Open());
  m.Window().Show();
  Pump(m.Window());
  ClickTreeItem(m.Window(), FindTreeItem(m.Controls().tvMenu, "Bild"));
  EXPECT_EQ(TabCtrl_GetItemCount(m.Controls().PageControl1), 2);
  EXPECT_TRUE(m.messages.boxes.empty());

  auto showPage = [&](int page) {
    TabCtrl_SetCurSel(m.Controls().PageControl1, page);
    NMHDR change{m.Controls().PageControl1, 0, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(m.Window().Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    UpdateWindow(m.Controls().imgPreview);
    Pump(m.Window());
  };
  showPage(1);
  ASSERT_EQ(m.messages.boxes.size(), 1u);
  EXPECT_EQ(m.messages.boxes[0].text.rfind("JPEG error #", 0), 0u) << m.messages.boxes[0].text;
  EXPECT_EQ(m.messages.boxes[0].text.back(), '.');
  showPage(0);
  showPage(1);
  InvalidateRect(m.Controls().imgPreview, nullptr, TRUE);
  UpdateWindow(m.Controls().imgPreview);
  EXPECT_EQ(m.messages.boxes.size(), 1u);
}

TEST_F(MainWindowInteractionTest, GroupsOpenAsAnAccordion) {
  ClickTreeItem(window(), item("Spiele"));
  EXPECT_TRUE(expanded("Spiele"));
  EXPECT_EQ(description(), "Programm-Gruppe");
  ClickTreeItem(window(), item("Werkzeuge"));
  EXPECT_TRUE(expanded("Werkzeuge"));
  EXPECT_FALSE(expanded("Spiele"));
  ClickTreeItem(window(), item("Werkzeuge"));
  EXPECT_FALSE(expanded("Werkzeuge"));
  EXPECT_EQ(description(), "Programm-Gruppe");
}

TEST_F(MainWindowInteractionTest, ClickBelowTheRowsActsOnTheSelectionAgain) {
  ClickTreeItem(window(), item("Liesmich"));
  SetWindowTextW(menu.Controls().mDesc, L"");
  ClickBelowTreeRows(window());
  EXPECT_EQ(description().substr(0, 7), "Zeile 1");
  ClickTreeItem(window(), item("Spiele"));
  ClickBelowTreeRows(window());
  EXPECT_FALSE(expanded("Spiele"));
}

TEST_F(MainWindowInteractionTest, KeyboardSelectionShowsWhatAClickShowsButLeavesTheGroups) {
  const HWND tree = menu.Controls().tvMenu;
  // The program's own selecting, as when the tree first gets the focus, is
  // no move of the user's: the welcome text stays.
  TreeView_SelectItem(tree, item("Spiele"));
  EXPECT_TRUE(window().State().welcomeShown);
  EXPECT_EQ(description(), "Willkommen im Test\r\n\r\nZweite Zeile");

  PressKey(window(), tree, VK_DOWN);
  ASSERT_EQ(TreeView_GetSelection(tree), item("Liesmich"));
  EXPECT_EQ(description().substr(0, 7), "Zeile 1");
  EXPECT_FALSE(window().State().welcomeShown);
  PressKey(window(), tree, VK_UP);
  EXPECT_EQ(description(), "Programm-Gruppe");
  EXPECT_FALSE(expanded("Spiele")) << "the accordion is the click's";
  // The tree's own key opens the group; the program in it shows its picture tab.
  PressKey(window(), tree, VK_RIGHT);
  EXPECT_TRUE(expanded("Spiele"));
  PressKey(window(), tree, VK_DOWN);
  ASSERT_EQ(TreeView_GetSelection(tree), item("Schach"));
  EXPECT_EQ(description(), "Ein Spiel für zwei.\r\nZweite Zeile");
  EXPECT_EQ(tabs(), 2);
  PressKey(window(), tree, VK_DOWN);
  EXPECT_EQ(description(), "Dame\r\n");
  EXPECT_EQ(tabs(), 1);
  // The tree's other keys that move the selection are moves too.
  PressKey(window(), tree, VK_END);
  EXPECT_EQ(description(), "Das andere Schach");
  EXPECT_TRUE(menu.messages.boxes.empty());
}

TEST_F(MainWindowInteractionTest, WelcomeTextComesBackOnceWhenTheMouseMovesOverTheBanner) {
  ClickTreeItem(window(), item("Liesmich"));
  MoveMouseOver(window(), menu.Controls().lblWelcome);
  EXPECT_EQ(description(), "Willkommen im Test\r\n\r\nZweite Zeile");
  EXPECT_TRUE(window().State().welcomeShown);
  SetWindowTextW(menu.Controls().mDesc, L"geändert");
  MoveMouseOver(window(), menu.Controls().lblWelcome);
  EXPECT_EQ(description(), "geändert");
}

TEST_F(MainWindowInteractionTest, DoubleClickStartsTheProgramFromTheMedium) {
  openGroupAndClick("Spiele", "Dame");
  DoubleClickTreeItem(window(), item("Dame"));
  ASSERT_EQ(menu.shell.requests.size(), 1u);
  EXPECT_EQ(menu.shell.requests[0].verb, "open");
  EXPECT_EQ(menu.shell.requests[0].file, menu.Root() + "spiele\\dame.exe");
  EXPECT_EQ(menu.shell.requests[0].workingFolder, menu.Root());
  EXPECT_TRUE(menu.messages.dialogs.empty());
}

TEST_F(MainWindowInteractionTest, InstalledCopyStartsFromItsRegisteredFolder) {
  menu.installedPrograms.folders["schach.exe"] = "C:\\Programme\\Schach\\";
  openGroupAndClick("Spiele", "Schach");
  DoubleClickTreeItem(window(), item("Schach"));
  ASSERT_EQ(menu.shell.requests.size(), 1u);
  EXPECT_EQ(menu.shell.requests[0].file, "C:\\Programme\\Schach\\schach.exe");
  EXPECT_EQ(menu.shell.requests[0].workingFolder, menu.Root());
}

TEST_F(MainWindowInteractionTest, FailedStartShowsTheMessageOnce) {
  menu.installedPrograms.folders["schach.exe"] = "C:\\Programme\\Schach\\";
  menu.shell.results["C:\\Programme\\Schach\\schach.exe"] = 2;
  menu.shell.results[menu.Root() + "spiele\\schach.exe"] = 2;
  openGroupAndClick("Spiele", "Schach");
  DoubleClickTreeItem(window(), item("Schach"));
  EXPECT_EQ(menu.shell.requests.size(), 2u);
  EXPECT_EQ(menu.messages.dialogs, std::vector<std::string>{kStartFailed});
}

TEST_F(MainWindowInteractionTest, WrongRegistryTypeIsReportedAndStartsNothing) {
  menu.installedPrograms.failingName = "schach.exe";
  openGroupAndClick("Spiele", "Schach");
  DoubleClickTreeItem(window(), item("Schach"));
  EXPECT_TRUE(menu.shell.requests.empty());
  ASSERT_EQ(menu.messages.boxes.size(), 1u);
  // No full stop after the closing quote.
  EXPECT_EQ(menu.messages.boxes[0].text, "Ungültiger Datentyp für 'Path'");
}

TEST_F(MainWindowInteractionTest, GroupsStartNothing) {
  DoubleClickTreeItem(window(), item("Spiele"));
  TypeCharacter(window(), menu.Controls().tvMenu, L'\r');
  EXPECT_TRUE(menu.shell.requests.empty());
  EXPECT_TRUE(menu.messages.dialogs.empty());
}

TEST_F(MainWindowInteractionTest, ProgramsWithTheSameNameStartTheirOwnRecords) {
  ClickTreeItem(window(), lastTopLevelItem());
  EXPECT_EQ(description(), "Das andere Schach");
  TypeCharacter(window(), menu.Controls().tvMenu, L'\r');
  ASSERT_EQ(menu.shell.requests.size(), 1u);
  EXPECT_EQ(menu.shell.requests[0].file, menu.Root() + "zweites\\setup.exe");
}

TEST_F(MainWindowInteractionTest, EnterStartsTheSelectedProgram) {
  ClickTreeItem(window(), item("Liesmich"));
  TypeCharacter(window(), menu.Controls().tvMenu, L'\r');
  ASSERT_EQ(menu.shell.requests.size(), 1u);
  EXPECT_EQ(menu.shell.requests[0].file, menu.Root() + "liesmich.txt");
}

TEST_F(MainWindowInteractionTest, LowerCaseHAndMPageTheDescription) {
  ClickTreeItem(window(), item("Liesmich"));
  const HWND desc = menu.Controls().mDesc;
  EXPECT_EQ(SendMessageW(desc, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  TypeCharacter(window(), menu.Controls().tvMenu, L'm');
  const LRESULT afterOnePage = SendMessageW(desc, EM_GETFIRSTVISIBLELINE, 0, 0);
  EXPECT_GT(afterOnePage, 10);
  TypeCharacter(window(), menu.Controls().tvMenu, L'm');
  EXPECT_GT(SendMessageW(desc, EM_GETFIRSTVISIBLELINE, 0, 0), afterOnePage);
  TypeCharacter(window(), menu.Controls().tvMenu, L'h');
  EXPECT_EQ(SendMessageW(desc, EM_GETFIRSTVISIBLELINE, 0, 0), afterOnePage);
  // Capitals are no commands: they reach the tree.
  TypeCharacter(window(), menu.Controls().tvMenu, L'M');
  TypeCharacter(window(), menu.Controls().tvMenu, L'H');
  EXPECT_EQ(SendMessageW(desc, EM_GETFIRSTVISIBLELINE, 0, 0), afterOnePage);
}

TEST_F(MainWindowInteractionTest, HoverColoursFollowTheMouse) {
  const MainWindowControls& c = menu.Controls();
  MoveMouseOver(window(), c.sbtnClose);
  EXPECT_EQ(c.sbtnClose.CaptionColour(), RGB(255, 0, 0));
  EXPECT_EQ(c.sbtnExplore.CaptionColour(), RGB(0, 0, 0));
  MoveMouseOver(window(), c.sbtnExplore);
  EXPECT_EQ(c.sbtnClose.CaptionColour(), RGB(0, 0, 0));
  EXPECT_EQ(c.sbtnExplore.CaptionColour(), RGB(0, 0, 255));
  MoveMouseOver(window(), c.sbtnHelp);
  EXPECT_EQ(c.sbtnHelp.CaptionColour(), RGB(255, 255, 0));
  MoveMouseOver(window(), c.sbtnExpand);
  EXPECT_EQ(c.sbtnExpand.CaptionColour(), RGB(255, 255, 0));
  EXPECT_EQ(c.sbtnHelp.CaptionColour(), RGB(0, 0, 0));
  // Over the panel the colours stay; over the tree or the banner all turn black.
  MoveMouseOver(window(), c.pnButtons);
  EXPECT_EQ(c.sbtnExpand.CaptionColour(), RGB(255, 255, 0));
  MoveMouseOver(window(), c.tvMenu);
  EXPECT_EQ(c.sbtnExpand.CaptionColour(), RGB(0, 0, 0));
  MoveMouseOver(window(), c.sbtnClose);
  MoveMouseOver(window(), c.lblWelcome);
  EXPECT_EQ(c.sbtnClose.CaptionColour(), RGB(0, 0, 0));
}

TEST(HoverOffTest, CaptionsKeepTheirColourWithoutHoverEffects) {
  MenuFixture menu;
  std::vector<std::string> lines = StandardSettings();
  lines[15] = "0";
  menu.WriteSettings(lines);
  ASSERT_TRUE(menu.Open());
  const COLORREF normal = menu.Controls().sbtnClose.CaptionColour();
  MoveMouseOver(menu.Window(), menu.Controls().sbtnClose);
  EXPECT_EQ(menu.Controls().sbtnClose.CaptionColour(), normal);
}

TEST_F(MainWindowInteractionTest, ClickOnTheBannerTextShowsTheAboutBox) {
  ClickControl(window(), menu.Controls().lblWelcome);
  ASSERT_EQ(menu.messages.boxes.size(), 1u);
  EXPECT_EQ(menu.messages.boxes[0].text, AboutText());
  EXPECT_EQ(menu.messages.boxes[0].caption, "Velmar Pandor 7");
  EXPECT_EQ(menu.messages.boxes[0].style, 64u);
}

TEST_F(MainWindowInteractionTest, ButtonsDoWhatTheySay) {
  ClickControl(window(), menu.Controls().sbtnExplore);
  ASSERT_EQ(menu.shell.requests.size(), 1u);
  EXPECT_EQ(menu.shell.requests[0].verb, "explore");
  EXPECT_EQ(menu.shell.requests[0].file, menu.Root());
  EXPECT_EQ(menu.shell.requests[0].workingFolder, menu.Root());

  ClickControl(window(), menu.Controls().sbtnExpand);
  EXPECT_EQ(ClientSize(window().Handle()).cx, 336);
  ClickControl(window(), menu.Controls().sbtnExpand);
  EXPECT_EQ(ClientSize(window().Handle()).cx, 621);

  const HWND handle = window().Handle();
  ClickControl(window(), menu.Controls().sbtnClose);
  EXPECT_FALSE(IsWindow(handle));
}

}  // namespace
}  // namespace pandor::testing
