// The enlarged preview: its size and place for pictures of every size, how a
// click closes it, and what happens when the picture can't be shown.
#include <windows.h>
#include <gtest/gtest.h>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "dialogs/preview_window.h"
#include "menu/menu_error.h"
#include "resources/resource_ids.h"
#include "tests/windows/dialog_driver.h"
#include "tests/windows/picture_files.h"
#include "tests/windows/test_folder.h"
#include "tests/windows/window_probe.h"

namespace pandor::testing {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

std::string Bitmap(int width, int height) {
  return BitmapFile(Quadrants(width, height, kRed, kBlue, kYellow, kWhite), BitmapLayout::kRgb24);
}

class PreviewWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    preview.Create(GetModuleHandleW(nullptr), main.Handle());
    ASSERT_TRUE(preview.Handle());
  }

  // Runs the preview modally while the steps run; the last one closes it,
  // not one before.
  void RunWith(std::vector<std::function<void()>> steps) {
    const size_t count = steps.size();
    const ModalDriver driver(std::move(steps), [this] { PostMessageW(preview.Handle(), WM_CLOSE, 0, 0); });
    preview.RunModal();
    EXPECT_EQ(driver.StepsRun(), count);
  }

  // A click where the user sees the picture, on whatever window is there.
  void ClickAt(POINT screen) {
    const HWND there = WindowFromPoint(screen);
    EXPECT_EQ(there, preview.Image());
    ScreenToClient(there, &screen);
    PostClick(there, screen);
  }

  RECT Place() const {
    RECT rect;
    GetWindowRect(preview.Handle(), &rect);
    return rect;
  }

  HostWindow main;
  PreviewWindow preview;
  TestFolder folder;
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
};

TEST_F(PreviewWindowTest, CreatedHiddenWithoutFrameAndAllPicture) {
  const HWND window = preview.Handle();
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(WindowText(window), "Vorschau");
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_SYSMENU));
  EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & (WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE));
  const RECT place = Place();
  EXPECT_EQ(place.right - place.left, 427);
  EXPECT_EQ(place.bottom - place.top, 273);
  EXPECT_EQ(BoundsInParent(preview.Image()), (Bounds{0, 0, 427, 273}));
  EXPECT_EQ(GetWindow(window, GW_OWNER), main.Handle());
}

