#pragma once
// The editor's main window: the programs' tree with its buttons, the form of
// the selected program and the settings page on two tabs, the checker's
// findings below, a status line. Every change goes through Edit(), which
// records it for undo and shows the new state everywhere.

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "editor/editor_dialogs.h"
#include "editor/findings_pane.h"
#include "editor/live_check.h"
#include "editor/medium_document.h"
#include "editor/program_tree.h"
#include "editor/record_form.h"
#include "editor/settings_page.h"
#include "menu/menu_tree.h"

namespace pandor {

class EditorWindow : private RecordFormHost, private SettingsPageHost {
 public:
  // `programFolder`: the editor's own folder, where the menu program lies for
  // the preview and for writing a medium.
  EditorWindow(HINSTANCE instance, EditorDialogs& dialogs, std::wstring programFolder);
  ~EditorWindow();
  EditorWindow(const EditorWindow&) = delete;
  EditorWindow& operator=(const EditorWindow&) = delete;

  static void RegisterClasses(HINSTANCE instance);
  HWND Create();
  HWND Handle() const { return hwnd_; }
  // Keyboard: the menu bar's accelerators and the dialog keys (Tab, mnemonics).
  bool PreTranslateMessage(MSG& message);

  // Opens the menu of the medium root, or offers to make one where it has none.
  bool OpenMedium(const std::wstring& root);
  bool HasMedium() const { return document_.has_value(); }
  const MediumDocument& Document() const { return *document_; }
  const MenuTree& Tree() const { return tree_; }
  ProgramTree& TreeView() { return treeView_; }
  const FindingsPane& FindingsList() const { return findings_; }
  // The folder the last preview ran in.
  const std::wstring& PreviewFolder() const { return previewFolder_; }

  std::function<void()> onDestroyed;

 private:
  static constexpr UINT kRenameLater = WM_APP + 11;
  static constexpr int kProgramPage = 0, kSettingsPage = 1;  // the tabs

  template <typename T>
  friend LRESULT CALLBACK ObjectWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  HMENU MakeMenuBar() const;
  void OnCommand(int command);
  LRESULT OnNotify(const NMHDR& header);

  // Files (editor_files.cpp).
  void NewMenu();
  void OpenChosen();
  bool Save();
  // Asks what to do with unsaved changes; false when the author cancels.
  bool ConfirmLeaving();
  void Preview();
  void WriteMedium();
  std::optional<std::wstring> MenuProgram();
  void DropFiles(HDROP drop);
  void UseDocument(MediumDocument document);

  // The tree's edits (editor_tree_edits.cpp).
  void AddProgram(const std::optional<std::wstring>& chosenFile = std::nullopt);
  void AddGroup();
  void RenameSelected();
  void EndRename(const NMTVDISPINFOW& info);
  void FinishRename();
  void RemoveSelected();
  void MoveSelected(bool up);
  void TakeOutOfGroup();
  void BeginDrag(const NMTREEVIEWW& drag);
  void EndDrag(POINT point);
  // The run file's path below the medium's root (ANSI), copying a file from
  // elsewhere into the medium if the author agrees; none when not.
  std::optional<std::string> RunFileOnMedium(const std::wstring& file);
  std::string GroupOfSelection() const;

  // The form's and the settings page's edits (editor_record_edits.cpp).
  void FieldEdited(RecordField field, const std::wstring& text) override;
  void DescriptionEdited(const std::wstring& text) override;
  void ChooseRunFile() override;
  void ChoosePicture() override;
  void EditSettings(const std::function<void(SettingsModel&)>& edit) override;
  const std::optional<std::string>& StartupSound() const override;
  void SetStartupSound(std::optional<std::string> waveBytes) override;
  void ShowError(const std::string& text) override;
  std::optional<std::wstring> ChooseSoundFile() override;
  // The text as ANSI bytes; none, having said which characters don't fit, when the code page lacks some.
  std::optional<std::string> AnsiOrComplain(const std::wstring& text);
  int SelectedRecord() const;

  // Showing the state (editor_window.cpp).
  // Applies `change` to a copy of the current state and, when it changed
  // anything, makes that the current state and selects `select(tree)`. An
  // edit that keeps the tree as it is (a record's files, the settings) says
  // so with `keepsTree`: the tree isn't shown anew, and the selection stays.
  void Edit(const std::function<void(EditedMenu&)>& change, const std::function<int(const MenuTree&)>& select,
            bool keepsTree = false);
  void Undo();
  void Redo();
  // Undo or Redo: the state it steps to shown everywhere, the selection at the same place.
  void StepThroughHistory(bool (EditHistory::*step)(), const char* nothingThere, const char* done);
  void ShowState(int selectNode, bool showTree = true);
  // Takes what the author typed into a field not yet left, on the form and the settings page.
  void CommitFields();
  // The settings page is made when first shown: its many controls would slow the start.
  void MakeSettingsPage();
  void ShowSelection();
  void ShowFindings();
  void OpenFinding(const check::Finding& finding);
  void UpdateCaption();
  void SetStatus(const std::string& text);
  void ShowPage(int page);
  void RequestCheck();

  HINSTANCE instance_;
  EditorDialogs& dialogs_;
  std::wstring programFolder_;
  HWND hwnd_ = nullptr;
  HWND tabs_ = nullptr;
  HWND status_ = nullptr;
  HFONT font_ = nullptr;
  HACCEL accelerators_ = nullptr;
  ProgramTree treeView_;
  RecordForm form_;
  SettingsPage settingsPage_;
  bool settingsPageMade_ = false;
  RECT pageArea_{};
  FindingsPane findings_;
  std::unique_ptr<LiveCheck> liveCheck_;
  std::optional<MediumDocument> document_;
  MenuTree tree_;
  std::optional<std::string> startupSound_;  // as the settings page shows it
  int dragged_ = -1;
  std::optional<std::pair<int, std::wstring>> pendingRename_;  // node and new text, until the edit has ended
  std::wstring previewFolder_;
};

}  // namespace pandor
