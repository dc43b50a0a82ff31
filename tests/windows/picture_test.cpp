// Preview pictures as the user sees them: drawn into a 269 x 250 area of a
// memory canvas and read back pixel by pixel, and the texts of the errors.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "menu/menu_error.h"
#include "platform/handle.h"
#include "platform/picture.h"
#include "platform/pixel_buffer.h"
#include "tests/windows/picture_files.h"
#include "tests/windows/test_folder.h"

namespace pandor {
namespace {

using testing::BitmapLayout;
using testing::FilledRect;
using testing::TestImage;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kBackground = RGB(0, 160, 0);

// The preview's area, placed inside a larger canvas so that drawing outside
// it shows.
constexpr int kAreaWidth = 269;
constexpr int kAreaHeight = 250;
constexpr RECT kArea{15, 20, 15 + kAreaWidth, 20 + kAreaHeight};
constexpr int kCanvasWidth = 300;
constexpr int kCanvasHeight = 290;

// JPEG is lossy; everything else must come out exact.
constexpr int kJpegTolerance = 24;

// A 32-bit memory canvas filled with the background colour.
class Canvas {
 public:
  Canvas() : dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kCanvasWidth, -kCanvasHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    pixels_ = static_cast<const uint32_t*>(bits);
    old_ = SelectObject(dc_.get(), bitmap_.get());
    const BrushHandle brush(CreateSolidBrush(kBackground));
    const RECT all{0, 0, kCanvasWidth, kCanvasHeight};
    FillRect(dc_.get(), &all, brush.get());
  }
  ~Canvas() { SelectObject(dc_.get(), old_); }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_.get(); }
  COLORREF At(int x, int y) const {
    GdiFlush();
    const uint32_t bgrx = pixels_[y * kCanvasWidth + x];
    return RGB(bgrx >> 16 & 0xFF, bgrx >> 8 & 0xFF, bgrx & 0xFF);
  }
  // A point of the area.
  COLORREF InArea(int x, int y) const { return At(kArea.left + x, kArea.top + y); }
  int CountNot(COLORREF colour) const {
    int count = 0;
    for (int y = 0; y < kCanvasHeight; ++y) {
      for (int x = 0; x < kCanvasWidth; ++x) count += At(x, y) != colour;
    }
    return count;
  }

