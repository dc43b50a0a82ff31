// The start-up sound as the sound system will open it.
#include <gtest/gtest.h>

#include "menu/wave_file.h"
#include "tests/menu/test_bytes.h"

namespace pandor {
namespace {

using Problem = WaveFile::Problem;
using testing::ByteWriter;

std::string FormatChunk(unsigned tag, unsigned channels, uint32_t rate, unsigned bits) {
  const unsigned block = channels * bits / 8;
  return ByteWriter().Bytes("fmt ").U32(16).U16(tag).U16(channels).U32(rate).U32(rate * block).U16(block).U16(bits).Data();
}

std::string DataChunk(uint32_t listed, size_t present) {
  return ByteWriter().Bytes("data").U32(listed).Bytes(std::string(present, '\x10')).Data();
}

std::string Riff(const std::string& chunks) {
  return ByteWriter().Bytes("RIFF").U32(static_cast<uint32_t>(4 + chunks.size())).Bytes("WAVE").Bytes(chunks).Data();
}

TEST(WaveFileTest, WhatTheSoundSystemMakesOfTheFile) {
  const std::string pcm = FormatChunk(1, 2, 44100, 16);
  const struct {
    const char* what;
    std::string bytes;
    Problem problem;
  } cases[] = {
      {"PCM", Riff(pcm + DataChunk(8, 8)), Problem::kNone},
      {"a list chunk between", Riff(pcm + ByteWriter().Bytes("LIST").U32(3).Bytes(std::string("abc\0", 4)).Data() + DataChunk(4, 4)),
       Problem::kNone},
      {"IMA ADPCM", Riff(FormatChunk(0x11, 1, 22050, 4) + DataChunk(4, 4)), Problem::kNone},
      {"empty", "", Problem::kNotRiffWave},
      {"an AVI", ByteWriter().Bytes("RIFF").U32(4).Bytes("AVI ").Data(), Problem::kNotRiffWave},
      {"MP3 bytes", testing::NoiseBytes(200), Problem::kNotRiffWave},
      {"no format", Riff(DataChunk(8, 8)), Problem::kNoFormatChunk},
      {"format cut short", Riff(pcm.substr(0, 14)), Problem::kNoFormatChunk},
      {"no data", Riff(pcm), Problem::kNoDataChunk},
      {"data before format", Riff(DataChunk(8, 8) + pcm), Problem::kNoDataChunk},
      {"12 bits", Riff(FormatChunk(1, 1, 8000, 12) + DataChunk(4, 4)), Problem::kUnplayableFormat},
      {"no channels", Riff(FormatChunk(1, 0, 8000, 16) + DataChunk(4, 4)), Problem::kUnplayableFormat},
      {"an unknown codec", Riff(FormatChunk(0x0161, 2, 44100, 16) + DataChunk(4, 4)), Problem::kUnplayableFormat},
      {"data cut short", Riff(pcm + DataChunk(1000, 10)), Problem::kDataCutShort},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const WaveFile wave = ReadWaveFile(c.bytes);
    EXPECT_EQ(wave.problem, c.problem);
    EXPECT_EQ(wave.CannotOpen(), c.problem != Problem::kNone && c.problem != Problem::kDataCutShort);
  }
  const WaveFile shortData = ReadWaveFile(Riff(pcm + DataChunk(1000, 10)));
  EXPECT_EQ(shortData.dataBytes, 10u);
  EXPECT_EQ(shortData.samplesPerSecond, 44100u);
}

// The checker's finding and the editor's refusal say the same.
TEST(WaveFileTest, RefusalSaysWhatStopsTheSoundSystem) {
  EXPECT_EQ(WaveRefusal(ReadWaveFile("")), "ist keine WAV-Datei (kein RIFF/WAVE-Kopf)");
  EXPECT_EQ(WaveRefusal(ReadWaveFile(Riff(FormatChunk(1, 2, 44100, 16)))),
            "hat keinen „data“-Abschnitt nach dem „fmt “-Abschnitt");
  EXPECT_EQ(WaveRefusal(ReadWaveFile(Riff(FormatChunk(0x0161, 2, 44100, 16) + DataChunk(4, 4)))),
            "hat ein Format (Format 0x0161, 16 Bit), das Windows nicht abspielt");
  EXPECT_EQ(WaveRefusal(ReadWaveFile(Riff(FormatChunk(0x0161, 2, 44100, 0) + DataChunk(4, 4)))),
            "hat ein Format (Format 0x0161), das Windows nicht abspielt");
  EXPECT_EQ(WaveFormatName(0x55), "MP3");
  EXPECT_EQ(WaveRefusal(ReadWaveFile(Riff(FormatChunk(1, 2, 44100, 16) + DataChunk(1000, 10)))), "")
      << "a short data chunk plays as far as it goes";
}

}  // namespace
}  // namespace pandor
