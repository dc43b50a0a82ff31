#include "checker/medium_summary.h"

#include <cstdio>

#include "menu/file_source.h"
#include "menu/locale_text.h"
#include "menu/menu_error.h"

namespace pandor::check {
namespace {

constexpr uint64_t kCdBytes = uint64_t{700} * 1024 * 1024;
constexpr uint64_t kDvdBytes = 4'700'000'000;

// The value of `key=` in the [autorun] section, or nothing.
std::optional<std::string> AutorunValue(const LineList& lines, const std::string& key) {
  bool inSection = false;
  for (const std::string& raw : lines) {
    const std::string line = Trimmed(raw);
    if (!line.empty() && line[0] == '[') {
      inSection = SameTextIgnoringCase(line, "[autorun]");
      continue;
    }
    const size_t equals = line.find('=');
    if (inSection && equals != std::string::npos && SameTextIgnoringCase(Trimmed(line.substr(0, equals)), key)) {
      return Trimmed(line.substr(equals + 1));
    }
  }
  return std::nullopt;
}

// Megabytes with one decimal and a decimal comma.
std::string Megabytes(uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(bytes) / (1024.0 * 1024.0));
  std::string result = text;
  for (char& c : result) {
    if (c == '.') c = ',';
  }
  return result + " MB";
}

}  // namespace

void CheckMediumRoot(const CheckContext& context) {
  const std::string& root = context.folder.appDir;
  if (!FileExists(context.files, MenuFilePath(root, "autorun.exe"))) {
    context.findings.Note("autorun.exe",
                          "Im Stammordner liegt noch kein autorun.exe; scripts/make-medium.sh legt das Menüprogramm "
                          "hinein.",
                          "making-a-medium");
  }
  const std::string inf = MenuFilePath(root, "autorun.inf");
  if (!FileExists(context.files, inf)) {
    context.findings.Note("autorun.inf",
                          "Kein autorun.inf: Windows bietet das Menü beim Einlegen der CD nicht an; "
                          "scripts/make-medium.sh schreibt eines.",
                          "autorun-inf");
    return;
  }
  const std::string file = RelativeName(context, inf);
  try {
    const std::optional<std::string> open = AutorunValue(SplitLines(context.files.ReadWhole(inf)), "open");
    if (!open) {
      context.findings.Warning(file, 0,
                               "autorun.inf nennt im Abschnitt [autorun] kein „open=“: Windows startet das Menü "
                               "nicht.",
                               "autorun-inf");
    } else if (!FileExists(context.files, MenuFilePath(root, open->substr(0, open->find(' '))))) {
      context.findings.Warning(file, 0,
                               "autorun.inf startet " + Quoted(*open) + ", das im Stammordner fehlt.", "autorun-inf");
    }
  } catch (const MenuError& error) {
    context.findings.Warning(file, 0, "autorun.inf lässt sich nicht lesen: " + std::string(error.what()) + ".",
                             "autorun-inf");
  }
}

void SummariseMenu(const CheckContext& context) {
  MenuFacts& facts = context.facts;
  std::string pictures;
  for (const auto& [format, count] : facts.picturesByFormat) {
    pictures += (pictures.empty() ? "" : ", ") + std::to_string(count) + " " + format;
  }
  context.findings.Note("",
                        "Das Menü: " + std::to_string(facts.records) + " Programme, " + std::to_string(facts.groups) +
                            " Gruppen; Bilder: " + (pictures.empty() ? "keine" : pictures) + ".",
                        "filelist-dat");
  const MediumFiles::Survey survey = context.files.SurveyMedium();
  for (const auto& [first, second] : survey.caseCollisions) {
    context.findings.Warning(second, 0,
                             "„" + second + "“ und „" + first +
                                 "“ unterscheiden sich nur in Groß- und Kleinschreibung: Windows erreicht nur eine "
                                 "von beiden. Benennen Sie eine um.",
                             "paths");
  }
  facts.mediumBytes = survey.totalBytes;
  const std::string size = "Das Medium belegt " + Megabytes(facts.mediumBytes);
  if (facts.mediumBytes <= kCdBytes) {
    context.findings.Note("", size + ": es passt auf eine CD (700 MB).", "making-a-medium");
  } else if (facts.mediumBytes <= kDvdBytes) {
    context.findings.Note("", size + ": zu viel für eine CD (700 MB), es passt auf eine DVD (4,7 GB).",
                          "making-a-medium");
  } else {
    context.findings.Warning("", 0, size + ": es passt auf keine DVD (4,7 GB), nur auf einen USB-Stick.",
                             "making-a-medium");
  }
}

}  // namespace pandor::check
