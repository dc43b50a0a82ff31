// The editor's edits of a program's record and of the settings, and how the
// selection and the findings lead to them.
#include <windows.h>

#include "editor/editor_window.h"
#include "editor/folder_copy.h"
#include "editor/program_file.h"
#include "editor/unsaved_files.h"
#include "menu/description.h"
#include "menu/locale_text.h"
#include "menu/medium_file_names.h"
#include "menu/menu_error.h"
#include "platform/ansi_text.h"
#include "platform/file_replacement.h"
#include "platform/text.h"

namespace pandor {
namespace {

// Longer descriptions, and ones with very long lines, are shown in part and
// can't be edited here: the box would take seconds (it wraps a long line at
// a cost that grows with the square of its length), and a part saved would
// cut the file.
constexpr size_t kEditableDescriptionBytes = 64 * 1024;
constexpr size_t kEditableLineBytes = 4 * 1024;
constexpr size_t kShownDescriptionBytes = 8 * 1024;

bool Editable(const std::string& description) {
  if (description.size() > kEditableDescriptionBytes) return false;
  size_t lineStart = 0;
  for (size_t i = 0; i <= description.size(); ++i) {
    if (i < description.size() && description[i] != '\r' && description[i] != '\n') continue;
    if (i - lineStart > kEditableLineBytes) return false;
    lineStart = i + 1;
  }
  return true;
}

bool SamePath(const std::string& a, const std::string& b) { return SameTextIgnoringCase(a, b); }

}  // namespace

std::optional<std::string> EditorWindow::AnsiOrComplain(const std::wstring& text) {
  const AnsiText ansi = ToAnsi(text);
  if (ansi.unrepresentable.empty()) return ansi.bytes;
  dialogs_.Error(hwnd_, UnrepresentableMessage(ansi.unrepresentable));
  return std::nullopt;
}

int EditorWindow::SelectedRecord() const {
  const int node = treeView_.SelectedNode();
  return node < 0 ? -1 : ProgramListModel::RecordOf(tree_, node);
}

void EditorWindow::ShowSelection() {
  const int node = treeView_.SelectedNode();
  if (!document_ || node < 0) {
    form_.ShowNothing();
    return;
  }
  const int record = ProgramListModel::RecordOf(tree_, node);
  if (record < 0) {
    form_.ShowGroup(tree_.Text(node), static_cast<int>(tree_.Node(node).children.size()));
    return;
  }
  const ProgramEntry entry = document_->Menu().model.programs.Record(record);
  // The groups at the top level to choose from; a group deeper down can be typed.
  std::vector<std::string> groups;
  for (int top : tree_.TopLevel()) {
    if (tree_.Node(top).IsGroup()) groups.push_back(tree_.Text(top));
  }
  std::wstring description;
  bool editable = true;
  std::string note;
  if (!entry.description.empty()) {
    const std::optional<std::string> bytes = document_->BytesOf(document_->MenuFileRelative(entry.description));
    if (!bytes) note = "Die Beschreibungsdatei fehlt noch; was Sie schreiben, wird unter ihrem Namen gespeichert. ";
    editable = !bytes || Editable(*bytes);
    if (bytes) description = FromAnsi(DescriptionText(editable ? *bytes : bytes->substr(0, kShownDescriptionBytes)));
    if (!editable) note = "Die Beschreibung ist zu lang, um sie hier zu bearbeiten; gezeigt wird ihr Anfang. ";
  }
  RecordForm::PictureSource picture;
  if (!entry.picture.empty()) picture.path = ToUtf8(document_->PathOf(document_->MenuFileRelative(entry.picture)));
  picture.load = [](const std::string& path, std::string& problem) -> std::unique_ptr<Picture> {
    try {
      return LoadPicture(path);
    } catch (const MenuError& error) {
      problem = std::string("Das Menü zeigt das Bild nicht: ") + error.what();
      return nullptr;
    }
  };
  picture.note = note;
  form_.ShowRecord(entry, groups, description, editable, picture);
}

void EditorWindow::FieldEdited(RecordField field, const std::wstring& text) {
  const int node = treeView_.SelectedNode();
  const int record = SelectedRecord();
  if (!document_ || record < 0) return;
  const std::optional<std::string> ansi = AnsiOrComplain(text);
  if (!ansi) {
    ShowSelection();
    return;
  }
  if (field == RecordField::kGroup) {
    int moved = -1;
    Edit([&](EditedMenu& menu) { moved = menu.model.programs.MoveToGroup(node, *ansi); },
         [&](const MenuTree& tree) { return NodeOfRecord(tree, moved); });
    if (moved < 0) {
      SetStatus("In diese Gruppe lässt sich der Eintrag nicht verschieben.");
      ShowSelection();
    }
    return;
  }
  if (field == RecordField::kDisplayName && tree_.Node(node).IsGroup()) {
    // Its programs name it as their group: they follow the new name.
    pendingRename_ = std::make_pair(node, text);
    FinishRename();
    return;
  }
  // A display name may join or leave a group of that name; the other fields leave the tree as it is.
  const NodePlace place = PlaceOf(tree_, node);
  Edit([&](EditedMenu& menu) { menu.model.programs.SetField(record, field, *ansi); },
       [&](const MenuTree& tree) { return NodeAt(tree, place); }, field != RecordField::kDisplayName);
}

void EditorWindow::DescriptionEdited(const std::wstring& text) {
  const int record = SelectedRecord();
  if (!document_ || record < 0) return;
  const std::optional<std::string> bytes = AnsiOrComplain(text);
  if (!bytes) {
    ShowSelection();
    return;
  }
  const ProgramEntry entry = document_->Menu().model.programs.Record(record);
  std::string name = entry.description;
  if (name.empty()) {
    name = SafeFileName(AnsiToUtf8(entry.displayName), ".txt", [this](const std::string& candidate) {
      return document_->BytesOf(document_->MenuFileRelative(candidate)).has_value();
    });
  }
  Edit([&](EditedMenu& menu) {
         if (entry.description.empty()) menu.model.programs.SetField(record, RecordField::kDescription, name);
         menu.PlanFile(document_->MenuFileRelative(name), *bytes);
       },
       nullptr, true);
}

void EditorWindow::ChooseRunFile() {
  const int record = SelectedRecord();
  if (!document_ || record < 0) return;
  const std::optional<std::wstring> file = dialogs_.ChooseFile(hwnd_, FileKind::kProgram);
  if (!file) return;
  const std::optional<std::string> runFile = RunFileOnMedium(*file);
  if (!runFile) return;
  Edit([&](EditedMenu& menu) { menu.model.programs.SetField(record, RecordField::kRunFile, *runFile); }, nullptr, true);
}

void EditorWindow::ChoosePicture() {
  const int record = SelectedRecord();
  if (!document_ || record < 0) return;
  const std::optional<std::wstring> file = dialogs_.ChooseFile(hwnd_, FileKind::kPicture);
  if (!file) return;
  try {
    LoadPicture(ToUtf8(*file));
  } catch (const MenuError& error) {
    dialogs_.Error(hwnd_, "Dieses Bild zeigt das Menü nicht: " + std::string(error.what()));
    return;
  }
  const std::wstring menuFolder = document_->PathOf("autorun");
  std::wstring name;
  if (LiesIn(*file, menuFolder)) {
    name = file->substr(menuFolder.size() + 1);
  } else {
    // The menu finds its pictures in the menu folder: a copy goes there.
    try {
      name = CopyUnderSafeName(*file, menuFolder);
    } catch (const MenuError& error) {
      dialogs_.Error(hwnd_, error.what());
      return;
    }
  }
  const std::optional<std::string> ansi = AnsiOrComplain(name);
  if (!ansi) return;
  Edit([&](EditedMenu& menu) { menu.model.programs.SetField(record, RecordField::kPicture, *ansi); }, nullptr, true);
}

void EditorWindow::EditSettings(const std::function<void(SettingsModel&)>& edit) {
  Edit([&](EditedMenu& menu) { edit(menu.model.settings); }, nullptr, true);
}

const std::optional<std::string>& EditorWindow::StartupSound() const { return startupSound_; }

void EditorWindow::SetStartupSound(std::optional<std::string> waveBytes) {
  startupSound_ = waveBytes;
  Edit([&](EditedMenu& menu) {
         if (waveBytes) menu.PlanFile(kStartupSoundPath, *waveBytes);
         else menu.PlanDeletion(kStartupSoundPath);
       },
       nullptr, true);
}

void EditorWindow::ShowError(const std::string& text) { dialogs_.Error(hwnd_, text); }

std::optional<std::wstring> EditorWindow::ChooseSoundFile() { return dialogs_.ChooseFile(hwnd_, FileKind::kSound); }

void EditorWindow::OpenFinding(const check::Finding& finding) {
  if (!document_) return;
  if (SamePath(finding.file, kOptionsPath) && finding.line > 0) {
    ShowPage(kSettingsPage);
    settingsPage_.FocusLine(finding.line - 1);
    return;
  }
  const ProgramListModel& programs = document_->Menu().model.programs;
  int record = -1;
  RecordField field = RecordField::kGroup;
  if (SamePath(finding.file, kFileListPath) && finding.line > 0) {
    record = (finding.line - 1) / static_cast<int>(kProgramEntryLines);
    field = static_cast<RecordField>((finding.line - 1) % static_cast<int>(kProgramEntryLines));
  } else if (!finding.file.empty()) {
    // A finding about one of a record's files: the first record that names it.
    for (int r = 0; r < programs.RecordCount() && record < 0; ++r) {
      const ProgramEntry entry = programs.Record(r);
      if (!entry.picture.empty() && SamePath(document_->MenuFileRelative(entry.picture), finding.file)) {
        record = r;
        field = RecordField::kPicture;
      } else if (!entry.description.empty() && SamePath(document_->MenuFileRelative(entry.description), finding.file)) {
        record = r;
        field = RecordField::kDescription;
      }
    }
  }
  const int node = record >= 0 && record < programs.RecordCount() ? NodeOfRecord(tree_, record) : -1;
  if (node < 0) return;
  ShowPage(kProgramPage);
  treeView_.Select(node);
  ShowSelection();
  form_.Focus(field);
}

}  // namespace pandor
