#pragma once
// The pictures the layout shows in cells of its own (node images, button
// glyphs) at the screen's resolution. Their art is drawn as pixel maps at 16
// and 24 pixels (resources named after the strip and the size, "NODEIMAGES16"
// and "NODEIMAGES24"); a cell of another size shows the art that fills it
// best, the art itself or a whole multiple of it enlarged pixel by pixel so
// that it stays sharp, centred in the cell.

#include <windows.h>
#include <commctrl.h>

#include <initializer_list>

namespace pandor {

struct ArtScale {
  int artSize;  // of the art drawn
  int factor;   // whole enlargement
  bool operator==(const ArtScale& other) const { return artSize == other.artSize && factor == other.factor; }
};

// The art size and factor that give the largest picture no larger than the
// cell; of two as large, the larger art, which has more detail. A cell
// smaller than all art gets the smallest art, cut at its edges.
ArtScale ChooseArt(int cellSize, std::initializer_list<int> artSizes);

// An image list of square cells from a strip of square art images side by
// side, magenta marking the see-through pixels, each image enlarged and
// centred as the scale says.
HIMAGELIST ImagesFromStrip(HBITMAP strip, ArtScale scale, int cellSize);

// The strip of that name for cells of cellSize pixels.
HIMAGELIST LoadLayoutImages(HINSTANCE instance, const char* name, int cellSize);

}  // namespace pandor
