#include "editor/startup_sound.h"

#include <cstdio>

namespace pandor {
namespace {

std::string FormatName(uint16_t tag) {
  switch (tag) {
    case 0x0001: return "PCM";
    case 0x0002: return "Microsoft ADPCM";
    case 0x0003: return "Gleitkomma";
    case 0x0006: return "A-law";
    case 0x0007: return "µ-law";
    case 0x0011: return "IMA ADPCM";
    case 0x0031: return "GSM 6.10";
    case 0x0055: return "MP3";
    case 0xFFFE: return "WAVE-Extensible";
  }
  char name[32];
  std::snprintf(name, sizeof name, "Format 0x%04X", tag);
  return name;
}

// Seconds with one decimal, written the German way ("3,2 s").
std::string Duration(const WaveFile& wave) {
  const uint64_t tenths = wave.dataBytes * 10 / wave.bytesPerSecond;
  return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " s";
}

}  // namespace

std::string DescribeStartupSound(const std::optional<std::string>& waveBytes) {
  if (!waveBytes) return "Kein Startklang";
  const WaveFile wave = ReadWaveFile(*waveBytes);
  const std::string refusal = WaveRefusal(wave);
  if (!refusal.empty()) return "Die Datei " + refusal + ".";
  std::string text = FormatName(wave.formatTag) + ", " + std::to_string(wave.samplesPerSecond) + " Hz, " +
                     std::to_string(wave.channels) + (wave.channels == 1 ? " Kanal" : " Kanäle");
  if (wave.bytesPerSecond > 0) text += ", " + Duration(wave);
  if (wave.problem == WaveFile::Problem::kDataCutShort) {
    text += " (kürzer, als ihr Kopf sagt: das Menü spielt sie, soweit sie reicht)";
  }
  return text;
}

std::string WaveRefusal(const WaveFile& wave) {
  switch (wave.problem) {
    case WaveFile::Problem::kNotRiffWave: return "ist keine WAV-Datei (ohne RIFF/WAVE-Kopf)";
    case WaveFile::Problem::kNoFormatChunk: return "hat keinen vollständigen „fmt “-Abschnitt";
    case WaveFile::Problem::kNoDataChunk: return "hat keinen „data“-Abschnitt";
    case WaveFile::Problem::kUnplayableFormat:
      return "hat ein Format (" + FormatName(wave.formatTag) + ", " + std::to_string(wave.bitsPerSample) +
             " Bit), das Windows nicht abspielt";
    case WaveFile::Problem::kDataCutShort:
    case WaveFile::Problem::kNone: break;
  }
  return {};
}

}  // namespace pandor
