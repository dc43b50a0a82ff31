#include "menu/pictures/picture_check.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "menu/pictures/bitmap_layout.h"
#include "menu/pictures/icon_directory.h"
#include "menu/pictures/jpeg_decoder.h"
#include "menu/pictures/metafile_layout.h"

namespace pandor {
namespace {

// The size an icon is shown at on a standard screen.
constexpr int kSystemIconSize = 32;
// The menu, a 32-bit program, holds a decoded picture in one block of four
// bytes a pixel; one of more than a gigabyte won't be had.
constexpr uint64_t kLargestPixelBlock = uint64_t{1} << 30;

PictureReport CheckJpeg(std::string_view file) {
  JpegDecoder decoder(file);
  if (decoder.HeaderError() != 0) {
    return {PictureReport::When::kWhenClicked, JpegError(decoder.HeaderError()).what(), 0, 0};
  }
  PictureReport report{PictureReport::When::kNever, {}, decoder.Width(), decoder.Height()};
  if (uint64_t{4} * static_cast<uint64_t>(decoder.Width()) * static_cast<uint64_t>(decoder.Height()) >
      kLargestPixelBlock) {
    report.when = PictureReport::When::kWhenFirstShown;
    report.text = JpegError(JpegDecoder::OutOfMemoryError()).what();
    return report;
  }
  // One row's memory serves every row: only the verdict counts here.
  std::vector<uint8_t> row(static_cast<size_t>(decoder.Width()) * 4);
  if (const int error = decoder.Decode([&row](int) { return row.data(); })) {
    report.when = PictureReport::When::kWhenFirstShown;
    report.text = JpegError(error).what();
  }
  return report;
}

PictureReport CheckLoadable(PictureKind kind, std::string_view file) {
  switch (kind) {
    case PictureKind::kBitmap: {
      const BitmapLayout layout = ReadBitmapLayout(file);
      return {PictureReport::When::kNever, {}, layout.width, std::abs(layout.height)};
    }
    case PictureKind::kIcon:
      ChooseIconImage(file, kSystemIconSize, kSystemIconSize);
      return {PictureReport::When::kNever, {}, kSystemIconSize, kSystemIconSize};
    case PictureKind::kMetafile:
      ReadMetafileLayout(file);
      return {};
    case PictureKind::kJpeg:
      return CheckJpeg(file);
  }
  return {};
}

}  // namespace

PictureReport CheckPicture(PictureKind kind, std::string_view file) {
  // An empty bitmap or JPEG file loads as an empty picture.
  if (file.empty() && (kind == PictureKind::kBitmap || kind == PictureKind::kJpeg)) return {};
  try {
    return CheckLoadable(kind, file);
  } catch (const MenuError& error) {
    return {PictureReport::When::kWhenClicked, error.what(), 0, 0};
  }
}

}  // namespace pandor
