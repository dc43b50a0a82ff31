// JPEG pictures (.jpg, .jpeg), decoded by menu/pictures/jpeg_decoder.h.
//
// Loading reads the header only, for the size; a file that fails there is
// reported at once. The first drawing decodes the whole picture; an error
// then is reported by that drawing alone, after it has drawn the rows decoded
// so far, and later drawings show those rows quietly. An empty file is an
// empty picture: size 0 x 0, nothing to decode or draw.

#include <windows.h>

#include <new>
#include <string>

#include "menu/pictures/jpeg_decoder.h"
#include "platform/picture_formats.h"
#include "platform/pixel_buffer.h"

namespace pandor {
namespace {

class JpegPicture : public Picture {
 public:
  JpegPicture(std::string file, SIZE size) : file_(std::move(file)), size_(size) {}
  SIZE Size() const override { return size_; }
  bool IsIcon() const override { return false; }

  void Draw(HDC dc, const RECT& area) override {
    if (decoded_) {
      pixels_.Draw(dc, area, rows_);
      return;
    }
    decoded_ = true;
    const int error = Decode();
    std::string().swap(file_);                // never needed again
    if (rows_ == 0) pixels_ = PixelBuffer();  // nothing to show
    pixels_.Draw(dc, area, rows_);
    if (error != 0) throw JpegError(error);
  }

 private:
  int Decode() {
    if (file_.empty()) return 0;
    JpegDecoder decoder(file_);
    if (decoder.HeaderError() != 0) return decoder.HeaderError();
    try {
      pixels_ = PixelBuffer(size_.cx, size_.cy);
    } catch (const std::bad_alloc&) {
      return JpegDecoder::OutOfMemoryError();
    }
    const int error = decoder.Decode([this](int y) { return pixels_.Row(y); });
    rows_ = decoder.RowsDecoded();
    return error;
  }

  std::string file_;
  SIZE size_;
  bool decoded_ = false;
  PixelBuffer pixels_;
  int rows_ = 0;  // decoded from the top
};

}  // namespace

std::unique_ptr<Picture> LoadJpegPicture(std::string file) {
  if (file.empty()) return std::make_unique<JpegPicture>(std::move(file), SIZE{0, 0});
  SIZE size;
  {
    const JpegDecoder decoder(file);
    if (decoder.HeaderError() != 0) throw JpegError(decoder.HeaderError());
    size = {decoder.Width(), decoder.Height()};
  }
  return std::make_unique<JpegPicture>(std::move(file), size);
}

}  // namespace pandor
