#pragma once
// The start-up sound as the Windows sound system (MCI's wave device) opens
// it: a RIFF file of type WAVE with a format chunk and a data chunk, in a
// format Windows plays itself or through one of the codecs it ships with.

#include <cstdint>
#include <string>
#include <string_view>

namespace pandor {

struct WaveFile {
  enum class Problem {
    kNone,
    kNotRiffWave,         // no "RIFF" ... "WAVE" header
    kNoFormatChunk,       // no complete "fmt " chunk
    kNoDataChunk,         // no "data" chunk
    kUnplayableFormat,    // a format tag or layout Windows has no player for
    kDataCutShort,        // the data chunk runs past the end: plays as far as it goes
  };
  Problem problem = Problem::kNone;
  uint16_t formatTag = 0;
  uint16_t channels = 0;
  uint32_t samplesPerSecond = 0;
  uint32_t bytesPerSecond = 0;
  uint16_t bitsPerSample = 0;
  uint64_t dataBytes = 0;  // as far as the file holds them

  // Whether MCI fails to open the file (every problem but a short data chunk).
  bool CannotOpen() const { return problem != Problem::kNone && problem != Problem::kDataCutShort; }
};

WaveFile ReadWaveFile(std::string_view file);

// The format's usual name ("PCM", "MP3"; "Format 0x1234" for one without).
std::string WaveFormatName(uint16_t tag);

// Why the sound system can't open the file, to follow "Die Datei …" or "Der
// Startklang …" ("ist keine WAV-Datei ..."); empty for a file it opens.
// German, UTF-8.
std::string WaveRefusal(const WaveFile& wave);

}  // namespace pandor
