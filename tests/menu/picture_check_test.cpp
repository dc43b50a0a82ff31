// What the menu will report about a preview picture, judged without drawing:
// the verdicts the checker gives and the Windows loaders share.
#include <gtest/gtest.h>

// clang-format off
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "menu/menu_error.h"
#include "menu/pictures/picture_check.h"
#include "menu/pictures/picture_kind.h"
#include "tests/menu/test_bytes.h"

namespace pandor {
namespace {

using testing::ByteWriter;
using When = PictureReport::When;

// A 24-bit bitmap of width x height, rows padded to four bytes.
std::string Bitmap(int width, int height) {
  const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
  const uint32_t bits = stride * static_cast<uint32_t>(height);
  ByteWriter file;
  file.Bytes("BM").U32(14 + 40 + bits).U32(0).U32(14 + 40);
  file.U32(40).U32(static_cast<uint32_t>(width)).U32(static_cast<uint32_t>(height)).U16(1).U16(24);
  file.U32(0).U32(bits).U32(2835).U32(2835).U32(0).U32(0);
  return file.Bytes(std::string(bits, '\x7f')).Data();
}

// An icon file with one 32 x 32 image of 32 bits and its mask.
std::string Icon() {
  constexpr uint32_t kImageSize = 40 + 32 * 32 * 4 + 32 * 4;
  ByteWriter file;
  file.U16(0).U16(1).U16(1);
  file.U8(32).U8(32).U8(0).U8(0).U16(1).U16(32).U32(kImageSize).U32(6 + 16);
  file.U32(40).U32(32).U32(64).U16(1).U16(32).U32(0).U32(32 * 32 * 4).U32(0).U32(0).U32(0).U32(0);
  return file.Bytes(std::string(kImageSize - 40, '\0')).Data();
}

// A Windows metafile holding only its end record.
std::string WindowsMetafile() {
  ByteWriter file;
  file.U16(1).U16(9).U16(0x0300).U32(9 + 3).U16(0).U32(3).U16(0);
  return file.U32(3).U16(0).Data();
}

// An enhanced metafile holding its header and end record.
std::string EnhancedMetafile() {
  ByteWriter file;
  file.U32(1).U32(88);
  for (int i = 0; i < 4; ++i) file.U32(0);                  // bounds
  file.U32(0).U32(0).U32(2540).U32(2540);                    // frame: one inch
  file.U32(0x464D4520).U32(0x10000).U32(88 + 20).U32(2);     // signature, version, bytes, records
  file.U16(1).U16(0).U32(0).U32(0).U32(0);                   // handles, description, palette
  file.U32(1024).U32(768).U32(270).U32(203);                 // device pixels, millimetres
  return file.U32(14).U32(20).U32(0).U32(16).U32(20).Data();  // end record
}

std::string JpegError(int number) { return "JPEG error #" + std::to_string(number); }

std::string Patched(std::string bytes, size_t at, std::initializer_list<unsigned char> values) {
  for (unsigned char v : values) bytes[at++] = static_cast<char>(v);
  return bytes;
}

struct Verdict {
  const char* what;
  PictureKind kind;
  std::string bytes;
  When when;
  std::string text;
};

TEST(PictureCheckTest, EachFormatsVerdictAndWhenTheMenuGivesIt) {
  const std::string jpeg = testing::PlainJpeg(64, 48);
  const size_t sof = testing::JpegSegment(jpeg, 0xC0);
  const size_t scan = testing::JpegScanStart(jpeg);
  const std::string secondFrame = jpeg.substr(0, scan + (jpeg.size() - scan) / 2) + jpeg.substr(sof, 19) + "\xFF\xD9";
  const std::string bitmap = Bitmap(5, 3);
  const std::string icon = Icon();
  const std::string metafile = WindowsMetafile();
  const std::string enhanced = EnhancedMetafile();
  const Verdict cases[] = {
      {"bitmap", PictureKind::kBitmap, bitmap, When::kNever, ""},
      {"empty bitmap", PictureKind::kBitmap, "", When::kNever, ""},
      {"bitmap cut short", PictureKind::kBitmap, bitmap.substr(0, bitmap.size() - 1), When::kWhenClicked,
       "Stream-Read-Fehler"},
      {"bitmap not BM", PictureKind::kBitmap, Patched(bitmap, 0, {'M', 'B'}), When::kWhenClicked,
       "Bitmap ist ungültig"},
      {"bitmap of seven bits", PictureKind::kBitmap, Patched(bitmap, 14 + 14, {7}), When::kWhenClicked,
       "Bitmap ist ungültig"},
      {"icon", PictureKind::kIcon, icon, When::kNever, ""},
      {"empty icon", PictureKind::kIcon, "", When::kWhenClicked, "Ungültiges Symbol"},
      {"icon image beyond the file", PictureKind::kIcon, icon.substr(0, icon.size() - 100), When::kWhenClicked,
       "Ungültiges Symbol"},
      {"icon image of 7 bits", PictureKind::kIcon, Patched(icon, 22 + 14, {7}), When::kWhenClicked,
       "Ungültiges Symbol"},
      {"windows metafile", PictureKind::kMetafile, metafile, When::kNever, ""},
      {"enhanced metafile", PictureKind::kMetafile, enhanced, When::kNever, ""},
      {"empty metafile", PictureKind::kMetafile, "", When::kWhenClicked, "Metadatei ist ungültig"},
      {"metafile longer than its file", PictureKind::kMetafile, Patched(metafile, 6, {50}), When::kWhenClicked,
       "Metadatei ist ungültig"},
      {"enhanced record of odd size", PictureKind::kMetafile, Patched(enhanced, 88 + 4, {18}), When::kWhenClicked,
       "Metadatei ist ungültig"},
      {"jpeg", PictureKind::kJpeg, jpeg, When::kNever, ""},
      {"empty jpeg", PictureKind::kJpeg, "", When::kNever, ""},
      {"jpeg cut short in its scan", PictureKind::kJpeg, jpeg.substr(0, scan + 20), When::kNever, ""},
      {"not a jpeg", PictureKind::kJpeg, testing::NoiseBytes(300), When::kWhenClicked, JpegError(JERR_NO_SOI)},
      {"jpeg lossless", PictureKind::kJpeg, Patched(jpeg, sof + 1, {0xC3}), When::kWhenClicked,
       JpegError(JERR_SOF_UNSUPPORTED)},
      {"jpeg frame twice", PictureKind::kJpeg, secondFrame, When::kWhenFirstShown, JpegError(JERR_SOF_DUPLICATE)},
      {"jpeg larger than memory", PictureKind::kJpeg, Patched(jpeg, sof + 5, {0xF0, 0x00, 0xF0, 0x00}),
       When::kWhenFirstShown, JpegError(JERR_OUT_OF_MEMORY)},
  };
  for (const Verdict& c : cases) {
    SCOPED_TRACE(c.what);
    const PictureReport report = CheckPicture(c.kind, c.bytes);
    EXPECT_EQ(report.when, c.when);
    EXPECT_EQ(report.text, c.text);
  }
}

TEST(PictureCheckTest, JpegDataCutShortShowsWithoutMessageButDamaged) {
  const std::string jpeg = testing::PlainJpeg(64, 48);
  EXPECT_FALSE(CheckPicture(PictureKind::kJpeg, jpeg).damaged);
  const PictureReport cut = CheckPicture(PictureKind::kJpeg, jpeg.substr(0, testing::JpegScanStart(jpeg) + 20));
  EXPECT_EQ(cut.when, When::kNever);
  EXPECT_TRUE(cut.damaged);
}

TEST(PictureCheckTest, SizesWhereTheFormatTellsThem) {
  const PictureReport bitmap = CheckPicture(PictureKind::kBitmap, Bitmap(5, 3));
  EXPECT_EQ(bitmap.width, 5);
  EXPECT_EQ(bitmap.height, 3);
  const PictureReport jpeg = CheckPicture(PictureKind::kJpeg, testing::PlainJpeg(64, 48));
  EXPECT_EQ(jpeg.width, 64);
  EXPECT_EQ(jpeg.height, 48);
}

TEST(PictureKindTest, ExtensionAloneDecidesIgnoringCase) {
  EXPECT_EQ(PictureKindOf("D:\\autorun\\a.BMP"), PictureKind::kBitmap);
  EXPECT_EQ(PictureKindOf("a.Ico"), PictureKind::kIcon);
  EXPECT_EQ(PictureKindOf("a.wmf"), PictureKind::kMetafile);
  EXPECT_EQ(PictureKindOf("a.EMF"), PictureKind::kMetafile);
  EXPECT_EQ(PictureKindOf("a.jpg"), PictureKind::kJpeg);
  EXPECT_EQ(PictureKindOf("a.JPEG"), PictureKind::kJpeg);
  const auto error = [](const std::string& path) {
    try {
      PictureKindOf(path);
    } catch (const MenuError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(error("bild.gif"), "Unbekannte Bilddateierweiterung (.gif)");
  EXPECT_EQ(error("ordner.bmp\\bild"), "Unbekannte Bilddateierweiterung (.)");
  EXPECT_EQ(error("bild.b\xC3\xA4r"), "Unbekannte Bilddateierweiterung (.bär)");
}

}  // namespace
}  // namespace pandor
