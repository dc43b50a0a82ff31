// libjpeg ends every error by calling error_exit, which must not return and
// can't throw through the library's C frames; ours jumps back with longjmp to
// the step that called the library (RunSteps below). The decoder is always
// destroyed by its owner.
#include "menu/pictures/jpeg_decoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

namespace pandor {

struct JpegDecoder::State {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  std::jmp_buf errorExit{};
};

namespace {

[[noreturn]] void JumpBackOnError(j_common_ptr info) {
  std::longjmp(*static_cast<std::jmp_buf*>(info->client_data), 1);
}
void IgnoreWarning(j_common_ptr, int) {}
void IgnoreOutput(j_common_ptr) {}

// Runs steps that call libjpeg. Returns 0 when they all ran, else the message
// number of the error that ended them. Nothing in the steps may need a
// destructor: the jump back skips it.
template <typename State, typename Steps>
int RunSteps(State& state, const Steps& steps) {
  if (setjmp(state.errorExit) != 0) return state.errors.msg_code;
  steps();
  return 0;
}

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

}  // namespace

JpegDecoder::JpegDecoder(std::string_view file) : state_(std::make_unique<State>()) {
  State& state = *state_;
  state.info.err = jpeg_std_error(&state.errors);
  state.info.client_data = &state.errorExit;  // kept by jpeg_create_decompress
  state.errors.error_exit = JumpBackOnError;
  state.errors.emit_message = IgnoreWarning;
  state.errors.output_message = IgnoreOutput;
  headerError_ = RunSteps(state, [&] {
    jpeg_create_decompress(&state.info);
    jpeg_mem_src(&state.info, reinterpret_cast<const unsigned char*>(file.data()),
                 static_cast<unsigned long>(file.size()));
    jpeg_read_header(&state.info, TRUE);
  });
}

// Safe on a decoder whose creation failed: the zeroed state holds nothing.
JpegDecoder::~JpegDecoder() { jpeg_destroy_decompress(&state_->info); }

int JpegDecoder::Width() const { return static_cast<int>(state_->info.image_width); }
int JpegDecoder::Height() const { return static_cast<int>(state_->info.image_height); }

int JpegDecoder::OutOfMemoryError() { return JERR_OUT_OF_MEMORY; }

int JpegDecoder::Decode(const std::function<uint8_t*(int y)>& rowAt) {
  State& state = *state_;
  jpeg_decompress_struct& info = state.info;
  info.dct_method = JDCT_ISLOW;
  info.do_fancy_upsampling = TRUE;
  info.scale_num = info.scale_denom = 1;
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
  const bool adobeInverted = info.saw_Adobe_marker;
  return RunSteps(state, [&] {
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
      constexpr int kBatch = 8;
      JSAMPROW rows[kBatch];
      const int first = static_cast<int>(info.output_scanline);
      const int count = std::min<int>(kBatch, static_cast<int>(info.output_height) - first);
      for (int i = 0; i < count; ++i) rows[i] = rowAt(first + i);
      const int read = static_cast<int>(jpeg_read_scanlines(&info, rows, static_cast<JDIMENSION>(count)));
      if (cmyk) {
        for (int i = 0; i < read; ++i) CmykToBgrx(rows[i], static_cast<int>(info.output_width), adobeInverted);
      }
      rowsDecoded_ = first + read;
    }
    // Finishing reads the rest of the file, whose faults count as well.
    jpeg_finish_decompress(&info);
  });
}

MenuError JpegError(int messageNumber) { return MenuError("JPEG error #" + std::to_string(messageNumber)); }

}  // namespace pandor
