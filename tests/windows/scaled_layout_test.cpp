// The windows on a screen of another resolution than 96 DPI: every layout
// number scaled, the pictures drawn from the art of their size, no text cut
// off. The test runs in a prefix whose resolution PANDOR7_WINE_DPI names.
#include <windows.h>
#include <gtest/gtest.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "dialogs/help_window.h"
#include "dialogs/preview_window.h"
#include "resources/resource_ids.h"
#include "tests/windows/accessible_probe.h"
#include "tests/windows/art_probe.h"
#include "tests/windows/dialog_driver.h"
#include "tests/windows/fake_services.h"
#include "tests/windows/menu_fixture.h"
#include "tests/windows/message_dialog_probe.h"
#include "tests/windows/picture_files.h"
#include "tests/windows/window_probe.h"

namespace pandor::testing {
namespace {

// The layout's figures at 96 DPI (621 x 315, the tree at 16, 72 with 305 x
// 161, ...) as they come out at each resolution.
struct Figures {
  int dpi;
  SIZE mainClient;
  Bounds tree;
  int foldedWidth;
  int statusBarHeight;
  SIZE preview;
  int treeIndent;
  int bannerFontHeight;
  int windowFontHeight;  // 8 points
  int imageSize;         // node images and glyphs
  int artSize;           // the art they are drawn from
  int cursorSize;        // the drawn one the system picks for its cursor size
  SIZE helpClient;
  Bounds helpText;
  Bounds okButton;  // of the help window
  int dialogMargin;
  SIZE dialogButton;
};

constexpr Figures kFigures[] = {
    {144, {932, 473}, {24, 108, 458, 242}, 504, 29, {404, 375}, 29, -36, -16, 24, 24, 48,
     {710, 635}, {24, 48, 662, 458}, {12, 588, 113, 38}, 12, {113, 38}},
    {120, {776, 394}, {20, 90, 381, 201}, 420, 24, {336, 313}, 24, -30, -13, 20, 16, 32,
     {591, 529}, {20, 40, 551, 381}, {10, 490, 94, 31}, 10, {94, 31}},
};

// The figures of the resolution the test was started for; the screen must
// have that resolution.
const Figures& Expected() {
  const char* asked = std::getenv("PANDOR7_WINE_DPI");
  const int dpi = asked ? std::atoi(asked) : 0;
  const HDC screen = GetDC(nullptr);
  const int screenDpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(screenDpi, dpi) << "the prefix doesn't have the resolution the test was started for";
  for (const Figures& figures : kFigures) {
    if (figures.dpi == dpi) return figures;
  }
  ADD_FAILURE() << "no figures for " << dpi << " DPI";
  return kFigures[0];
}

SIZE ImageSize(HIMAGELIST list) {
  int width = 0, height = 0;
  ImageList_GetIconSize(list, &width, &height);
  return SIZE{width, height};
}

SIZE CursorSize(HCURSOR cursor) {
  ICONINFO info{};
  GetIconInfo(cursor, &info);
  BITMAP mask{};
  GetObjectW(info.hbmMask, sizeof mask, &mask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  // A monochrome cursor's mask holds the AND and the XOR half, one above the other.
  return SIZE{mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2};
}

// Whether every line of a multi-line edit control shows within it: its text
// wrapped at its width takes no more lines than its height holds.
::testing::AssertionResult AllLinesVisible(HWND edit) {
  RECT format;
  SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  const LRESULT lines = SendMessageW(edit, EM_GETLINECOUNT, 0, 0);
  const LONG shown = (format.bottom - format.top) / FontMetrics(edit).tmHeight;
  if (lines <= shown) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << lines << " lines, " << shown << " shown";
}

// The demo medium's welcome text (ANSI), written to fill the description box
// at 96 DPI to its last line.
const std::vector<std::string> kWelcomeText = {
    "Herzlich willkommen auf der Demo-CD von Pandor 7!",
    "",
    "Links sehen Sie das Men\xFC mit allen Programmen dieses Datentr\xE4gers. Klicken Sie",
    "einen Eintrag einmal an, um hier Informationen und \x96 falls vorhanden \x96 ein",
    "Vorschaubild zu sehen. Ein Doppelklick startet das Programm.",
    "",
    "\xDC" "ber die Gruppen \x84Werkzeuge\x93 und \x84Spiele\x93 \xF6" "ffnen Sie weitere Eintr\xE4ge.",
    "Gr\xF6\xDF" "ere Texte bl\xE4ttern Sie mit den Tasten \x84m\x93 (weiter) und \x84h\x93 (zur\xFC" "ck).",
    "",
    "\xDC" "brigens: \xC4pfel, \xD6" "fen und \xDC" "bungen gibt es hier nicht \x96 nur Software.",
    "Viel Spa\xDF beim Ausprobieren w\xFCnscht Ihnen Ihr Pandor-Team!",
};

class ScaledMainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::string> settings = StandardSettings();
    settings.resize(18);  // up to the welcome text's marker
    settings.insert(settings.end(), kWelcomeText.begin(), kWelcomeText.end());
    menu.WriteSettings(settings);
    menu.WritePrograms({{"Werkzeuge", "a.exe", "Rechner", "", "", ""}, {"", "b.exe", "Handbuch", "", "", ""}});
    ASSERT_TRUE(menu.Open());
  }
  const Figures& expected = Expected();
  MenuFixture menu;
};

TEST_F(ScaledMainWindowTest, WindowTreeStatusBarAndPreviewScale) {
  const MainWindowControls& c = menu.Controls();
  const SIZE client = ClientSize(menu.Window().Handle());
  EXPECT_EQ(client.cx, expected.mainClient.cx);
  EXPECT_EQ(client.cy, expected.mainClient.cy);
  EXPECT_EQ(BoundsInParent(c.tvMenu), expected.tree);
  EXPECT_EQ(BoundsInParent(c.StatusBar),
            (Bounds{0, expected.mainClient.cy - expected.statusBarHeight, expected.mainClient.cx,
                    expected.statusBarHeight}));
  const SIZE preview = ClientSize(c.imgPreview);
  EXPECT_EQ(preview.cx, expected.preview.cx);
  EXPECT_EQ(preview.cy, expected.preview.cy);
  EXPECT_EQ(SendMessageW(c.tvMenu, TVM_GETINDENT, 0, 0), expected.treeIndent);
}

TEST_F(ScaledMainWindowTest, PixelFontsScalePointFontsFollowTheResolution) {
  const MainWindowControls& c = menu.Controls();
  EXPECT_EQ(FontHeight(c.lblWelcome.Font()), expected.bannerFontHeight);
  EXPECT_EQ(FontHeight(c.mDesc), expected.windowFontHeight);
  EXPECT_EQ(FontHeight(c.tvMenu), -MulDiv(12, expected.dpi, 72));  // the menu's 12 points
  // The status text has room in its bar.
  EXPECT_LT(FontMetrics(c.StatusBar).tmHeight, expected.statusBarHeight);
}

TEST_F(ScaledMainWindowTest, FoldingTakesTheScaledWidthAndGivesItBack) {
  MainWindow& window = menu.Window();
  window.Show();
  window.sbtnExpandClick();
  EXPECT_EQ(ClientSize(window.Handle()).cx, expected.foldedWidth);
  EXPECT_EQ(ClientSize(window.Handle()).cy, expected.mainClient.cy);
  window.sbtnExpandClick();
  EXPECT_EQ(ClientSize(window.Handle()).cx, expected.mainClient.cx);
}

TEST_F(ScaledMainWindowTest, NodeImagesAndGlyphsAreTheArtOfTheirSizeUnblended) {
  const MainWindowControls& c = menu.Controls();
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const int margin = (expected.imageSize - expected.artSize) / 2;
  const struct {
    const char* art;
    HIMAGELIST list;
    int images;
  } strips[] = {
      {IDB_NODE_IMAGES, reinterpret_cast<HIMAGELIST>(SendMessageW(c.tvMenu, TVM_GETIMAGELIST, TVSIL_NORMAL, 0)), 7},
      {IDB_GLYPH_ENDE, c.sbtnClose.Glyph(), 1},
      {IDB_GLYPH_SUCHEN, c.sbtnExplore.Glyph(), 1},
  };
  for (const auto& strip : strips) {
    SCOPED_TRACE(strip.art);
    ASSERT_NE(strip.list, nullptr);
    const SIZE size = ImageSize(strip.list);
    EXPECT_EQ(size.cx, expected.imageSize);
    EXPECT_EQ(size.cy, expected.imageSize);
    const std::string name = strip.art + std::to_string(expected.artSize);
    const auto art = static_cast<HBITMAP>(LoadImageA(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(art, nullptr);
    for (int image = 0; image < strip.images; ++image)
      EXPECT_EQ(PixelsUnlikeArt(strip.list, image, art, expected.artSize, 1, margin), 0) << "image " << image;
    DeleteObject(art);
  }
}

TEST_F(ScaledMainWindowTest, ZoomCursorHasTheSystemsCursorSize) {
  const SIZE size = CursorSize(CursorOver(menu.Controls().imgPreview));
  EXPECT_EQ(size.cx, expected.cursorSize);
  EXPECT_EQ(size.cy, expected.cursorSize);
}

TEST_F(ScaledMainWindowTest, WelcomeTextShowsToItsLastLine) {
  EXPECT_TRUE(AllLinesVisible(menu.Controls().mDesc));
}

TEST_F(ScaledMainWindowTest, ScreenReadersAreToldWhereTheDrawnControlsLie) {
  // "Ende" and the banner text in the window's client area: the panel's
  // place and the control's on it, each scaled.
  const struct {
    int dpi;
    Bounds ende, banner;
  } places[] = {
      {144, {120, 384, 113, 38}, {24, 24, 458, 42}},
      {120, {100, 320, 94, 31}, {20, 20, 381, 35}},
  };
  const auto place = std::find_if(std::begin(places), std::end(places), [&](const auto& p) { return p.dpi == expected.dpi; });
  ASSERT_NE(place, std::end(places));
  menu.Window().Show();
  POINT origin{0, 0};
  ClientToScreen(menu.Window().Handle(), &origin);
  const auto inClient = [&](Bounds onScreen) {
    return Bounds{onScreen.left - origin.x, onScreen.top - origin.y, onScreen.width, onScreen.height};
  };
  EXPECT_EQ(inClient(AccessibleProbe(menu.Controls().pnButtons).Facts(2).location), place->ende);
  EXPECT_EQ(inClient(AccessibleProbe(menu.Controls().pWillkommen).Facts(1).location), place->banner);
}

class ScaledDialogsTest : public ::testing::Test {
 protected:
  const Figures& expected = Expected();
  HostWindow main;
  TestFolder folder;
};

TEST_F(ScaledDialogsTest, HelpWindowScalesAndShowsAllOfItsText) {
  RecordingShell shell;
  HelpWindow help;
  help.Create(GetModuleHandleW(nullptr), main.Handle(), shell, "C:\\");
  const SIZE client = ClientSize(help.Handle());
  EXPECT_EQ(client.cx, expected.helpClient.cx);
  EXPECT_EQ(client.cy, expected.helpClient.cy);
  EXPECT_EQ(BoundsInParent(help.Controls().mHilfe), expected.helpText);
  EXPECT_EQ(BoundsInParent(help.Controls().btnOK), expected.okButton);
  EXPECT_EQ(FontHeight(help.Controls().mHilfe), expected.windowFontHeight);
  EXPECT_TRUE(AllLinesVisible(help.Controls().mHilfe));
}

TEST_F(ScaledDialogsTest, MessageDialogScalesItsMarginsAndButtonAndFitsItsText) {
  const std::string text = "Fehler!\r\rDie Datei \"options.dat\" liegt in falscher Version vor!";
  const DialogSeen dialog = ShowAndClose(text, VK_RETURN);
  ASSERT_TRUE(dialog.found);
  EXPECT_EQ(dialog.text, text);
  EXPECT_EQ(dialog.textBounds.left, expected.dialogMargin);
  EXPECT_EQ(dialog.textBounds.top, expected.dialogMargin);
  EXPECT_EQ(dialog.buttonBounds.width, expected.dialogButton.cx);
  EXPECT_EQ(dialog.buttonBounds.height, expected.dialogButton.cy);
  EXPECT_EQ(dialog.buttonBounds.top, dialog.textBounds.top + dialog.textBounds.height + expected.dialogMargin);
  EXPECT_EQ(dialog.client.cy, dialog.buttonBounds.top + dialog.buttonBounds.height + expected.dialogMargin);

  // Its three lines, the middle one empty, fit the text's place.
  const HFONT font = CreateFontW(-MulDiv(8, expected.dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                 DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif");
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const std::wstring longest = L"Die Datei \"options.dat\" liegt in falscher Version vor!";
  SIZE line{};
  GetTextExtentPoint32W(dc, longest.c_str(), static_cast<int>(longest.size()), &line);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  EXPECT_GE(dialog.textBounds.height, 3 * metrics.tmHeight);
  EXPECT_GE(dialog.textBounds.width, line.cx);
}

TEST_F(ScaledDialogsTest, EnlargedPreviewShowsThePictureAtItsOwnPixelSize) {
  PreviewWindow preview;
  preview.Create(GetModuleHandleW(nullptr), main.Handle());
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const struct {
    int width, height, shownWidth, shownHeight;
  } cases[] = {{200, 100, 200, 100}, {2000, 100, screenWidth, screenHeight}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    const std::string file = folder.Write(
        "bild.bmp", BitmapFile(Quadrants(c.width, c.height, RGB(255, 0, 0), RGB(0, 0, 255), RGB(255, 255, 0),
                                         RGB(255, 255, 255)),
                               BitmapLayout::kRgb24));
    ASSERT_TRUE(preview.Prepare(file));
    EXPECT_EQ(BoundsInParent(preview.Image()), (Bounds{0, 0, c.shownWidth, c.shownHeight}));
  }
}

}  // namespace
}  // namespace pandor::testing
