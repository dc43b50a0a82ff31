#pragma once
// Reading back the pictures of an image list against the art they come from.

#include <windows.h>
#include <commctrl.h>

namespace pandor::testing {

// How many pixels of the list's image differ from the art image of the same
// index in the strip (square images side by side, magenta see-through) when
// every art pixel is a factor x factor square and the art lies margin pixels
// inside the cell, nothing around it.
int PixelsUnlikeArt(HIMAGELIST list, int index, HBITMAP strip, int artSize, int factor, int margin);

}  // namespace pandor::testing
