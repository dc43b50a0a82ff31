#include "tests/windows/picture_files.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>


namespace pandor::testing {
namespace {

constexpr size_t kBitmapFileHeaderSize = 14;

int Red(COLORREF c) { return GetRValue(c); }
int Green(COLORREF c) { return GetGValue(c); }
int Blue(COLORREF c) { return GetBValue(c); }

// The image's colours in order of first appearance.
std::vector<COLORREF> PaletteOf(const TestImage& image) {
  std::vector<COLORREF> palette;
  for (COLORREF c : image.pixels) {
    if (std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
  }
  return palette;
}

int IndexIn(const std::vector<COLORREF>& palette, COLORREF c) {
  return static_cast<int>(std::find(palette.begin(), palette.end(), c) - palette.begin());
}

void PadRow(ByteWriter& out, size_t rowStart) {
  while ((out.Size() - rowStart) % 4 != 0) out.U8(0);
}

// Packs palette indices of `bits` bits each, leftmost pixel in the high bits.
void WriteIndexRow(ByteWriter& out, const std::vector<int>& indices, int bits) {
  const size_t start = out.Size();
  unsigned byte = 0;
  int used = 0;
  for (int index : indices) {
    byte = byte << bits | static_cast<unsigned>(index);
    used += bits;
    if (used == 8) {
      out.U8(byte);
      byte = 0;
      used = 0;
    }
  }
  if (used != 0) out.U8(byte << (8 - used));
  PadRow(out, start);
}

// Encoded runs of equal indices: count, then the index (twice over for 4 bits).
void WriteRleRow(ByteWriter& out, const std::vector<int>& indices, int bits) {
  for (size_t x = 0; x < indices.size();) {
    size_t run = 1;
    while (x + run < indices.size() && indices[x + run] == indices[x] && run < 255) ++run;
    out.U8(static_cast<unsigned>(run)).U8(bits == 8 ? indices[x] : indices[x] << 4 | indices[x]);
    x += run;
  }
  out.U8(0).U8(0);  // end of line
}

struct BitmapFormat {
  uint32_t headerSize;
  unsigned bitCount;
  uint32_t compression;
  bool topDown;
};

BitmapFormat FormatOf(BitmapLayout layout) {
  switch (layout) {
    case BitmapLayout::kRgb24: return {40, 24, BI_RGB, false};
    case BitmapLayout::kRgb24TopDown: return {40, 24, BI_RGB, true};
    case BitmapLayout::kRgb32: return {40, 32, BI_RGB, false};
    case BitmapLayout::kRgb555: return {40, 16, BI_RGB, false};
    case BitmapLayout::kBitfields565: return {40, 16, BI_BITFIELDS, false};
    case BitmapLayout::kV5Bitfields32: return {124, 32, BI_BITFIELDS, false};
    case BitmapLayout::kPalette8: return {40, 8, BI_RGB, false};
    case BitmapLayout::kPalette4: return {40, 4, BI_RGB, false};
    case BitmapLayout::kPalette1: return {40, 1, BI_RGB, false};
    case BitmapLayout::kRle8: return {40, 8, BI_RLE8, false};
    case BitmapLayout::kRle4: return {40, 4, BI_RLE4, false};
    case BitmapLayout::kCore24: return {12, 24, BI_RGB, false};
    case BitmapLayout::kCorePalette8: return {12, 8, BI_RGB, false};
  }
  throw std::logic_error("unknown bitmap layout");
}

void WriteWord(ByteWriter& out, int value) { out.U16(static_cast<uint16_t>(value)); }

}  // namespace

TestImage Quadrants(int width, int height, COLORREF topLeft, COLORREF topRight, COLORREF bottomLeft,
                    COLORREF bottomRight) {
  TestImage image{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool right = x >= width / 2, bottom = y >= height / 2;
      image.pixels.push_back(bottom ? (right ? bottomRight : bottomLeft) : (right ? topRight : topLeft));
    }
  }
  return image;
}

const char* NameOf(BitmapLayout layout) {
  switch (layout) {
    case BitmapLayout::kRgb24: return "Rgb24";
    case BitmapLayout::kRgb24TopDown: return "Rgb24TopDown";
    case BitmapLayout::kRgb32: return "Rgb32";
    case BitmapLayout::kRgb555: return "Rgb555";
    case BitmapLayout::kBitfields565: return "Bitfields565";
    case BitmapLayout::kV5Bitfields32: return "V5Bitfields32";
    case BitmapLayout::kPalette8: return "Palette8";
    case BitmapLayout::kPalette4: return "Palette4";
    case BitmapLayout::kPalette1: return "Palette1";
    case BitmapLayout::kRle8: return "Rle8";
    case BitmapLayout::kRle4: return "Rle4";
    case BitmapLayout::kCore24: return "Core24";
    case BitmapLayout::kCorePalette8: return "CorePalette8";
  }
  return "?";
}

std::string BitmapFile(const TestImage& image, BitmapLayout layout) {
  const BitmapFormat format = FormatOf(layout);
  const bool core = format.headerSize == 12;
  const bool rle = format.compression == BI_RLE8 || format.compression == BI_RLE4;
  std::vector<COLORREF> palette = format.bitCount <= 8 ? PaletteOf(image) : std::vector<COLORREF>{};
  if (core) palette.resize(palette.empty() ? 0 : size_t{1} << format.bitCount, 0);  // no count: always full

  ByteWriter info;
  if (core) {
    info.U32(12).U16(image.width).U16(image.height).U16(1).U16(format.bitCount);
  } else {
    info.U32(format.headerSize).U32(image.width).U32(format.topDown ? -image.height : image.height);
    info.U16(1).U16(format.bitCount).U32(format.compression).U32(0);
    info.U32(2835).U32(2835).U32(static_cast<uint32_t>(palette.size())).U32(0);
  }
  if (layout == BitmapLayout::kBitfields565) info.U32(0xF800).U32(0x07E0).U32(0x001F);
  if (layout == BitmapLayout::kV5Bitfields32) {
    info.U32(0x00FF0000).U32(0x0000FF00).U32(0x000000FF).U32(0);  // red, green, blue, alpha masks
    info.U32(0x73524742);                                         // 'sRGB'
    for (int i = 0; i < 9 + 3; ++i) info.U32(0);                  // end points, gamma
    info.U32(4).U32(0).U32(0).U32(0);                             // intent, profile, reserved
  }
  for (COLORREF c : palette) {
    info.U8(Blue(c)).U8(Green(c)).U8(Red(c));
    if (!core) info.U8(0);
  }

  ByteWriter bits;
  for (int row = 0; row < image.height; ++row) {
    const int y = format.topDown ? row : image.height - 1 - row;
    if (format.bitCount <= 8) {
      std::vector<int> indices;
      for (int x = 0; x < image.width; ++x) indices.push_back(IndexIn(palette, image.At(x, y)));
      if (rle) {
        WriteRleRow(bits, indices, format.bitCount);
      } else {
        WriteIndexRow(bits, indices, format.bitCount);
      }
      continue;
    }
    const size_t start = bits.Size();
    for (int x = 0; x < image.width; ++x) {
      const COLORREF c = image.At(x, y);
      if (format.bitCount == 16) {
        const unsigned value = format.compression == BI_BITFIELDS
                                   ? (Red(c) >> 3) << 11 | (Green(c) >> 2) << 5 | Blue(c) >> 3
                                   : (Red(c) >> 3) << 10 | (Green(c) >> 3) << 5 | Blue(c) >> 3;
        bits.U16(value);
      } else {
        bits.U8(Blue(c)).U8(Green(c)).U8(Red(c));
        if (format.bitCount == 32) bits.U8(0);
      }
    }
    PadRow(bits, start);
  }
  if (rle) bits.U8(0).U8(1);  // end of bitmap

  std::string infoBytes = info.Data();
  if (rle) {  // the header's image size, which RLE data must give
    const uint32_t size = static_cast<uint32_t>(bits.Size());
    for (int i = 0; i < 4; ++i) infoBytes[20 + i] = static_cast<char>(size >> (8 * i));
  }
  const uint32_t offset = static_cast<uint32_t>(kBitmapFileHeaderSize + infoBytes.size());
  ByteWriter file;
  file.U8('B').U8('M').U32(static_cast<uint32_t>(offset + bits.Size())).U16(0).U16(0).U32(offset);
  return file.Bytes(infoBytes).Bytes(bits.Data()).Data();
}

std::string IconFile(const std::vector<TestImage>& images, int bitCount) {
  std::vector<std::string> encoded;
  for (const TestImage& image : images) {
    std::vector<COLORREF> palette;
    if (bitCount == 8) {
      palette = PaletteOf(image);
      std::replace(palette.begin(), palette.end(), kClear, COLORREF{0});
      palette.resize(256, 0);
    }
    ByteWriter out;
    out.U32(40).U32(image.width).U32(image.height * 2).U16(1).U16(bitCount).U32(BI_RGB).U32(0);
    out.U32(0).U32(0).U32(bitCount == 8 ? 256 : 0).U32(0);
    for (COLORREF c : palette) out.U8(Blue(c)).U8(Green(c)).U8(Red(c)).U8(0);
    for (int y = image.height - 1; y >= 0; --y) {  // colour rows, bottom-up; clear pixels black
      const size_t start = out.Size();
      for (int x = 0; x < image.width; ++x) {
        const COLORREF c = image.At(x, y);
        const COLORREF shown = c == kClear ? 0 : c;
        if (bitCount == 8) {
          out.U8(IndexIn(palette, shown));
        } else {
          out.U8(Blue(shown)).U8(Green(shown)).U8(Red(shown));
          if (bitCount == 32) out.U8(c == kClear ? 0 : 255);
        }
      }
      PadRow(out, start);
    }
    for (int y = image.height - 1; y >= 0; --y) {  // AND mask: 1 lets the background through
      std::vector<int> mask;
      for (int x = 0; x < image.width; ++x) mask.push_back(image.At(x, y) == kClear ? 1 : 0);
      WriteIndexRow(out, mask, 1);
    }
    encoded.push_back(out.Data());
  }

  ByteWriter file;
  file.U16(0).U16(1).U16(static_cast<unsigned>(images.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    file.U8(images[i].width & 0xFF).U8(images[i].height & 0xFF).U8(0).U8(0);
    file.U16(1).U16(bitCount).U32(static_cast<uint32_t>(encoded[i].size())).U32(offset);
    offset += static_cast<uint32_t>(encoded[i].size());
  }
  for (const std::string& image : encoded) file.Bytes(image);
  return file.Data();
}

std::vector<FilledRect> QuadrantRects(int width, int height, COLORREF topLeft, COLORREF topRight, COLORREF bottomLeft,
                                      COLORREF bottomRight) {
  const int midX = width / 2, midY = height / 2;
  return {{{0, 0, midX, midY}, topLeft},
          {{midX, 0, width, midY}, topRight},
          {{0, midY, midX, height}, bottomLeft},
          {{midX, midY, width, height}, bottomRight}};
}

std::string WindowsMetafile(const std::vector<FilledRect>& rects, const WindowsMetafileOptions& options) {
  constexpr unsigned kMmAnisotropic = 8;
  ByteWriter records;
  uint32_t largest = 0;
  const auto record = [&](unsigned function, const std::vector<int>& parameters) {
    const uint32_t words = 3 + static_cast<uint32_t>(parameters.size());
    largest = std::max(largest, words);
    records.U32(words).U16(function);
    for (int p : parameters) WriteWord(records, p);
  };
  if (options.setsWindow) {
    record(0x0103, {kMmAnisotropic});                                    // SetMapMode
    record(0x020B, {options.windowOrigin.y, options.windowOrigin.x});    // SetWindowOrg
    record(0x020C, {options.windowExtent.cy, options.windowExtent.cx});  // SetWindowExt
  }
  record(0x02FA, {PS_NULL, 0, 0, 0, 0});  // CreatePenIndirect: object 0
  record(0x012D, {0});                    // SelectObject
  for (size_t i = 0; i < rects.size(); ++i) {
    const FilledRect& r = rects[i];
    record(0x02FC, {BS_SOLID, static_cast<int>(r.colour & 0xFFFF), static_cast<int>(r.colour >> 16), 0});
    record(0x012D, {static_cast<int>(i + 1)});                               // SelectObject
    record(0x041B, {r.rect.bottom, r.rect.right, r.rect.top, r.rect.left});  // Rectangle
  }
  record(0x0000, {});  // end of file

  ByteWriter file;
  if (options.placeable) {
    ByteWriter header;
    header.U32(0x9AC6CDD7).U16(0);
    WriteWord(header, options.boundingBox.left);
    WriteWord(header, options.boundingBox.top);
    WriteWord(header, options.boundingBox.right);
    WriteWord(header, options.boundingBox.bottom);
    header.U16(options.unitsPerInch).U32(0);
    unsigned checksum = 0;
    for (size_t at = 0; at < header.Size(); at += 2) {
      checksum ^= static_cast<unsigned char>(header.Data()[at]) | static_cast<unsigned char>(header.Data()[at + 1])
                                                                      << 8;
    }
    file.Bytes(header.Data()).U16(checksum);
  }
  const uint32_t totalWords = static_cast<uint32_t>(18 + records.Size()) / 2;
  file.U16(1).U16(9).U16(0x0300).U32(totalWords).U16(static_cast<unsigned>(rects.size() + 1)).U32(largest).U16(0);
  return file.Bytes(records.Data()).Data();
}

std::string EnhancedMetafile(const std::vector<FilledRect>& rects, const RECT& frame, SIZE devicePixels,
                             SIZE deviceMillimetres) {
  constexpr uint32_t kHeaderSize = 108;
  ByteWriter records;
  uint32_t count = 0;
  const auto record = [&](uint32_t type, const std::vector<uint32_t>& parameters) {
    records.U32(type).U32(static_cast<uint32_t>(8 + 4 * parameters.size()));
    for (uint32_t p : parameters) records.U32(p);
    ++count;
  };
  record(EMR_SELECTOBJECT, {0x80000000u | NULL_PEN});
  RECT bounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  for (size_t i = 0; i < rects.size(); ++i) {
    const RECT& r = rects[i].rect;
    const uint32_t handle = static_cast<uint32_t>(i + 1);
    record(EMR_CREATEBRUSHINDIRECT, {handle, BS_SOLID, rects[i].colour, 0});
    record(EMR_SELECTOBJECT, {handle});
    record(EMR_RECTANGLE, {static_cast<uint32_t>(r.left), static_cast<uint32_t>(r.top), static_cast<uint32_t>(r.right),
                           static_cast<uint32_t>(r.bottom)});
    bounds = {std::min(bounds.left, r.left), std::min(bounds.top, r.top), std::max(bounds.right, r.right - 1),
              std::max(bounds.bottom, r.bottom - 1)};
  }
  record(EMR_EOF, {0, 16, 20});

  ByteWriter file;
  const uint32_t total = kHeaderSize + static_cast<uint32_t>(records.Size());
  file.U32(EMR_HEADER).U32(kHeaderSize);
  for (LONG v : {bounds.left, bounds.top, bounds.right, bounds.bottom}) file.U32(static_cast<uint32_t>(v));
  for (LONG v : {frame.left, frame.top, frame.right, frame.bottom}) file.U32(static_cast<uint32_t>(v));
  file.U32(ENHMETA_SIGNATURE).U32(0x10000).U32(total).U32(count + 1);
  file.U16(static_cast<unsigned>(rects.size() + 1)).U16(0).U32(0).U32(0).U32(0);  // handles, description, palette
  file.U32(devicePixels.cx).U32(devicePixels.cy).U32(deviceMillimetres.cx).U32(deviceMillimetres.cy);
  file.U32(0).U32(0).U32(0);  // pixel format, OpenGL
  file.U32(deviceMillimetres.cx * 1000).U32(deviceMillimetres.cy * 1000);
  return file.Bytes(records.Data()).Data();
}

std::string JpegFile(const TestImage& image, const JpegOptions& options) {
  std::vector<uint8_t> samples;
  for (COLORREF c : image.pixels) {
    switch (options.colours) {
      case JpegColours::kRgb: samples.insert(samples.end(), {uint8_t(Red(c)), uint8_t(Green(c)), uint8_t(Blue(c))}); break;
      case JpegColours::kGrey:
        samples.push_back(static_cast<uint8_t>((Red(c) * 299 + Green(c) * 587 + Blue(c) * 114) / 1000));
        break;
      // Adobe stores CMYK inverted: with no black, the inverted cyan is the red.
      case JpegColours::kAdobeCmyk:
        samples.insert(samples.end(), {uint8_t(Red(c)), uint8_t(Green(c)), uint8_t(Blue(c)), 255});
        break;
    }
  }
  const JpegSamples kind = options.colours == JpegColours::kRgb    ? JpegSamples::kRgb
                           : options.colours == JpegColours::kGrey ? JpegSamples::kGrey
                                                                   : JpegSamples::kCmyk;
  return EncodeJpeg(image.width, image.height, kind, samples, options.quality, options.progressive);
}

}  // namespace pandor::testing
