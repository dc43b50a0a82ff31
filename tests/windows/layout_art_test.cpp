// The layout's pictures at other sizes: which art a cell shows, and that the
// art is enlarged pixel by pixel and centred, never blended.
#include <windows.h>
#include <gtest/gtest.h>

#include "mainwindow/layout_art.h"
#include "resources/resource_ids.h"
#include "tests/windows/art_probe.h"

namespace pandor::testing {
namespace {

TEST(LayoutArtTest, CellsShowTheLargestWholeMultipleOfTheArtThatFits) {
  const struct {
    int cell;
    ArtScale art;
  } cases[] = {
      {16, {16, 1}},  // 96 DPI
      {20, {16, 1}},  // 120 DPI: the small art with a margin
      {24, {24, 1}},  // 144 DPI
      {28, {24, 1}},  // 168 DPI
      {32, {16, 2}},  // 192 DPI
      {40, {16, 2}},
      {48, {24, 2}},  // as large as three times the small art: the more detailed one
      {64, {16, 4}},
      {72, {24, 3}},
      {12, {16, 1}},  // smaller than any art
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cell);
    EXPECT_EQ(ChooseArt(c.cell, {16, 24}), c.art);
  }
}

// Two 4 x 4 images: a cross of colours, one corner see-through.
HBITMAP TestStrip() {
  const HDC screen = GetDC(nullptr);
  const HBITMAP strip = CreateCompatibleBitmap(screen, 8, 4);
  const HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ old = SelectObject(dc, strip);
  for (int x = 0; x < 8; ++x) {
    for (int y = 0; y < 4; ++y) {
      const int value = 20 * x + 60 * y;
      SetPixel(dc, x, y, x % 4 == 3 && y == 0 ? RGB(255, 0, 255) : RGB(value, 255 - value, x < 4 ? 0 : 200));
    }
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return strip;
}

TEST(LayoutArtTest, ImagesAreTheArtEnlargedByWholePixelsAndCentred) {
  const HBITMAP strip = TestStrip();
  const struct {
    const char* what;
    ArtScale scale;
    int cell, margin;
  } cases[] = {
      {"as drawn", {4, 1}, 4, 0},
      {"doubled", {4, 2}, 8, 0},
      {"doubled with a margin", {4, 2}, 10, 1},
      {"tripled with an uneven margin", {4, 3}, 15, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const HIMAGELIST list = ImagesFromStrip(strip, c.scale, c.cell);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(list), 2);
    int width = 0, height = 0;
    ImageList_GetIconSize(list, &width, &height);
    EXPECT_EQ(width, c.cell);
    EXPECT_EQ(height, c.cell);
    for (int image = 0; image < 2; ++image)
      EXPECT_EQ(PixelsUnlikeArt(list, image, strip, 4, c.scale.factor, c.margin), 0) << "image " << image;
    ImageList_Destroy(list);
  }
  DeleteObject(strip);
}

TEST(LayoutArtTest, EveryStripHasItsArtAtBothSizes) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const char* name : {IDB_NODE_IMAGES, IDB_GLYPH_ENDE, IDB_GLYPH_SUCHEN}) {
    for (int size : {16, 24}) {
      SCOPED_TRACE(std::string(name) + std::to_string(size));
      const HIMAGELIST list = LoadLayoutImages(instance, name, size);
      const HBITMAP art = static_cast<HBITMAP>(
          LoadImageA(instance, (name + std::to_string(size)).c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
      ASSERT_NE(art, nullptr);
      BITMAP strip{};
      GetObjectW(art, sizeof strip, &strip);
      EXPECT_EQ(strip.bmHeight, size);
      EXPECT_EQ(ImageList_GetImageCount(list), strip.bmWidth / size);
      EXPECT_EQ(PixelsUnlikeArt(list, 0, art, size, 1, 0), 0);
      DeleteObject(art);
      ImageList_Destroy(list);
    }
  }
}

}  // namespace
}  // namespace pandor::testing