TEST_F(PreviewWindowTest, HintAndCursorOfThePicture) {
  EXPECT_EQ(HintText(preview.Hints(), preview.Image()), "Anklicken um Vorschau zu schließen");
  SetCursor(nullptr);
  SendMessageW(preview.Image(), WM_SETCURSOR, reinterpret_cast<WPARAM>(preview.Image()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorA(GetModuleHandleW(nullptr), IDC_NOZOOM));
  EXPECT_NE(GetCursor(), nullptr);
}

TEST_F(PreviewWindowTest, OwnSizeWhenItFitsElseTheScreensCentredEitherWay) {
  ASSERT_LT(screenWidth, 2000);
  const struct {
    const char* what;
    int width, height;
    int shownWidth, shownHeight;
  } cases[] = {
      {"200 x 100", 200, 100, 200, 100},
      {"2000 pixels wide", 2000, 100, screenWidth, screenHeight},
      {"one pixel taller than the screen", 100, screenHeight + 1, screenWidth, screenHeight},
      {"one pixel wider than the screen", screenWidth + 1, 10, screenWidth, screenHeight},
      {"exactly the screen's size", screenWidth, screenHeight, screenWidth, screenHeight},
      {"as wide as the screen", screenWidth, 100, screenWidth, 100},
      {"as tall as the screen", 100, screenHeight, 100, screenHeight},
      {"one pixel", 1, 1, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string file = folder.Write("bild.bmp", Bitmap(c.width, c.height));
    ASSERT_TRUE(preview.Prepare(file));
    const RECT place = Place();
    EXPECT_EQ(place.right - place.left, c.shownWidth);
    EXPECT_EQ(place.bottom - place.top, c.shownHeight);
    EXPECT_EQ(place.left, (screenWidth - c.shownWidth) / 2);
    EXPECT_EQ(place.top, (screenHeight - c.shownHeight) / 2);
    // The picture fills the window.
    EXPECT_EQ(BoundsInParent(preview.Image()), (Bounds{0, 0, c.shownWidth, c.shownHeight}));
    EXPECT_FALSE(IsWindowVisible(preview.Handle()));
  }
}

TEST_F(PreviewWindowTest, IconAtTheSystemIconSizeWhateverTheFileHolds) {
  const std::string file = folder.Write("symbol.ico", IconFile({Quadrants(16, 16, kRed, kBlue, kYellow, kWhite)}, 24));
  ASSERT_TRUE(preview.Prepare(file));
  const RECT place = Place();
  EXPECT_EQ(place.right - place.left, GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(place.bottom - place.top, GetSystemMetrics(SM_CYICON));
  EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
  EXPECT_EQ(place.left, (screenWidth - 32) / 2);
  EXPECT_EQ(place.top, (screenHeight - 32) / 2);
}

TEST_F(PreviewWindowTest, AClickAnywhereOnThePictureClosesIt) {
  const struct {
    const char* what;
    int x, y;  // in the window
  } places[] = {{"middle", 100, 50}, {"top left corner", 0, 0}, {"bottom right corner", 199, 99}};
  for (const auto& p : places) {
    SCOPED_TRACE(p.what);
    ASSERT_TRUE(preview.Prepare(folder.Write("bild.bmp", Bitmap(200, 100))));
    RunWith({[&] {
      EXPECT_TRUE(IsWindowVisible(preview.Handle()));
      EXPECT_FALSE(IsWindowEnabled(main.Handle()));
      const RECT place = Place();
      ClickAt(POINT{place.left + p.x, place.top + p.y});
    }});
    EXPECT_TRUE(IsWindow(preview.Handle()));
    EXPECT_FALSE(IsWindowVisible(preview.Handle()));
    EXPECT_TRUE(IsWindowEnabled(main.Handle()));
  }
}

TEST_F(PreviewWindowTest, TheReleaseOfTheClickThatOpenedItDoesntCloseIt) {
  ASSERT_TRUE(preview.Prepare(folder.Write("bild.bmp", Bitmap(200, 100))));
  const POINT middle{100, 50};
  RunWith({[&] { PostMessageW(preview.Image(), WM_LBUTTONUP, 0, MAKELPARAM(middle.x, middle.y)); },
           [&] {
             EXPECT_TRUE(IsWindowVisible(preview.Handle()));
             PostClick(preview.Image(), middle);
           }});
  EXPECT_FALSE(IsWindowVisible(preview.Handle()));
}

TEST_F(PreviewWindowTest, ShowEnlargedShowsThePictureUntilClicked) {
  const std::string file = folder.Write("bild.bmp", Bitmap(200, 100));
  const ModalDriver driver({[&] {
                             EXPECT_TRUE(IsWindowVisible(preview.Handle()));
                             const RECT place = Place();
                             EXPECT_EQ(place.left, (screenWidth - 200) / 2);
                             EXPECT_EQ(place.right - place.left, 200);
                             ClickAt(POINT{place.left + 100, place.top + 50});
                           }},
                           [this] { PostMessageW(preview.Handle(), WM_CLOSE, 0, 0); });
  EXPECT_TRUE(preview.ShowEnlarged(file));
  EXPECT_EQ(driver.StepsRun(), 1u);
  EXPECT_FALSE(IsWindowVisible(preview.Handle()));
}

TEST_F(PreviewWindowTest, FileGoneSinceItWasShownIsReportedAndNoWindowOpens) {
  const std::string file = folder.Write("bild.bmp", Bitmap(200, 100));
  ASSERT_TRUE(preview.Prepare(file));
  RunWith({[&] { PostClick(preview.Image(), POINT{10, 10}); }});
  ASSERT_TRUE(DeleteFileA(file.c_str()));

  const HCURSOR before = LoadCursor(nullptr, IDC_ARROW);
  SetCursor(before);
  // Should a window open all the same, the driver closes it.
  const ModalDriver driver({[&] { PostMessageW(preview.Handle(), WM_CLOSE, 0, 0); }}, [] {});
  try {
    preview.ShowEnlarged(file);
    ADD_FAILURE() << "no error";
  } catch (const MenuError& error) {
    EXPECT_EQ(std::string(error.what()), "Datei " + file + " kann nicht geöffnet werden");
  }
  EXPECT_EQ(driver.StepsRun(), 0u);
  EXPECT_FALSE(IsWindowVisible(preview.Handle()));
  EXPECT_EQ(GetCursor(), before);  // not the hourglass
}

TEST_F(PreviewWindowTest, PictureWithoutAreaOpensNoWindow) {
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"leer.bmp", ""},
      {"leer.jpg", ""},
      {"nichts.bmp", BitmapFile(TestImage{}, BitmapLayout::kRgb24)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = folder.Write(c.name, c.bytes);
    const ModalDriver driver({[&] { PostMessageW(preview.Handle(), WM_CLOSE, 0, 0); }}, [] {});
    EXPECT_FALSE(preview.ShowEnlarged(file));
    EXPECT_EQ(driver.StepsRun(), 0u);
    EXPECT_FALSE(IsWindowVisible(preview.Handle()));
  }
}

TEST_F(PreviewWindowTest, DamagedJpegIsReportedWhenDrawnAndTheWindowStaysUntilClicked) {
  // The picture's only component asks for a quantisation table the file lacks.
  std::string jpeg = JpegFile(Quadrants(120, 80, kRed, kBlue, kYellow, kWhite));
  jpeg[JpegSegment(jpeg, 0xC0) + 10 + 2] = 3;
  std::vector<std::string> errors;
  preview.onError = [&](const std::string& text) {
    errors.push_back(text);
    EXPECT_TRUE(IsWindowVisible(preview.Handle()));
  };
  const ModalDriver driver({[&] {
                             UpdateWindow(preview.Image());
                             EXPECT_EQ(errors, (std::vector<std::string>{"JPEG error #" +
                                                                         std::to_string(JERR_NO_QUANT_TABLE)}));
                             EXPECT_TRUE(IsWindowVisible(preview.Handle()));
                             const RECT place = Place();
                             EXPECT_EQ(place.right - place.left, 120);
                             EXPECT_EQ(place.bottom - place.top, 80);
                           },
                           [&] {
                             EXPECT_TRUE(IsWindowVisible(preview.Handle()));
                             PostClick(preview.Image(), POINT{60, 40});
                           }},
                           [this] { PostMessageW(preview.Handle(), WM_CLOSE, 0, 0); });
  EXPECT_TRUE(preview.ShowEnlarged(folder.Write("kaputt.jpg", jpeg)));
  EXPECT_EQ(driver.StepsRun(), 2u);
  EXPECT_EQ(errors.size(), 1u);
}

}  // namespace
}  // namespace pandor::testing
