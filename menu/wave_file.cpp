#include "menu/wave_file.h"

#include <cstdio>

#include "menu/pictures/little_endian.h"

namespace pandor {
namespace {

constexpr size_t kRiffHeaderSize = 12;
constexpr size_t kChunkHeaderSize = 8;
constexpr size_t kFormatSize = 16;

enum FormatTag : uint16_t {
  kPcm = 0x0001,
  kMsAdpcm = 0x0002,
  kIeeeFloat = 0x0003,
  kALaw = 0x0006,
  kMuLaw = 0x0007,
  kImaAdpcm = 0x0011,
  kGsm610 = 0x0031,
  kMpegLayer3 = 0x0055,
  kExtensible = 0xFFFE,
};

// Formats Windows plays, uncompressed or through the codecs it ships with.
bool IsPlayable(const WaveFile& wave) {
  if (wave.channels == 0 || wave.samplesPerSecond == 0) return false;
  switch (wave.formatTag) {
    case kPcm:
      return wave.bitsPerSample == 8 || wave.bitsPerSample == 16 || wave.bitsPerSample == 24 ||
             wave.bitsPerSample == 32;
    case kIeeeFloat: return wave.bitsPerSample == 32 || wave.bitsPerSample == 64;
    case kMsAdpcm:
    case kALaw:
    case kMuLaw:
    case kImaAdpcm:
    case kGsm610:
    case kMpegLayer3:
    case kExtensible: return true;
    default: return false;
  }
}

}  // namespace

WaveFile ReadWaveFile(std::string_view file) {
  WaveFile wave;
  if (file.size() < kRiffHeaderSize || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "WAVE") {
    wave.problem = WaveFile::Problem::kNotRiffWave;
    return wave;
  }
  bool sawFormat = false;
  for (size_t at = kRiffHeaderSize; file.size() - at >= kChunkHeaderSize;) {
    const std::string_view id = file.substr(at, 4);
    const uint64_t size = ReadU32(file, at + 4);
    const size_t body = at + kChunkHeaderSize;
    const uint64_t available = file.size() - body;
    if (id == "fmt " && !sawFormat) {
      if (size < kFormatSize || available < kFormatSize) break;
      wave.formatTag = ReadU16(file, body);
      wave.channels = ReadU16(file, body + 2);
      wave.samplesPerSecond = ReadU32(file, body + 4);
      wave.bytesPerSecond = ReadU32(file, body + 8);
      wave.bitsPerSample = ReadU16(file, body + 14);
      sawFormat = true;
    } else if (id == "data" && sawFormat) {
      // The sound system looks for the data after the format chunk.
      wave.dataBytes = size <= available ? size : available;
      if (!IsPlayable(wave)) {
        wave.problem = WaveFile::Problem::kUnplayableFormat;
      } else if (size > available) {
        wave.problem = WaveFile::Problem::kDataCutShort;
      }
      return wave;
    }
    // Chunks are padded to an even length.
    const uint64_t next = body + size + (size & 1);
    if (next > file.size()) break;
    at = static_cast<size_t>(next);
  }
  wave.problem = sawFormat ? WaveFile::Problem::kNoDataChunk : WaveFile::Problem::kNoFormatChunk;
  return wave;
}

std::string WaveFormatName(uint16_t tag) {
  switch (tag) {
    case kPcm: return "PCM";
    case kMsAdpcm: return "Microsoft ADPCM";
    case kIeeeFloat: return "Gleitkomma";
    case kALaw: return "A-law";
    case kMuLaw: return "µ-law";
    case kImaAdpcm: return "IMA ADPCM";
    case kGsm610: return "GSM 6.10";
    case kMpegLayer3: return "MP3";
    case kExtensible: return "WAVE-Extensible";
  }
  char name[32];
  std::snprintf(name, sizeof name, "Format 0x%04X", tag);
  return name;
}

std::string WaveRefusal(const WaveFile& wave) {
  switch (wave.problem) {
    case WaveFile::Problem::kNotRiffWave: return "ist keine WAV-Datei (kein RIFF/WAVE-Kopf)";
    case WaveFile::Problem::kNoFormatChunk: return "hat keinen vollständigen „fmt “-Abschnitt";
    case WaveFile::Problem::kNoDataChunk: return "hat keinen „data“-Abschnitt nach dem „fmt “-Abschnitt";
    case WaveFile::Problem::kUnplayableFormat: {
      std::string format = WaveFormatName(wave.formatTag);
      if (wave.bitsPerSample > 0) format += ", " + std::to_string(wave.bitsPerSample) + " Bit";
      return "hat ein Format (" + format + "), das Windows nicht abspielt";
    }
    case WaveFile::Problem::kDataCutShort:
    case WaveFile::Problem::kNone: break;
  }
  return {};
}

}  // namespace pandor
