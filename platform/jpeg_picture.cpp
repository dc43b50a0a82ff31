// JPEG pictures (.jpg, .jpeg), decoded with libjpeg.
//
// Loading reads the header only, for the size; a file that fails there is
// reported at once. The first drawing decodes the whole picture at full size
// and best quality; an error then is reported by that drawing alone, after it
// has drawn the rows decoded so far, and later drawings show those rows
// quietly. libjpeg's warnings are no errors: a file cut short decodes as far
// as it goes and the rest of the picture comes out grey.
//
// Greyscale, YCbCr and RGB pictures decode straight to the screen's pixel
// order. CMYK and YCCK pictures are converted here, taking the inverted
// values that Adobe's writers store when the file carries Adobe's marker.
// An empty file is an empty picture: size 0 x 0, nothing to decode or draw.
//
// libjpeg ends every error by calling error_exit, which must not return and
// can't throw through the library's C frames; ours jumps back with longjmp to
// the step that called the library (RunSteps below), and the decoder is
// always destroyed by its owner.

#include <windows.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <new>
#include <string>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "menu/menu_error.h"
#include "platform/handle.h"
#include "platform/picture_formats.h"
#include "platform/pixel_buffer.h"

namespace pandor {
namespace {

struct Decoder {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  std::jmp_buf errorExit{};
};

struct DecoderTraits {
  static Decoder* Invalid() { return nullptr; }
  static void Close(Decoder* decoder) {
    jpeg_destroy_decompress(&decoder->info);  // safe on a decoder that was never created
    delete decoder;
  }
};
using DecoderHandle = UniqueHandle<Decoder*, DecoderTraits>;

[[noreturn]] void JumpBackOnError(j_common_ptr info) {
  std::longjmp(static_cast<Decoder*>(info->client_data)->errorExit, 1);
}
void IgnoreWarning(j_common_ptr, int) {}
void IgnoreOutput(j_common_ptr) {}

// Runs steps that call libjpeg. Returns 0 when they all ran, else the message
// number of the error that ended them. Nothing in the steps may need a
// destructor: the jump back skips it.
template <typename Steps>
int RunSteps(Decoder& decoder, const Steps& steps) {
  if (setjmp(decoder.errorExit) != 0) return decoder.errors.msg_code;
  steps();
  return 0;
}

// A decoder for the file with its header read; returns the error's number or 0.
int OpenDecoder(DecoderHandle& handle, const std::string& file) {
  handle.reset(new Decoder);
  Decoder& decoder = *handle.get();
  decoder.info.err = jpeg_std_error(&decoder.errors);
  decoder.info.client_data = &decoder;  // kept by jpeg_create_decompress
  decoder.errors.error_exit = JumpBackOnError;
  decoder.errors.emit_message = IgnoreWarning;
  decoder.errors.output_message = IgnoreOutput;
  return RunSteps(decoder, [&] {
    jpeg_create_decompress(&decoder.info);
    jpeg_mem_src(&decoder.info, reinterpret_cast<const unsigned char*>(file.data()),
                 static_cast<unsigned long>(file.size()));
    jpeg_read_header(&decoder.info, TRUE);
  });
}

MenuError JpegError(int messageNumber) { return MenuError("JPEG error #" + std::to_string(messageNumber)); }

// Turns a row decoded as C, M, Y, K into blue, green, red, unused, in place.
void CmykToBgrx(uint8_t* row, int width, bool adobeInverted) {
  for (int x = 0; x < width; ++x, row += 4) {
    int c = row[0], m = row[1], y = row[2], k = row[3];
    if (!adobeInverted) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    row[0] = static_cast<uint8_t>(y * k / 255);
    row[1] = static_cast<uint8_t>(m * k / 255);
    row[2] = static_cast<uint8_t>(c * k / 255);
    row[3] = 0;
  }
}

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
    DecoderHandle handle;
    if (const int error = OpenDecoder(handle, file_)) return error;
    jpeg_decompress_struct& info = handle.get()->info;
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    info.scale_num = info.scale_denom = 1;
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    const bool adobeInverted = info.saw_Adobe_marker;
    try {
      pixels_ = PixelBuffer(size_.cx, size_.cy);
    } catch (const std::bad_alloc&) {
      return JERR_OUT_OF_MEMORY;
    }
    return RunSteps(*handle.get(), [&] {
      jpeg_start_decompress(&info);
      while (info.output_scanline < info.output_height) {
        constexpr int kBatch = 8;
        JSAMPROW rows[kBatch];
        const int first = static_cast<int>(info.output_scanline);
        const int count = std::min<int>(kBatch, static_cast<int>(info.output_height) - first);
        for (int i = 0; i < count; ++i) rows[i] = pixels_.Row(first + i);
        const int read = static_cast<int>(jpeg_read_scanlines(&info, rows, count));
        if (cmyk) {
          for (int i = 0; i < read; ++i) CmykToBgrx(rows[i], size_.cx, adobeInverted);
        }
        rows_ = first + read;
      }
      // Finishing reads the rest of the file, whose faults count as well.
      jpeg_finish_decompress(&info);
    });
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
  DecoderHandle handle;
  if (const int error = OpenDecoder(handle, file)) throw JpegError(error);
  const SIZE size{static_cast<LONG>(handle.get()->info.image_width),
                  static_cast<LONG>(handle.get()->info.image_height)};
  return std::make_unique<JpegPicture>(std::move(file), size);
}

}  // namespace pandor
