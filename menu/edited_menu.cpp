#include "menu/edited_menu.h"

namespace pandor {
namespace {

bool SameBytes(const PlannedFile& a, const PlannedFile& b) {
  if (!a || !b) return !a && !b;
  return *a == *b || **a == **b;
}

// Lines and line ends compared first: building the bytes of both is what takes the time.
void SaveIfChanged(std::vector<FileToSave>& files, const std::string& path, const LineFile& now, const LineFile& saved) {
  if (now == saved) return;
  std::string bytes = now.Bytes();
  if (bytes != saved.Bytes()) files.push_back(FileToSave{path, std::make_shared<const std::string>(std::move(bytes))});
}

}  // namespace

const std::string* EditedMenu::PlannedBytes(const std::string& path) const {
  const auto planned = files.find(path);
  if (planned == files.end() || !planned->second) return nullptr;
  return planned->second->get();
}

void EditedMenu::PlanFile(const std::string& path, std::string bytes) {
  files[path] = std::make_shared<const std::string>(std::move(bytes));
}

void EditedMenu::PlanDeletion(const std::string& path) { files[path] = std::nullopt; }

std::vector<FileToSave> FilesToSave(const EditedMenu& now, const EditedMenu& saved) {
  std::vector<FileToSave> files;
  SaveIfChanged(files, kOptionsPath, now.model.settings.File(), saved.model.settings.File());
  SaveIfChanged(files, kFileListPath, now.model.programs.File(), saved.model.programs.File());
  for (const auto& [path, planned] : now.files) {
    const auto before = saved.files.find(path);
    if (before != saved.files.end() && SameBytes(before->second, planned)) continue;
    files.push_back(FileToSave{path, planned ? *planned : nullptr});
  }
  return files;
}

EditHistory::EditHistory(EditedMenu opened)
    : states_{std::make_shared<const EditedMenu>(std::move(opened))}, saved_(states_.back()), depth_(kDefaultDepth) {}

EditHistory::EditHistory(EditedMenu current, EditedMenu saved, size_t depth)
    : states_{std::make_shared<const EditedMenu>(std::move(current))},
      saved_(std::make_shared<const EditedMenu>(std::move(saved))),
      depth_(depth) {}

void EditHistory::Push(EditedMenu next) {
  states_.push_back(std::make_shared<const EditedMenu>(std::move(next)));
  if (states_.size() > depth_ + 1) states_.erase(states_.begin());
  undone_.clear();
}

bool EditHistory::Undo() {
  if (!CanUndo()) return false;
  undone_.push_back(std::move(states_.back()));
  states_.pop_back();
  return true;
}

bool EditHistory::Redo() {
  if (!CanRedo()) return false;
  states_.push_back(std::move(undone_.back()));
  undone_.pop_back();
  return true;
}

}  // namespace pandor
