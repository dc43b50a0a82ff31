#include "menu/edited_menu.h"

namespace pandor {
namespace {

bool SameBytes(const PlannedFile& a, const PlannedFile& b) {
  if (!a || !b) return !a && !b;
  return *a == *b || **a == **b;
}

void SaveIfChanged(std::vector<FileToSave>& files, const std::string& path, std::string now, const std::string& saved) {
  if (now != saved) files.push_back(FileToSave{path, std::make_shared<const std::string>(std::move(now))});
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
  SaveIfChanged(files, kOptionsPath, now.model.settings.Bytes(), saved.model.settings.Bytes());
  SaveIfChanged(files, kFileListPath, now.model.programs.Bytes(), saved.model.programs.Bytes());
  for (const auto& [path, planned] : now.files) {
    const auto before = saved.files.find(path);
    if (before != saved.files.end() && SameBytes(before->second, planned)) continue;
    files.push_back(FileToSave{path, planned ? *planned : nullptr});
  }
  return files;
}

EditHistory::EditHistory(EditedMenu opened) : saved_(opened), depth_(kDefaultDepth) {
  states_.push_back(std::move(opened));
}

EditHistory::EditHistory(EditedMenu current, EditedMenu saved, size_t depth) : saved_(std::move(saved)), depth_(depth) {
  states_.push_back(std::move(current));
}

void EditHistory::Push(EditedMenu next) {
  states_.push_back(std::move(next));
  if (states_.size() > depth_ + 1) states_.erase(states_.begin());
}

bool EditHistory::Undo() {
  if (!CanUndo()) return false;
  states_.pop_back();
  return true;
}

}  // namespace pandor
