#include "editor/startup_sound.h"

namespace pandor {
namespace {

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
  std::string text = WaveFormatName(wave.formatTag) + ", " + std::to_string(wave.samplesPerSecond) + " Hz, " +
                     std::to_string(wave.channels) + (wave.channels == 1 ? " Kanal" : " Kanäle");
  if (wave.bytesPerSecond > 0) text += ", " + Duration(wave);
  if (wave.problem == WaveFile::Problem::kDataCutShort) {
    text += " (kürzer, als ihr Kopf sagt: das Menü spielt sie, soweit sie reicht)";
  }
  return text;
}

}  // namespace pandor
