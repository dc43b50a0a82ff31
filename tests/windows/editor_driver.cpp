#include <gtest/gtest.h>

#include "tests/windows/editor_driver.h"

#include <commctrl.h>

#include "platform/text.h"
#include "tests/windows/window_probe.h"

namespace pandor::testing {
namespace {

struct LabelSearch {
  const std::wstring* text;
  HWND found;
};

BOOL CALLBACK FindLabel(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<LabelSearch*>(data);
  wchar_t text[256];
  GetWindowTextW(child, text, 256);
  if (*search->text == text) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::optional<std::wstring> ScriptedDialogs::ChooseFolder(HWND, const std::string&) {
  if (folders.empty()) return std::nullopt;
  std::wstring folder = folders.front();
  folders.pop_front();
  return folder;
}

std::optional<std::wstring> ScriptedDialogs::ChooseFile(HWND, FileKind) {
  if (files.empty()) return std::nullopt;
  std::wstring file = files.front();
  files.pop_front();
  return file;
}

Answer ScriptedDialogs::Ask(HWND, const std::string& question, bool) {
  questions.push_back(question);
  if (answers.empty()) return Answer::kNo;
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

bool ScriptedDialogs::Start(const std::wstring& program, const std::wstring&) {
  started.push_back(program);
  return true;
}

std::wstring Wide(const std::string& utf8) { return FromUtf8(utf8); }

std::wstring HostPath(const std::string& unixPath) {
  std::wstring path = L"Z:" + FromUtf8(unixPath);
  for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
  return path;
}

void EditorTest::SetUp() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                     ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  EditorWindow::RegisterClasses(GetModuleHandleW(nullptr));
  const std::wstring programFolder = HostPath(PANDOR7_MENU_PROGRAM_FOLDER);
  editor_ = std::make_unique<EditorWindow>(GetModuleHandleW(nullptr), dialogs_, programFolder);
  ASSERT_NE(editor_->Create(), nullptr);
  ShowWindow(editor_->Handle(), SW_SHOW);
  SetForegroundWindow(editor_->Handle());
  PumpMessages();
}

void EditorTest::TearDown() {
  // Closing must not ask: the tests leave their changes unsaved on purpose.
  dialogs_.answers.assign({Answer::kNo});
  editor_.reset();
  PumpMessages();
}

std::wstring EditorTest::Root() const {
  std::wstring root = FromUtf8(medium_.Path());
  root.pop_back();
  return root;
}

void EditorTest::Command(int command) {
  SendMessageW(editor_->Handle(), WM_COMMAND, static_cast<WPARAM>(command), 0);
  PumpMessages();
}

HWND EditorTest::Titled(const std::wstring& text) const {
  LabelSearch search{&text, nullptr};
  EnumChildWindows(editor_->Handle(), FindLabel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND EditorTest::Field(const std::wstring& label) const {
  const HWND found = Titled(label);
  return found ? GetWindow(found, GW_HWNDNEXT) : nullptr;
}

void EditorTest::Type(HWND field, const std::wstring& text) {
  SetFocus(field);
  SetWindowTextW(field, text.c_str());
  SetFocus(editor_->TreeView().Handle());
  PumpMessages();
}

void EditorTest::RenameSelection(const std::wstring& text) {
  const HWND tree = editor_->TreeView().Handle();
  SetFocus(tree);
  const HWND edit = TreeView_EditLabel(tree, TreeView_GetSelection(tree));
  ASSERT_NE(edit, nullptr);
  SetWindowTextW(edit, text.c_str());
  TreeView_EndEditLabelNow(tree, FALSE);
  PumpMessages();
}

void EditorTest::WaitForFindings() {
  const HWND list = editor_->FindingsList().Handle();
  for (int i = 0; i < 1000 && WindowText(list) != "Befunde"; ++i) PumpMessages(20);
  ASSERT_EQ(WindowText(list), "Befunde");
}

std::string EditorTest::FileOnMedium(const std::string& relative) const {
  return ReadFileBytes(medium_.Path() + relative);
}

std::vector<std::string> EditorTest::TreeTexts() const {
  // Every group opened first: the tree makes a group's items when it opens.
  const HWND tree = editor_->TreeView().Handle();
  for (HTREEITEM item = TreeView_GetRoot(tree); item; item = TreeView_GetNextSibling(tree, item)) {
    TreeView_Expand(tree, item, TVE_EXPAND);
  }
  std::vector<std::string> texts;
  for (const TreeItem& item : TreeItems(editor_->TreeView().Handle())) {
    texts.push_back(std::string(static_cast<size_t>(item.depth) * 2, ' ') + item.text);
  }
  return texts;
}

}  // namespace pandor::testing
