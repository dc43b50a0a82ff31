#include "checker/sound_check.h"

#include "menu/file_source.h"
#include "menu/menu_error.h"
#include "menu/wave_file.h"

namespace pandor::check {
namespace {

const char* ProblemText(WaveFile::Problem problem) {
  switch (problem) {
    case WaveFile::Problem::kNotRiffWave: return "ist keine WAV-Datei (kein RIFF/WAVE-Kopf)";
    case WaveFile::Problem::kNoFormatChunk: return "hat keinen vollständigen „fmt “-Abschnitt";
    case WaveFile::Problem::kNoDataChunk: return "hat keinen „data“-Abschnitt nach dem „fmt “-Abschnitt";
    case WaveFile::Problem::kUnplayableFormat: return "hat ein Format, das Windows nicht abspielt";
    case WaveFile::Problem::kDataCutShort:
    case WaveFile::Problem::kNone: break;
  }
  return "";
}

}  // namespace

bool CheckStartupSound(const CheckContext& context) {
  const std::string path = StartupSoundPath(context.folder);
  if (!FileExists(context.files, path)) return false;
  const FileLookup lookup = context.files.Lookup(path);
  const std::string& file = lookup.relative;
  if (!lookup.exactCase) {
    context.findings.Warning(file, 0,
                             "Der Startklang heißt „" + file +
                                 "“ statt „autorun/startup.wav“: Windows und eine CD finden ihn, eine Kopie auf "
                                 "einem Datenträger, der Groß- und Kleinschreibung unterscheidet, nicht.",
                             "sound");
  }
  WaveFile wave;
  try {
    wave = ReadWaveFile(context.files.ReadWhole(path));
  } catch (const MenuError& error) {
    context.findings.Error(file, 0, "Der Startklang lässt sich nicht lesen: das Menü meldet es beim Start.",
                           "msg-cannot-open", ErrorBoxText(error.what()));
    return true;
  }
  if (wave.CannotOpen()) {
    context.findings.Error(file, 0,
                           std::string("Der Startklang ") + ProblemText(wave.problem) +
                               ": das Menü meldet beim Start den Fehlertext des Soundsystems und bleibt stumm.",
                           "msg-sound");
  } else if (wave.problem == WaveFile::Problem::kDataCutShort) {
    context.findings.Warning(file, 0,
                             "Der Startklang ist kürzer, als sein Kopf sagt: das Menü spielt ihn, soweit er reicht.",
                             "sound");
  }
  return true;
}

}  // namespace pandor::check