 private:
  MemoryDc dc_;
  BitmapHandle bitmap_;
  const uint32_t* pixels_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

std::string Hex(COLORREF c) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

::testing::AssertionResult Near(COLORREF actual, COLORREF expected, int tolerance) {
  const bool matches = std::abs(GetRValue(actual) - GetRValue(expected)) <= tolerance &&
                       std::abs(GetGValue(actual) - GetGValue(expected)) <= tolerance &&
                       std::abs(GetBValue(actual) - GetBValue(expected)) <= tolerance;
  if (matches) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << Hex(actual) << " where " << Hex(expected) << " was expected";
}

struct Probe {
  int x, y;  // in the area
  COLORREF colour;
};

void ExpectProbes(const Canvas& canvas, const std::vector<Probe>& probes, int tolerance) {
  for (const Probe& p : probes) {
    EXPECT_TRUE(Near(canvas.InArea(p.x, p.y), p.colour, tolerance)) << "at (" << p.x << ", " << p.y << ") of the area";
  }
}

// The picture's quadrants stretched over the whole area: near the area's
// corners, in the middle of each quadrant, and just beside the middle lines.
void ExpectQuadrantsFillArea(const Canvas& canvas, COLORREF topLeft, COLORREF topRight, COLORREF bottomLeft,
                             COLORREF bottomRight, int tolerance) {
  ExpectProbes(canvas,
               {{3, 3, topLeft},
                {265, 3, topRight},
                {3, 246, bottomLeft},
                {265, 246, bottomRight},
                {67, 62, topLeft},
                {201, 62, topRight},
                {67, 187, bottomLeft},
                {201, 187, bottomRight},
                {124, 115, topLeft},
                {145, 115, topRight},
                {124, 135, bottomLeft},
                {145, 135, bottomRight}},
               tolerance);
}

// Nothing drawn beside the area.
void ExpectOutsideAreaUntouched(const Canvas& canvas) {
  for (const POINT& p : std::vector<POINT>{{kArea.left - 2, 100},
                                           {kArea.right + 1, 100},
                                           {100, kArea.top - 2},
                                           {100, kArea.bottom + 1},
                                           {kArea.left - 1, kArea.top - 1},
                                           {kArea.right, kArea.bottom}}) {
    EXPECT_EQ(Hex(canvas.At(p.x, p.y)), Hex(kBackground)) << "at (" << p.x << ", " << p.y << ") of the canvas";
  }
}

std::string DrawError(Picture& picture, const Canvas& canvas) {
  try {
    picture.Draw(canvas.Dc(), kArea);
    return "";
  } catch (const MenuError& error) {
    return error.what();
  }
}

std::string LoadError(const std::string& path) {
  try {
    LoadPicture(path);
    return "(loaded)";
  } catch (const MenuError& error) {
    return error.what();
  }
}

std::unique_ptr<Picture> Load(const testing::TestFolder& folder, const std::string& name, const std::string& bytes) {
  return LoadPicture(folder.Write(name, bytes));
}

TestImage FourColours(int width, int height) { return testing::Quadrants(width, height, kRed, kBlue, kYellow, kWhite); }

std::string JpegError(int messageNumber) { return "JPEG error #" + std::to_string(messageNumber); }

// ---------------------------------------------------------------------------
// Choosing the format

TEST(PictureFileTest, ExtensionChoosesTheFormatWhateverItsCase) {
  const testing::TestFolder folder;
  const TestImage image = FourColours(16, 12);
  const struct {
    const char* name;
    std::string bytes;
    bool icon;
  } cases[] = {
      {"BILD.JpEg", testing::JpegFile(image), false},
      {"bild.JPG", testing::JpegFile(image), false},
      {"Bild.Bmp", testing::BitmapFile(image, BitmapLayout::kRgb24), false},
      {"bild.ICO", testing::IconFile({FourColours(32, 32)}, 24), true},
      {"bild.Wmf",
       testing::WindowsMetafile(testing::QuadrantRects(200, 100, kRed, kBlue, kYellow, kWhite),
                                {true, {0, 0, 200, 100}, 96, false, {}, {}}),
       false},
      {"bild.eMF",
       testing::EnhancedMetafile(testing::QuadrantRects(200, 100, kRed, kBlue, kYellow, kWhite), {0, 0, 5000, 2500},
                                 {1000, 1000}, {250, 250}),
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto picture = Load(folder, c.name, c.bytes);
    EXPECT_EQ(picture->IsIcon(), c.icon);
    Canvas canvas;
    EXPECT_EQ(DrawError(*picture, canvas), "");
    EXPECT_TRUE(Near(canvas.InArea(8, 8), kRed, kJpegTolerance));
    EXPECT_TRUE(Near(canvas.InArea(c.icon ? 24 : 201, 8), kBlue, kJpegTolerance));
  }
}

TEST(PictureFileTest, UnknownExtensionIsNamedAsWritten) {
  const testing::TestFolder folder;
  const struct {
    const char* name;
    const char* text;
  } cases[] = {
      {"bild.gif", "Unbekannte Bilddateierweiterung (.gif)"},
      {"BILD.PNG", "Unbekannte Bilddateierweiterung (.PNG)"},
      {"bild", "Unbekannte Bilddateierweiterung (.)"},
      {"bild.", "Unbekannte Bilddateierweiterung (.)"},
      {"bild.bmp.txt", "Unbekannte Bilddateierweiterung (.txt)"},
      {"bild.jpeg2", "Unbekannte Bilddateierweiterung (.jpeg2)"},
      {"ordner.bmp\\bild", "Unbekannte Bilddateierweiterung (.)"},
      {"bild.b\xC3\xA4r", "Unbekannte Bilddateierweiterung (.bär)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = folder.Write(c.name, testing::BitmapFile(FourColours(4, 4), BitmapLayout::kRgb24));
    EXPECT_EQ(LoadError(path), c.text);
  }
  // The name alone decides: a file that isn't there gets the same answer.
  EXPECT_EQ(LoadError(folder.Path() + "fehlt.gif"), "Unbekannte Bilddateierweiterung (.gif)");
}

TEST(PictureFileTest, FileThatCannotBeOpenedIsNamed) {
  const testing::TestFolder folder;
  for (const char* name : {"bild.bmp", "bild.ico", "bild.wmf", "bild.emf", "bild.jpg"}) {
    SCOPED_TRACE(name);
    const std::string path = folder.Write(name, testing::BitmapFile(FourColours(4, 4), BitmapLayout::kRgb24));
    const FileHandle locked(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locked);
    EXPECT_EQ(LoadError(path), "Datei " + path + " kann nicht geöffnet werden");
  }
  const std::string missing = folder.Path() + "weg.jpg";
  EXPECT_EQ(LoadError(missing), "Datei " + missing + " kann nicht geöffnet werden");
}

// ---------------------------------------------------------------------------
// Bitmaps

TEST(BitmapPictureTest, EveryLayoutIsStretchedOverTheArea) {
  const testing::TestFolder folder;
  // An odd width gives every layout padded rows.
  const TestImage fourColours = FourColours(10, 6);
  const TestImage twoColours = testing::Quadrants(10, 6, kRed, kBlue, kBlue, kRed);
  for (BitmapLayout layout :
       {BitmapLayout::kRgb24, BitmapLayout::kRgb24TopDown, BitmapLayout::kRgb32, BitmapLayout::kRgb555,
        BitmapLayout::kBitfields565, BitmapLayout::kV5Bitfields32, BitmapLayout::kPalette8, BitmapLayout::kPalette4,
        BitmapLayout::kPalette1, BitmapLayout::kRle8, BitmapLayout::kRle4, BitmapLayout::kCore24,
        BitmapLayout::kCorePalette8}) {
    SCOPED_TRACE(testing::NameOf(layout));
    const bool mono = layout == BitmapLayout::kPalette1;
    const TestImage& image = mono ? twoColours : fourColours;
    const auto picture = Load(folder, "bild.bmp", testing::BitmapFile(image, layout));
    EXPECT_EQ(picture->Size().cx, 10);
    EXPECT_EQ(picture->Size().cy, 6);
    EXPECT_FALSE(picture->IsIcon());
    Canvas canvas;
    EXPECT_EQ(DrawError(*picture, canvas), "");
    ExpectQuadrantsFillArea(canvas, image.At(0, 0), image.At(9, 0), image.At(0, 5), image.At(9, 5), 0);
    ExpectOutsideAreaUntouched(canvas);
    EXPECT_EQ(canvas.CountNot(kBackground), kAreaWidth * kAreaHeight);
  }
}

TEST(BitmapPictureTest, EmptyBitmapsDrawNothing) {
  const testing::TestFolder folder;
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty file", ""},
      {"0 x 0 pixels", testing::BitmapFile(TestImage{}, BitmapLayout::kRgb24)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto picture = Load(folder, "leer.bmp", c.bytes);
    EXPECT_EQ(picture->Size().cx, 0);
    EXPECT_EQ(picture->Size().cy, 0);
    Canvas canvas;
    EXPECT_EQ(DrawError(*picture, canvas), "");
    EXPECT_EQ(canvas.CountNot(kBackground), 0);
  }
}

TEST(BitmapPictureTest, DamagedFilesAreReportedByWhatIsWrong) {
  const testing::TestFolder folder;
  const std::string good = testing::BitmapFile(FourColours(10, 6), BitmapLayout::kRgb24);
  const std::string palette = testing::BitmapFile(FourColours(10, 6), BitmapLayout::kPalette8);
  const auto patched = [](std::string bytes, size_t at, std::initializer_list<unsigned char> values) {
    for (unsigned char v : values) bytes[at++] = static_cast<char>(v);
    return bytes;
  };
  const std::string cutShort = "Stream-Read-Fehler";
  const std::string invalid = "Bitmap ist ungültig";
  const struct {
    const char* what;
    std::string bytes;
    std::string text;
  } cases[] = {
      {"file header cut short", good.substr(0, 9), cutShort},
      {"info header cut short", good.substr(0, 14 + 20), cutShort},
      {"colour table cut short", palette.substr(0, 14 + 40 + 4 * 2), cutShort},
      {"pixel rows cut short", good.substr(0, good.size() - 1), cutShort},
      {"no pixel rows", good.substr(0, 14 + 40), cutShort},
      {"not BM", patched(good, 0, {'M', 'B'}), invalid},
      {"unknown header size", patched(good, 14, {41}), invalid},
      {"two planes", patched(good, 14 + 12, {2}), invalid},
      {"bit depth 7", patched(good, 14 + 14, {7}), invalid},
      {"colour masks for 24 bits", patched(good, 14 + 16, {BI_BITFIELDS}), invalid},
      {"unknown compression", patched(good, 14 + 16, {9}), invalid},
      {"negative width", patched(good, 14 + 4, {0xF6, 0xFF, 0xFF, 0xFF}), invalid},
      {"more colours than 8 bits hold", patched(palette, 14 + 32, {0x01, 0x01}), invalid},
      {"random bytes", testing::NoiseBytes(500), invalid},
      {"JPEG named .bmp", testing::JpegFile(FourColours(8, 8)), invalid},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(LoadError(folder.Write("bild.bmp", c.bytes)), c.text);
  }
}

// ---------------------------------------------------------------------------
// Icons

// A 32 x 32 image whose bottom right quadrant lets the background through.
TestImage IconImage(int size) { return testing::Quadrants(size, size, kRed, kBlue, kYellow, testing::kClear); }

void ExpectIconInTopLeftCorner(const Canvas& canvas) {
  const int size = GetSystemMetrics(SM_CXICON);
  ASSERT_EQ(size, 32) << "the tests expect Wine's standard icon size";
  ExpectProbes(canvas,
               {{1, 1, kRed},
                {8, 8, kRed},
                {24, 8, kBlue},
                {30, 1, kBlue},
                {8, 24, kYellow},
                {1, 30, kYellow},
                {24, 24, kBackground},
                {40, 8, kBackground},
                {8, 40, kBackground},
                {200, 200, kBackground}},
               0);
  // Three quadrants of 16 x 16 pixels and nothing else: not stretched.
  EXPECT_EQ(canvas.CountNot(kBackground), 3 * 16 * 16);
}

TEST(IconPictureTest, DrawnOnceAtTheSystemIconSizeInTheTopLeftCorner) {
  const testing::TestFolder folder;
  for (int bits : {8, 24, 32}) {
    SCOPED_TRACE(bits);
    const auto picture = Load(folder, "bild.ico", testing::IconFile({IconImage(32)}, bits));
    EXPECT_TRUE(picture->IsIcon());
    EXPECT_EQ(picture->Size().cx, GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(picture->Size().cy, GetSystemMetrics(SM_CYICON));
    Canvas canvas;
    EXPECT_EQ(DrawError(*picture, canvas), "");
    ExpectIconInTopLeftCorner(canvas);
  }
}

TEST(IconPictureTest, ShownAtTheSystemSizeWhateverSizesTheFileHolds) {
  const testing::TestFolder folder;
  const TestImage green16 = testing::Quadrants(16, 16, kWhite, kWhite, kWhite, kWhite);
  const TestImage grey48 = testing::Quadrants(48, 48, kGrey, kGrey, kGrey, kGrey);
  const struct {
    const char* what;
    std::vector<TestImage> images;
  } cases[] = {
      {"16 x 16 only, enlarged", {IconImage(16)}},
      {"48 x 48 only, reduced", {IconImage(48)}},
      {"the 32 x 32 one of three", {green16, IconImage(32), grey48}},
      {"the 32 x 32 one, listed last", {grey48, green16, IconImage(32)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto picture = Load(folder, "bild.ico", testing::IconFile(c.images, 24));
    EXPECT_EQ(picture->Size().cx, 32);
    EXPECT_EQ(picture->Size().cy, 32);
    Canvas canvas;
    picture->Draw(canvas.Dc(), kArea);
    ExpectIconInTopLeftCorner(canvas);
  }
}

TEST(IconPictureTest, DamagedFilesAreInvalidIcons) {
  const testing::TestFolder folder;
  const std::string good = testing::IconFile({IconImage(32)}, 24);
  const auto patched = [](std::string bytes, size_t at, std::initializer_list<unsigned char> values) {
    for (unsigned char v : values) bytes[at++] = static_cast<char>(v);
    return bytes;
  };
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty file", ""},
      {"directory cut short", good.substr(0, 4)},
      {"entry cut short", good.substr(0, 6 + 10)},
      {"image cut short", good.substr(0, good.size() - 20)},
      {"a cursor", patched(good, 2, {2})},
      {"no images", patched(good, 4, {0})},
      {"image beyond the file", patched(good, 6 + 12, {0x00, 0x10})},
      {"image header garbage", patched(good, 6 + 16, {0x77, 0x77, 0x77, 0x77})},
      {"random bytes", testing::NoiseBytes(500)},
      {"bitmap named .ico", testing::BitmapFile(FourColours(8, 8), BitmapLayout::kRgb24)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(LoadError(folder.Write("bild.ico", c.bytes)), "Ungültiges Symbol");
  }
}

// ---------------------------------------------------------------------------
// Metafiles

std::vector<FilledRect> MetaQuadrants(int width, int height) {
  return testing::QuadrantRects(width, height, kRed, kBlue, kYellow, kWhite);
}

TEST(MetafilePictureTest, EveryKindIsStretchedOverTheAreaAtItsNaturalSize) {
  const testing::TestFolder folder;
  testing::WindowsMetafileOptions placeable;
  placeable.placeable = true;
  placeable.boundingBox = {0, 0, 2880, 1440};
  placeable.unitsPerInch = 1440;  // 2 x 1 inches
  testing::WindowsMetafileOptions placeableOffset = placeable;
  placeableOffset.boundingBox = {1000, 500, 1000 + 2880, 500 + 1440};
  testing::WindowsMetafileOptions plainWithWindow;
  plainWithWindow.setsWindow = true;
  plainWithWindow.windowExtent = {300, 150};
  testing::WindowsMetafileOptions plainWithoutWindow;

  std::vector<FilledRect> offsetRects = MetaQuadrants(2880, 1440);
  for (FilledRect& r : offsetRects) OffsetRect(&r.rect, 1000, 500);

  const struct {
    const char* what;
    const char* name;
    std::string bytes;
    SIZE size;
  } cases[] = {
      {"placeable", "bild.wmf", testing::WindowsMetafile(MetaQuadrants(2880, 1440), placeable), {192, 96}},
      {"placeable, box off the origin", "bild.wmf", testing::WindowsMetafile(offsetRects, placeableOffset), {192, 96}},
      {"plain, sets its window",
       "bild.wmf",
       testing::WindowsMetafile(MetaQuadrants(300, 150), plainWithWindow),
       {300, 150}},
      {"plain, in screen pixels",
       "bild.wmf",
       testing::WindowsMetafile(MetaQuadrants(80, 40), plainWithoutWindow),
       {80, 40}},
      // 4 pixels a millimetre on the device it was made for: 50 x 25 mm.
      {"enhanced",
       "bild.emf",
       testing::EnhancedMetafile(MetaQuadrants(200, 100), {0, 0, 5000, 2500}, {1000, 1000}, {250, 250}),
       {200, 100}},
      {"enhanced without its device's size counts at 96 dpi",
       "bild.emf",
       testing::EnhancedMetafile(MetaQuadrants(192, 96), {0, 0, 5080, 2540}, {0, 0}, {0, 0}),
       {192, 96}},
      {"enhanced named .wmf",
       "bild.wmf",
       testing::EnhancedMetafile(MetaQuadrants(200, 100), {0, 0, 5000, 2500}, {1000, 1000}, {250, 250}),
       {200, 100}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto picture = Load(folder, c.name, c.bytes);
    EXPECT_EQ(picture->Size().cx, c.size.cx);
    EXPECT_EQ(picture->Size().cy, c.size.cy);
    EXPECT_FALSE(picture->IsIcon());
    Canvas canvas;
    EXPECT_EQ(DrawError(*picture, canvas), "");
    ExpectQuadrantsFillArea(canvas, kRed, kBlue, kYellow, kWhite, 0);
    ExpectOutsideAreaUntouched(canvas);
  }
}

TEST(MetafilePictureTest, DrawingStaysInsideTheArea) {
  const testing::TestFolder folder;
  testing::WindowsMetafileOptions placeable;
  placeable.placeable = true;
  placeable.boundingBox = {0, 0, 100, 100};
  placeable.unitsPerInch = 96;
  // A rectangle reaching far beyond the bounding box on every side.
  const std::vector<FilledRect> wide{{{-500, -500, 600, 600}, kRed}};
  const struct {
    const char* what;
    const char* name;
    std::string bytes;
  } cases[] = {
      {"placeable", "bild.wmf", testing::WindowsMetafile(wide, placeable)},
      {"enhanced", "bild.emf", testing::EnhancedMetafile(wide, {0, 0, 2540, 2540}, {960, 960}, {254, 254})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto picture = Load(folder, c.name, c.bytes);
    Canvas canvas;
    picture->Draw(canvas.Dc(), kArea);
    ExpectProbes(canvas, {{0, 0, kRed}, {268, 249, kRed}}, 0);
    ExpectOutsideAreaUntouched(canvas);
  }
}

TEST(MetafilePictureTest, DamagedFilesAreInvalidMetafiles) {
  const testing::TestFolder folder;
  testing::WindowsMetafileOptions placeable;
  placeable.placeable = true;
  placeable.boundingBox = {0, 0, 200, 100};
  placeable.unitsPerInch = 96;
  const std::string wmf = testing::WindowsMetafile(MetaQuadrants(200, 100), placeable);
  const std::string plain = testing::WindowsMetafile(MetaQuadrants(200, 100), {});
  const std::string emf =
      testing::EnhancedMetafile(MetaQuadrants(200, 100), {0, 0, 5000, 2500}, {1000, 1000}, {250, 250});
  const auto patched = [](std::string bytes, size_t at, std::initializer_list<unsigned char> values) {
    for (unsigned char v : values) bytes[at++] = static_cast<char>(v);
    return bytes;
  };
  const struct {
    const char* what;
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty .wmf", "bild.wmf", ""},
      {"empty .emf", "bild.emf", ""},
      {"placeable header cut short", "bild.wmf", wmf.substr(0, 12)},
      {"placeable checksum wrong", "bild.wmf", patched(wmf, 20, {0x12, 0x34})},
      {"metafile header cut short", "bild.wmf", wmf.substr(0, 22 + 10)},
      {"records cut short", "bild.wmf", wmf.substr(0, wmf.size() / 2)},
      {"plain records cut short", "bild.wmf", plain.substr(0, plain.size() - 4)},
      {"unknown metafile type", "bild.wmf", patched(plain, 0, {7})},
      {"wrong header size", "bild.wmf", patched(plain, 2, {8})},
      {"record of size 0", "bild.wmf", patched(plain, 18, {0, 0, 0, 0})},
      {"record running past the end", "bild.wmf", patched(plain, 18, {0xFF, 0xFF, 0, 0})},
      {"enhanced header cut short", "bild.emf", emf.substr(0, 60)},
      {"enhanced records cut short", "bild.emf", emf.substr(0, emf.size() - 12)},
      {"enhanced record of size 0", "bild.emf", patched(emf, 108 + 4, {0, 0, 0, 0})},
      {"random bytes", "bild.emf", testing::NoiseBytes(500)},
      {"bitmap named .wmf", "bild.wmf", testing::BitmapFile(FourColours(8, 8), BitmapLayout::kRgb24)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(LoadError(folder.Write(c.name, c.bytes)), "Metadatei ist ungültig");
  }
}

// ---------------------------------------------------------------------------
// JPEG

TEST(JpegPictureTest, ColourModelsAreDecodedAndStretchedOverTheArea) {
  const testing::TestFolder folder;
  const TestImage colours = FourColours(64, 48);
  const TestImage greys = testing::Quadrants(64, 48, kWhite, RGB(0, 0, 0), RGB(96, 96, 96), RGB(192, 192, 192));
  const struct {
    const char* what;
    const TestImage& image;
    testing::JpegOptions options;
  } cases[] = {
      {"RGB", colours, {}},
      {"progressive", colours, {testing::JpegColours::kRgb, true}},
      {"greyscale", greys, {testing::JpegColours::kGrey}},
      {"Adobe CMYK", colours, {testing::JpegColours::kAdobeCmyk}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto picture = Load(folder, "bild.jpg", testing::JpegFile(c.image, c.options));
    EXPECT_EQ(picture->Size().cx, 64);
    EXPECT_EQ(picture->Size().cy, 48);
    EXPECT_FALSE(picture->IsIcon());
    Canvas canvas;
    EXPECT_EQ(DrawError(*picture, canvas), "");
    ExpectQuadrantsFillArea(canvas, c.image.At(0, 0), c.image.At(63, 0), c.image.At(0, 47), c.image.At(63, 47),
                            kJpegTolerance);
    ExpectOutsideAreaUntouched(canvas);
    EXPECT_EQ(canvas.CountNot(kBackground), kAreaWidth * kAreaHeight);
  }
}

TEST(JpegPictureTest, DamagedHeaderIsReportedAtLoad) {
  const testing::TestFolder folder;
  const std::string good = testing::JpegFile(FourColours(64, 48));
  const size_t sof = testing::JpegSegment(good, 0xC0);
  std::string zeroWidth = good;
  zeroWidth[sof + 7] = zeroWidth[sof + 8] = 0;
  std::string lossless = good;
  lossless[sof + 1] = static_cast<char>(0xC3);
  const struct {
    const char* what;
    std::string bytes;
    int message;
  } cases[] = {
      {"not a JPEG", "Das ist kein JPEG-Bild", JERR_NO_SOI},
      {"random bytes", testing::NoiseBytes(500), JERR_NO_SOI},
      {"start marker only", good.substr(0, 2), JERR_NO_IMAGE},
      // The file ends inside the quantisation table: libjpeg reads on into
      // the end marker it puts at the end, and finds no picture.
      {"cut inside the tables", good.substr(0, testing::JpegSegment(good, 0xDB) + 30), JERR_NO_IMAGE},
      {"width 0", zeroWidth, JERR_EMPTY_IMAGE},
      {"lossless coding", lossless, JERR_SOF_UNSUPPORTED},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(LoadError(folder.Write("bild.jpg", c.bytes)), JpegError(c.message));
  }
}

// The picture cut short after a share of its scan data.
std::string CutInScan(const std::string& jpeg, double share) {
  const size_t scan = testing::JpegScanStart(jpeg);
  return jpeg.substr(0, scan + static_cast<size_t>((jpeg.size() - 2 - scan) * share));
}

TEST(JpegPictureTest, FileCutShortShowsAsFarAsItGoesWithoutError) {
  const testing::TestFolder folder;
  const std::string good = testing::JpegFile(FourColours(128, 128));
  const struct {
    const char* what;
    std::string bytes;
    std::vector<Probe> probes;
  } cases[] = {
      {"without its end marker", good.substr(0, good.size() - 2), {{8, 8, kRed}, {201, 187, kWhite}}},
      {"in the middle of the scan", CutInScan(good, 0.4), {{8, 8, kRed}, {260, 8, kBlue}, {67, 240, kGrey}}},
      {"before the scan data", good.substr(0, testing::JpegScanStart(good)), {{8, 8, kGrey}, {260, 240, kGrey}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto picture = Load(folder, "bild.jpg", c.bytes);
    EXPECT_EQ(picture->Size().cx, 128);
    for (int drawing = 1; drawing <= 2; ++drawing) {
      SCOPED_TRACE(drawing);
      Canvas canvas;
      EXPECT_EQ(DrawError(*picture, canvas), "");
      ExpectProbes(canvas, c.probes, kJpegTolerance);
      EXPECT_EQ(canvas.CountNot(kBackground), kAreaWidth * kAreaHeight);
    }
  }
}

TEST(JpegPictureTest, DamagedDataIsReportedAtTheFirstDrawingOnly) {
  const testing::TestFolder folder;
  const std::string good = testing::JpegFile(FourColours(128, 128));
  // The first component asks for a quantisation table the file lacks.
  const size_t sof = testing::JpegSegment(good, 0xC0);
  std::string noTable = good;
  noTable[sof + 10 + 2] = 3;
  // The scan breaks off and a second frame header follows.
  const std::string frame = good.substr(sof, 2 + 17);
  const std::string secondFrame = CutInScan(good, 0.4) + frame + "\xFF\xD9";
  const struct {
    const char* what;
    std::string bytes;
    int message;
    std::vector<Probe> probes;  // after either drawing
    bool anythingDrawn;
  } cases[] = {
      {"missing table: nothing decoded", noTable, JERR_NO_QUANT_TABLE, {{8, 8, kBackground}}, false},
      {"second frame header after part of the scan",
       secondFrame,
       JERR_SOF_DUPLICATE,
       {{8, 8, kRed}, {260, 8, kBlue}, {67, 240, kGrey}},
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto picture = Load(folder, "bild.jpg", c.bytes);
    EXPECT_EQ(picture->Size().cx, 128);
    EXPECT_EQ(picture->Size().cy, 128);
    Canvas first;
    EXPECT_EQ(DrawError(*picture, first), JpegError(c.message));
    ExpectProbes(first, c.probes, kJpegTolerance);
    EXPECT_EQ(first.CountNot(kBackground), c.anythingDrawn ? kAreaWidth * kAreaHeight : 0);
    Canvas second;
    EXPECT_EQ(DrawError(*picture, second), "");
    ExpectProbes(second, c.probes, kJpegTolerance);
    EXPECT_EQ(second.CountNot(kBackground), first.CountNot(kBackground));
  }
}

TEST(JpegPictureTest, EmptyFileIsAnEmptyPicture) {
  const testing::TestFolder folder;
  const auto picture = Load(folder, "leer.jpeg", "");
  EXPECT_EQ(picture->Size().cx, 0);
  EXPECT_EQ(picture->Size().cy, 0);
  for (int drawing = 1; drawing <= 2; ++drawing) {
    Canvas canvas;
    EXPECT_EQ(DrawError(*picture, canvas), "");
    EXPECT_EQ(canvas.CountNot(kBackground), 0);
  }
}

// ---------------------------------------------------------------------------
// The pixels bitmaps and JPEG pictures are drawn from

TEST(PixelBufferTest, DecodedRowsFillTheirShareOfTheAreaOnly) {
  PixelBuffer pixels(10, 10);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      uint8_t* bgrx = pixels.Row(y) + 4 * x;
      bgrx[0] = y < 5 ? 0 : 255;
      bgrx[2] = y < 5 ? 255 : 0;
    }
  }
  const struct {
    int rows;
    std::vector<Probe> probes;
    int drawn;
  } cases[] = {
      {10, {{5, 5, kRed}, {260, 120, kRed}, {5, 130, kBlue}, {260, 245, kBlue}}, kAreaWidth * kAreaHeight},
      {5, {{5, 5, kRed}, {260, 120, kRed}, {5, 130, kBackground}, {260, 245, kBackground}}, kAreaWidth * 125},
      {2, {{5, 5, kRed}, {5, 45, kRed}, {5, 55, kBackground}}, kAreaWidth * 50},
      {0, {{5, 5, kBackground}}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rows);
    Canvas canvas;
    pixels.Draw(canvas.Dc(), kArea, c.rows);
    ExpectProbes(canvas, c.probes, 0);
    EXPECT_EQ(canvas.CountNot(kBackground), c.drawn);
  }
}

}  // namespace
}  // namespace pandor
