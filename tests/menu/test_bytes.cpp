#include "tests/menu/test_bytes.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

// clang-format off
#include <jpeglib.h>
// clang-format on

namespace pandor::testing {

ByteWriter& ByteWriter::U8(unsigned value) {
  data_ += static_cast<char>(value & 0xFF);
  return *this;
}
ByteWriter& ByteWriter::U16(unsigned value) { return U8(value).U8(value >> 8); }
ByteWriter& ByteWriter::U32(uint32_t value) { return U16(value & 0xFFFF).U16(value >> 16); }
ByteWriter& ByteWriter::Bytes(const std::string& bytes) {
  data_ += bytes;
  return *this;
}

std::string EncodeJpeg(int width, int height, JpegSamples kind, const std::vector<uint8_t>& samples, int quality,
                       bool progressive) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  switch (kind) {
    case JpegSamples::kRgb:
      info.input_components = 3;
      info.in_color_space = JCS_RGB;
      break;
    case JpegSamples::kGrey:
      info.input_components = 1;
      info.in_color_space = JCS_GRAYSCALE;
      break;
    case JpegSamples::kCmyk:
      info.input_components = 4;
      info.in_color_space = JCS_CMYK;
      break;
  }
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  if (progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  const size_t rowSize = static_cast<size_t>(width) * static_cast<size_t>(info.input_components);
  while (info.next_scanline < info.image_height) {
    auto row = const_cast<JSAMPROW>(samples.data() + info.next_scanline * rowSize);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  std::string file(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return file;
}

std::string PlainJpeg(int width, int height) {
  std::vector<uint8_t> samples;
  for (int i = 0; i < width * height; ++i) samples.insert(samples.end(), {200, 40, 40});
  return EncodeJpeg(width, height, JpegSamples::kRgb, samples, 90, false);
}

size_t JpegSegment(const std::string& jpeg, unsigned char marker) {
  for (size_t at = 2; at + 4 <= jpeg.size();) {
    if (static_cast<unsigned char>(jpeg[at]) != 0xFF) throw std::runtime_error("not a JPEG segment");
    if (static_cast<unsigned char>(jpeg[at + 1]) == marker) return at;
    at += 2 + (static_cast<unsigned char>(jpeg[at + 2]) << 8 | static_cast<unsigned char>(jpeg[at + 3]));
  }
  throw std::runtime_error("JPEG segment not found");
}

size_t JpegScanStart(const std::string& jpeg) {
  const size_t sos = JpegSegment(jpeg, 0xDA);
  return sos + 2 + (static_cast<unsigned char>(jpeg[sos + 2]) << 8 | static_cast<unsigned char>(jpeg[sos + 3]));
}

std::string NoiseBytes(size_t count) {
  std::string bytes;
  uint32_t state = 0x1234567;
  while (bytes.size() < count) {
    state = state * 1664525u + 1013904223u;
    bytes += static_cast<char>(state >> 24);
  }
  return bytes;
}

}  // namespace pandor::testing
