#include "editor/unsaved_files.h"

namespace pandor {

check::UnsavedFiles UnsavedFilesOf(const EditedMenu& menu) {
  check::UnsavedFiles files;
  for (const auto& [path, planned] : menu.files) {
    files[path] = planned ? std::optional<std::string>(**planned) : std::nullopt;
  }
  files[kOptionsPath] = menu.model.settings.Bytes();
  files[kFileListPath] = menu.model.programs.Bytes();
  return files;
}

}  // namespace pandor
