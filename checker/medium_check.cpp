#include "checker/medium_check.h"

#include <system_error>

#include "checker/check_context.h"
#include "checker/medium_summary.h"
#include "checker/program_list_check.h"
#include "checker/settings_check.h"
#include "checker/sound_check.h"
#include "menu/file_source.h"
#include "menu/menu_messages.h"

namespace pandor::check {
namespace {

// The menu ends at once without its two files: nothing else is read then.
bool DefinitionFilesThere(const CheckContext& context) {
  if (DefinitionFilesPresent(context.files, context.folder)) return true;
  const FileLookup menuFolder = context.files.Lookup(context.folder.menuDir);
  std::string message;
  if (!menuFolder.found || !menuFolder.isFolder) {
    message = "Neben dem Programm fehlt der Menüordner „autorun“. ";
  } else {
    for (const char* name : {kFileListFile, kOptionsFile}) {
      if (!FileExists(context.files, MenuFilePath(context.folder.menuDir, name))) message += std::string("„") + name + "“ fehlt. ";
    }
  }
  context.findings.Error(menuFolder.found ? menuFolder.relative : "autorun", 0,
                         message + "Das Menü zeigt die Meldung „Debug“ und beendet sich ohne Fenster.", "msg-debug",
                         std::string(kMissingFilesText));
  return false;
}

}  // namespace

CheckReport CheckMedium(const std::filesystem::path& root, const UnsavedFiles& unsaved) {
  CheckReport report;
  std::error_code error;
  if (!std::filesystem::is_directory(root, error)) {
    report.failure = "„" + root.u8string() + "“ ist kein Ordner.";
    return report;
  }
  report.checked = true;
  const MediumFiles files(root, unsaved);
  const CheckContext context{files, MenuFolderFor(std::string(kMediumRoot) + "autorun.exe"), report.findings,
                             report.facts};
  CheckMediumRoot(context);
  if (!DefinitionFilesThere(context)) return report;
  const bool soundExists = CheckStartupSound(context);
  CheckSettings(context, soundExists);
  CheckProgramList(context);
  SummariseMenu(context);
  return report;
}

}  // namespace pandor::check
