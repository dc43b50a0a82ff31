#pragma once
// Driving the editor's window in-process: dialogs answered from a script,
// commands sent as the menu bar sends them, fields found by their labels and
// typed into as a user would (focus in, text, focus out).

#include <windows.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "editor/editor_dialogs.h"
#include "editor/editor_window.h"
#include "tests/windows/test_folder.h"

namespace pandor::testing {

class ScriptedDialogs : public EditorDialogs {
 public:
  std::deque<std::wstring> folders;  // the folder dialog's answers, in turn; none left: cancelled
  std::deque<std::wstring> files;
  std::deque<Answer> answers;        // none left: "no"
  std::vector<std::string> questions, told, errors;
  std::vector<std::wstring> started;  // programs started

  std::optional<std::wstring> ChooseFolder(HWND, const std::string&) override;
  std::optional<std::wstring> ChooseFile(HWND, FileKind) override;
  Answer Ask(HWND, const std::string& question, bool) override;
  void Tell(HWND, const std::string& text) override { told.push_back(text); }
  void Error(HWND, const std::string& text) override { errors.push_back(text); }
  bool Start(const std::wstring& program, const std::wstring&) override;
};

// A Windows path for a path the build gives (a Unix path under Wine's Z: drive).
std::wstring HostPath(const std::string& unixPath);
std::wstring Wide(const std::string& utf8);

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The root of the medium being made, without a trailing backslash.
  std::wstring Root() const;
  void Command(int command);
  // The control with that text, anywhere in the window.
  HWND Titled(const std::wstring& text) const;
  // The control right after the label with that text.
  HWND Field(const std::wstring& label) const;
  void Type(HWND field, const std::wstring& text);
  // Renames the selected tree item as F2 and typing would.
  void RenameSelection(const std::wstring& text);
  // Waits until the findings stand for the menu as it is now.
  void WaitForFindings();
  std::string FileOnMedium(const std::string& relative) const;
  // The tree's items with every group open, two blanks a level in.
  std::vector<std::string> TreeTexts() const;

  TestFolder medium_;
  ScriptedDialogs dialogs_;
  std::unique_ptr<EditorWindow> editor_;
};

}  // namespace pandor::testing
