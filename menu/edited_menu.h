#pragma once
// A menu as the editor holds it between saves: the model of the two menu
// files and the other files of the medium that saving writes (description
// texts, the start-up sound), and the steps back to earlier states.

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "menu/menu_model.h"

namespace pandor {

// A file's bytes as saving will write them; none: saving deletes the file.
// Shared, so that the states kept for undo don't copy large files.
using PlannedFile = std::optional<std::shared_ptr<const std::string>>;

struct EditedMenu {
  MenuModel model;
  // By their paths below the medium's root, "/" between the parts (UTF-8).
  std::map<std::string, PlannedFile> files;

  // The bytes planned for a file; none when no file is planned for the path,
  // or when it is to be deleted.
  const std::string* PlannedBytes(const std::string& path) const;
  void PlanFile(const std::string& path, std::string bytes);
  void PlanDeletion(const std::string& path);
};

// The paths of the two menu files below the medium's root.
constexpr const char* kOptionsPath = "autorun/options.dat";
constexpr const char* kFileListPath = "autorun/filelist.dat";

// One file for saving to write or delete.
struct FileToSave {
  std::string path;                          // below the medium's root, "/" between the parts
  std::shared_ptr<const std::string> bytes;  // null: delete it
};

// What saving `now` writes over a medium that holds `saved`: each menu file
// whose bytes differ, each planned file that differs from its saved plan.
std::vector<FileToSave> FilesToSave(const EditedMenu& now, const EditedMenu& saved);

// The states an editing session went through: the one shown, the ones undo
// goes back to (at most `depth` of them), and the one last saved.
class EditHistory {
 public:
  // A menu as it was opened: the one shown is the one saved.
  static constexpr size_t kDefaultDepth = 100;

  explicit EditHistory(EditedMenu opened);
  // A menu that differs from what the medium holds (`saved`) from the start.
  EditHistory(EditedMenu current, EditedMenu saved, size_t depth = kDefaultDepth);

  const EditedMenu& Current() const { return *states_.back(); }
  const EditedMenu& Saved() const { return *saved_; }
  // A new state after the current one; an earlier state is dropped beyond the
  // depth, and the steps undone before it can't be redone any more.
  void Push(EditedMenu next);
  bool CanUndo() const { return states_.size() > 1; }
  // Back one step; false when there is none.
  bool Undo();
  bool CanRedo() const { return !undone_.empty(); }
  // Forward again through the steps undone since the last new state; false when there is none.
  bool Redo();
  // Whether saving would write anything.
  bool Unsaved() const { return states_.back() != saved_ && !FilesToSave(Current(), Saved()).empty(); }
  void MarkSaved() { saved_ = states_.back(); }

 private:
  // Shared, so that the saved state costs no copy of a large menu.
  std::vector<std::shared_ptr<const EditedMenu>> states_;
  std::vector<std::shared_ptr<const EditedMenu>> undone_;  // the last undone at the back
  std::shared_ptr<const EditedMenu> saved_;
  size_t depth_;
};

}  // namespace pandor
