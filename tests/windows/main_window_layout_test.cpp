// The main window as a user first sees it on a complete menu.
#include <windows.h>
#include <gtest/gtest.h>
#include <commctrl.h>

#include "menu/node_image.h"
#include "resources/resource_ids.h"
#include "tests/windows/menu_fixture.h"
#include "tests/windows/window_probe.h"

namespace pandor::testing {
namespace {

class MainWindowLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    menu.WritePrograms({{"Werkzeuge", "tools\\a.exe", "Rechner", "", "", ""},
                        {"", "b.exe", "Handbuch", "", "", ""},
                        {"Werkzeuge", "tools\\c.exe", "Packer", "", "", ""}});
    ASSERT_TRUE(menu.Open());
  }
  MenuFixture menu;
};

TEST_F(MainWindowLayoutTest, FixedSizeDialogWindowWithTheMenusCaption) {
  const HWND window = menu.Window().Handle();
  EXPECT_EQ(WindowText(window), "Testmenü");
  const SIZE client = ClientSize(window);
  EXPECT_EQ(client.cx, 621);
  EXPECT_EQ(client.cy, 315);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_CAPTION);
  // The program's icon, big and small, comes with the window's class.
  const HICON icon = LoadIconA(GetModuleHandleW(nullptr), IDI_MAIN);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON)), icon);
  EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM)), icon);
  EXPECT_TRUE(menu.messages.boxes.empty());
}

TEST_F(MainWindowLayoutTest, HandOverButtonsBannerAndPagesZoomOverThePreview) {
  const MainWindowControls& c = menu.Controls();
  const HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
  for (const FlatButton* button : {&c.sbtnHelp, &c.sbtnClose, &c.sbtnExplore, &c.sbtnExpand})
    EXPECT_EQ(CursorOver(*button), hand);
  EXPECT_EQ(CursorOver(c.lblWelcome), hand);
  EXPECT_EQ(CursorOver(c.pWillkommen), hand);
  EXPECT_EQ(CursorOver(c.PageControl1), hand);
  // Between the buttons, the panel has the arrow.
  SetCursorPos(0, 0);
  EXPECT_EQ(CursorOver(c.pnButtons), LoadCursor(nullptr, IDC_ARROW));
  EXPECT_EQ(CursorOver(c.imgPreview), LoadCursorA(GetModuleHandleW(nullptr), "CZOOM"));
  EXPECT_EQ(CursorOver(c.mDesc), LoadCursor(nullptr, IDC_ARROW));
  EXPECT_NE(CursorOver(c.imgPreview), nullptr);
}

TEST_F(MainWindowLayoutTest, ControlsLieWhereTheLayoutPutsThem) {
  const MainWindowControls& c = menu.Controls();
  EXPECT_EQ(BoundsInParent(c.pWillkommen), (Bounds{8, 8, 321, 41}));
  EXPECT_EQ(BoundsInParent(c.lblShadow), (Bounds{8, 7, 305, 28}));
  EXPECT_EQ(BoundsInParent(c.lblWelcome), (Bounds{8, 8, 305, 28}));
  EXPECT_EQ(BoundsInParent(c.GroupBox1), (Bounds{8, 56, 321, 185}));
  // The tree belongs to the window but lies in the group box at 8, 16.
  EXPECT_EQ(BoundsInParent(c.tvMenu), (Bounds{16, 72, 305, 161}));
  EXPECT_EQ(BoundsInParent(c.pnButtons), (Bounds{8, 248, 321, 41}));
  EXPECT_EQ(BoundsInParent(c.sbtnHelp), (Bounds{8, 8, 23, 25}));
  EXPECT_EQ(BoundsInParent(c.sbtnClose), (Bounds{72, 8, 75, 25}));
  EXPECT_EQ(BoundsInParent(c.sbtnExplore), (Bounds{176, 8, 75, 25}));
  EXPECT_EQ(BoundsInParent(c.sbtnExpand), (Bounds{290, 8, 23, 25}));
  EXPECT_EQ(BoundsInParent(c.PageControl1), (Bounds{336, 8, 281, 285}));
  EXPECT_EQ(BoundsInParent(c.StatusBar), (Bounds{0, 296, 621, 19}));
  const SIZE preview = ClientSize(c.imgPreview);
  EXPECT_EQ(preview.cx, 269);
  EXPECT_EQ(preview.cy, 250);
}

