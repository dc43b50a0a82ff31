#include "checker/sound_check.h"

#include "menu/file_source.h"
#include "menu/menu_error.h"
#include "menu/wave_file.h"

namespace pandor::check {

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
  const std::optional<std::string> bytes =
      ReadOrReport(context, path, file, "das Menü meldet den Fehler des Soundsystems beim Start.");
  if (!bytes) return true;
  const WaveFile wave = ReadWaveFile(*bytes);
  if (wave.CannotOpen()) {
    context.findings.Error(file, 0,
                           "Der Startklang " + WaveRefusal(wave) +
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
