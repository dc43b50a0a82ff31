#pragma once
// Bytes of medium files for tests on every host: a little-endian writer,
// JPEG through libjpeg's own encoder, and noise.

#include <cstdint>
#include <string>
#include <vector>

namespace pandor::testing {

// Little-endian bytes.
class ByteWriter {
 public:
  ByteWriter& U8(unsigned value);
  ByteWriter& U16(unsigned value);
  ByteWriter& U32(uint32_t value);
  ByteWriter& Bytes(const std::string& bytes);
  const std::string& Data() const { return data_; }
  size_t Size() const { return data_.size(); }

 private:
  std::string data_;
};

enum class JpegSamples { kRgb, kGrey, kCmyk };
// samples: rows from the top, one byte a component (3 for RGB, 1 grey, 4 CMYK).
std::string EncodeJpeg(int width, int height, JpegSamples kind, const std::vector<uint8_t>& samples, int quality,
                       bool progressive);
// A width x height picture of one colour, as RGB JPEG.
std::string PlainJpeg(int width, int height);

// Where a JPEG file's first scan data begins, just after its SOS segment.
size_t JpegScanStart(const std::string& jpeg);
// The offset of the first segment with the given marker (the 0xFF byte).
size_t JpegSegment(const std::string& jpeg, unsigned char marker);

// Bytes that no format takes for its own, the same every run.
std::string NoiseBytes(size_t count);

}  // namespace pandor::testing