TEST_F(MainWindowLayoutTest, CaptionsAndHints) {
  const MainWindowControls& c = menu.Controls();
  EXPECT_EQ(WindowText(c.GroupBox1), "Menü");
  EXPECT_EQ(c.sbtnHelp.Caption(), L"?");
  EXPECT_EQ(c.sbtnClose.Caption(), L"Ende");
  EXPECT_EQ(c.sbtnExplore.Caption(), L"Suchen");
  EXPECT_EQ(c.sbtnExpand.Caption(), L"<<");
  EXPECT_EQ(HintText(c.hints, c.pWillkommen), "Über Pandor 7");
  // The banner panel's hint is the labels' too: the panel gets their mouse.
  EXPECT_EQ(c.lblWelcome.Host(), c.pWillkommen);
  EXPECT_EQ(HintText(c.hints, c.sbtnHelp), "Hilfefenster einblenden");
  EXPECT_EQ(HintText(c.hints, c.sbtnClose), "Autostart beenden");
  EXPECT_EQ(HintText(c.hints, c.sbtnExplore), "CD durchsuchen");
  EXPECT_EQ(HintText(c.hints, c.sbtnExpand), "Infos ausblenden");
  EXPECT_EQ(HintText(c.hints, c.imgPreview), "Anklicken für Vergrößerung");
  EXPECT_EQ(TabCtrl_GetItemCount(c.PageControl1), 1);
  // The tree's tooltip for names it cuts off.
  EXPECT_TRUE(IsWindow(TreeView_GetToolTips(c.tvMenu)));
}

TEST_F(MainWindowLayoutTest, SettingsGiveColoursTextsAndFonts) {
  const MainWindowControls& c = menu.Controls();
  EXPECT_EQ(c.lblWelcome.Caption(), L"Grüß Gott");
  EXPECT_EQ(c.lblShadow.Caption(), L"Grüß Gott");
  EXPECT_EQ(WindowText(c.pWillkommen), "Grüß Gott");
  EXPECT_EQ(c.lblWelcome.Colour(), RGB(0, 0, 255));
  EXPECT_EQ(c.lblShadow.Colour(), RGB(0, 255, 0));
  EXPECT_EQ(ControlTextColour(c.mDesc), RGB(128, 0, 0));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(c.tvMenu, TVM_GETBKCOLOR, 0, 0)), RGB(255, 250, 240));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(c.tvMenu, TVM_GETTEXTCOLOR, 0, 0)), RGB(0, 128, 0));
  EXPECT_EQ(FontFace(c.tvMenu), "Arial");
  EXPECT_EQ(FontHeight(c.tvMenu), -16);  // 12 points at 96 dpi
  EXPECT_EQ(FontFace(c.lblWelcome.Font()), "Arial");
  EXPECT_EQ(FontHeight(c.lblWelcome.Font()), -24);
  EXPECT_EQ(StatusText(c.StatusBar), "Statuszeile");
  EXPECT_EQ(WindowText(c.mDesc), "Willkommen im Test\r\n\r\nZweite Zeile");
  EXPECT_TRUE(menu.Window().State().welcomeShown);
  EXPECT_TRUE(menu.Window().State().hoverEffects);
  EXPECT_EQ(menu.Window().State().iconStyle, 3);
}

TEST_F(MainWindowLayoutTest, TreeShowsGroupsAndProgramsInFileOrderWithTheirImages) {
  // A group's programs get their items when it is first opened.
  std::vector<TreeItem> items = TreeItems(menu.Controls().tvMenu);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].text, "Werkzeuge");
  EXPECT_EQ(items[0].image, kImageFolderClosed);
  EXPECT_EQ(items[1].text, "Handbuch");
  EXPECT_EQ(items[1].depth, 0);
  EXPECT_TRUE(IsWindowEnabled(menu.Controls().tvMenu));

  TreeView_Expand(menu.Controls().tvMenu, TreeView_GetRoot(menu.Controls().tvMenu), TVE_EXPAND);
  items = TreeItems(menu.Controls().tvMenu);
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0].image, kImageFolderOpen);
  EXPECT_EQ(items[1].text, "Rechner");
  EXPECT_EQ(items[1].depth, 1);
  EXPECT_EQ(items[1].image, kImageCdRom);
  EXPECT_EQ(items[2].text, "Packer");
  EXPECT_EQ(items[3].text, "Handbuch");
  EXPECT_EQ(items[3].depth, 0);
}

TEST_F(MainWindowLayoutTest, ButtonsAreDrawnWithTheirCaptionColourOnThePanelColour) {
  const FlatButton& ende = menu.Controls().sbtnClose;
  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, 75, 25);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  FlatButtonLook look;
  look.caption = ende.Caption();
  look.captionColour = RGB(255, 0, 0);
  look.background = RGB(255, 250, 240);
  PaintFlatButton(dc, RECT{0, 0, 75, 25}, look);
  int red = 0;
  for (int x = 0; x < 75; ++x)
    for (int y = 0; y < 25; ++y) red += GetPixel(dc, x, y) == RGB(255, 0, 0);
  EXPECT_EQ(GetPixel(dc, 1, 1), RGB(255, 250, 240));
  EXPECT_GT(red, 10);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

}  // namespace
}  // namespace pandor::testing
