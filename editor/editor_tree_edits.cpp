// The editor's edits of the programs' tree: adding, renaming, removing,
// moving and regrouping programs, by command, key or drag and drop.
#include <windows.h>
#include <commctrl.h>

#include "editor/editor_window.h"
#include "editor/folder_copy.h"
#include "editor/program_file.h"
#include "menu/medium_file_names.h"
#include "menu/menu_error.h"
#include "platform/ansi_text.h"
#include "platform/file_replacement.h"
#include "platform/text.h"

namespace pandor {
namespace {

constexpr wchar_t kProgramsFolder[] = L"programme";

bool Fits(const std::wstring& text) { return ToAnsi(text).unrepresentable.empty(); }

// "Neue Gruppe", else "Neue Gruppe 2", ... : a name no node has.
std::string UnusedGroupName(const MenuTree& tree) {
  std::string name = "Neue Gruppe";
  for (int n = 2; tree.FindFirstInDisplayOrder(name) >= 0; ++n) name = "Neue Gruppe " + std::to_string(n);
  return name;
}

}  // namespace

std::string EditorWindow::GroupOfSelection() const {
  const int node = treeView_.SelectedNode();
  if (node < 0) return "";
  if (tree_.Node(node).IsGroup()) return tree_.Text(node);
  const int parent = tree_.Node(node).parent;
  return parent < 0 ? "" : tree_.Text(parent);
}

std::optional<std::string> EditorWindow::RunFileOnMedium(const std::wstring& file) {
  const std::wstring& root = document_->Root();
  std::wstring relative;
  if (LiesIn(file, root)) {
    relative = file.substr(root.size() + 1);
  } else {
    const std::string question = "„" + ToUtf8(file) + "“ liegt nicht auf dem Medium, und das Menü startet nur "
                                 "Programme des Mediums. In den Ordner „programme“ des Mediums kopieren?";
    if (dialogs_.Ask(hwnd_, question, false) != Answer::kYes) return std::nullopt;
    try {
      relative = std::wstring(kProgramsFolder) + L"\\" + CopyUnderSafeName(file, root + L"\\" + kProgramsFolder);
    } catch (const MenuError& error) {
      dialogs_.Error(hwnd_, error.what());
      return std::nullopt;
    }
  }
  return AnsiOrComplain(relative);
}

void EditorWindow::AddProgram(const std::optional<std::wstring>& chosenFile) {
  if (!document_) return;
  CommitFields();
  const std::optional<std::wstring> file = chosenFile ? chosenFile : dialogs_.ChooseFile(hwnd_, FileKind::kProgram);
  if (!file) return;
  const std::optional<std::string> runFile = RunFileOnMedium(*file);
  if (!runFile) return;
  std::wstring displayName = VersionDescriptionOf(*file);
  if (displayName.empty() || !Fits(displayName)) displayName = StemOf(*file);
  const std::optional<std::string> display = AnsiOrComplain(displayName);
  const std::optional<std::string> installed = AnsiOrComplain(FileNameOf(*file));
  if (!display || !installed) return;
  const ProgramEntry entry{GroupOfSelection(), *runFile, *display, *installed, "", ""};
  int record = -1;
  Edit([&](EditedMenu& menu) { record = menu.model.programs.AddProgram(entry); },
       [&](const MenuTree& tree) { return NodeOfRecord(tree, record); });
  SetStatus("Programm „" + ToUtf8(displayName) + "“ hinzugefügt.");
}

void EditorWindow::AddGroup() {
  if (!document_) return;
  CommitFields();
  const std::string name = UnusedGroupName(tree_);
  int record = -1;
  Edit([&](EditedMenu& menu) {
         record = menu.model.programs.AddGroup(name, ProgramEntry{name, "", "Neues Programm", "", "", ""});
       },
       [&](const MenuTree& tree) {
         const int program = NodeOfRecord(tree, record);
         return program < 0 ? -1 : tree.Node(program).parent;
       });
  SetFocus(treeView_.Handle());
  RenameSelected();
}

void EditorWindow::RenameSelected() {
  const HTREEITEM selected = TreeView_GetSelection(treeView_.Handle());
  if (!document_ || !selected) return;
  SetFocus(treeView_.Handle());
  TreeView_EditLabel(treeView_.Handle(), selected);
}

void EditorWindow::EndRename(const NMTVDISPINFOW& info) {
  if (!info.item.pszText) return;
  // The tree is shown anew after the edit, which it mustn't be while it ends the label's edit.
  pendingRename_ = std::make_pair(static_cast<int>(info.item.lParam), std::wstring(info.item.pszText));
  PostMessageW(hwnd_, kRenameLater, 0, 0);
}

void EditorWindow::FinishRename() {
  if (!pendingRename_ || !document_) return;
  const auto [node, wide] = *pendingRename_;
  pendingRename_.reset();
  if (node < 0 || node >= static_cast<int>(tree_.Nodes().size())) return;
  const std::optional<std::string> name = AnsiOrComplain(wide);
  if (!name || name->empty() || *name == tree_.Text(node)) return;
  const std::string old = tree_.Text(node);
  const int record = ProgramListModel::RecordOf(tree_, node);
  const bool group = tree_.Node(node).IsGroup();
  const NodePlace place = PlaceOf(tree_, node);
  if (group && tree_.FindFirstInDisplayOrder(*name) >= 0) {
    dialogs_.Error(hwnd_, "Es gibt schon einen Eintrag „" + ToUtf8(FromAnsi(*name)) +
                              "“; die Programme der Gruppe kämen zu ihm. Wählen Sie einen anderen Namen.");
    return;
  }
  // A rename keeps the tree's shape: what was open stays open, by its place.
  const std::vector<NodePlace> open = treeView_.OpenPlaces();
  Edit([&](EditedMenu& menu) {
         if (group) menu.model.programs.RenameGroup(old, *name);
         if (record >= 0) menu.model.programs.SetField(record, RecordField::kDisplayName, *name);
       },
       [&](const MenuTree& tree) { return NodeAt(tree, place); });
  treeView_.Open(open);
}

void EditorWindow::RemoveSelected() {
  const int node = treeView_.SelectedNode();
  if (!document_ || node < 0) return;
  CommitFields();
  const MenuNode& data = tree_.Node(node);
  if (data.IsGroup()) {
    const std::string question = "Die Gruppe „" + ToUtf8(FromAnsi(tree_.Text(node))) + "“ mit " +
                                 std::to_string(data.children.size()) + " Einträgen entfernen?";
    if (dialogs_.Ask(hwnd_, question, false) != Answer::kYes) return;
  }
  const NodePlace place = PlaceOf(tree_, node);
  const std::string name = ToUtf8(FromAnsi(tree_.Text(node)));
  Edit([&](EditedMenu& menu) { menu.model.programs.Remove(node); },
       [&](const MenuTree& tree) { return NodeAt(tree, place); });
  SetStatus("„" + name + "“ entfernt. Strg+Z holt es zurück.");
}

void EditorWindow::MoveSelected(bool up) {
  const int node = treeView_.SelectedNode();
  if (!document_ || node < 0) return;
  CommitFields();
  NodePlace place = PlaceOf(tree_, node);
  bool moved = false;
  Edit([&](EditedMenu& menu) { moved = up ? menu.model.programs.MoveUp(node) : menu.model.programs.MoveDown(node); },
       [&](const MenuTree& tree) {
         place.back() += up ? -1 : 1;
         return NodeAt(tree, place);
       });
  if (!moved) SetStatus(up ? "Der Eintrag steht schon ganz oben." : "Der Eintrag steht schon ganz unten.");
  SetFocus(treeView_.Handle());
}

void EditorWindow::TakeOutOfGroup() {
  const int node = treeView_.SelectedNode();
  if (!document_ || node < 0 || tree_.Node(node).parent < 0) return;
  int record = -1;
  Edit([&](EditedMenu& menu) { record = menu.model.programs.MoveToGroup(node, ""); },
       [&](const MenuTree& tree) { return NodeOfRecord(tree, record); });
}

void EditorWindow::BeginDrag(const NMTREEVIEWW& drag) {
  dragged_ = static_cast<int>(drag.itemNew.lParam);
  SetCapture(hwnd_);
}

void EditorWindow::EndDrag(POINT point) {
  const int node = dragged_;
  dragged_ = -1;
  ReleaseCapture();
  TreeView_SelectDropTarget(treeView_.Handle(), nullptr);
  const int target = treeView_.NodeAtPoint(point);
  if (!document_ || node < 0 || target == node) return;
  // Onto a group: into it; onto a program: beside it, in its group; elsewhere: out of any group.
  std::string group;
  if (target >= 0) {
    const MenuNode& data = tree_.Node(target);
    group = data.IsGroup() ? tree_.Text(target) : data.parent >= 0 ? tree_.Text(data.parent) : "";
  }
  int record = -1;
  Edit([&](EditedMenu& menu) { record = menu.model.programs.MoveToGroup(node, group); },
       [&](const MenuTree& tree) { return NodeOfRecord(tree, record); });
  if (record < 0) SetStatus("Dorthin lässt sich der Eintrag nicht verschieben.");
}

}  // namespace pandor
