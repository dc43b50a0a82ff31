#pragma once
// JPEG pictures (.jpg, .jpeg) decoded with libjpeg at full size and best
// quality, into rows of four bytes a pixel: blue, green, red, unused (the
// screen's order). Greyscale, YCbCr and RGB pictures decode straight to it;
// CMYK and YCCK pictures are converted, taking the inverted values that
// Adobe's writers store when the file carries Adobe's marker.
//
// Errors are libjpeg's message numbers (the menu shows "JPEG error #n");
// libjpeg's warnings are no errors: a file cut short decodes as far as it goes
// and the rest of the picture comes out grey.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "menu/menu_error.h"

namespace pandor {

class JpegDecoder {
 public:
  // Reads the header of the file, which must outlive the decoder.
  explicit JpegDecoder(std::string_view file);
  ~JpegDecoder();
  JpegDecoder(const JpegDecoder&) = delete;
  JpegDecoder& operator=(const JpegDecoder&) = delete;

  // 0 when the header was read, else the error's message number.
  int HeaderError() const { return headerError_; }
  int Width() const;
  int Height() const;

  // Decodes the picture, asking rowAt(y) for the memory of row y (Width() x 4
  // bytes; the same memory for every row will do; it must not throw). Returns 0, or the number
  // of the error that stopped it; RowsDecoded() tells how far it came. Only
  // once, and only after a header without error.
  int Decode(const std::function<uint8_t*(int y)>& rowAt);
  int RowsDecoded() const { return rowsDecoded_; }

  // The libjpeg number for a picture too large to hold in memory.
  static int OutOfMemoryError();

 private:
  struct State;
  std::unique_ptr<State> state_;
  int headerError_ = 0;
  int rowsDecoded_ = 0;
};

// "JPEG error #n".
MenuError JpegError(int messageNumber);

}  // namespace pandor
