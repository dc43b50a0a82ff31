#pragma once
// A medium for the window tests: a menu folder with settings and program list
// written as the authoring tool writes them, and the main window opened on it
// with recording services.

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "mainwindow/main_window.h"
#include "platform/windows_files.h"
#include "tests/windows/fake_services.h"
#include "tests/windows/test_folder.h"

namespace pandor::testing {

// The seventeen settings lines of a valid menu, then the welcome text.
std::vector<std::string> StandardSettings();
// Lines joined with CR LF, each line ended.
std::string CrLfLines(const std::vector<std::string>& lines);

struct ProgramRecord {
  std::string group, runFile, displayName, installedName, picture, description;
};
std::string FileList(const std::vector<ProgramRecord>& records);

class MenuFixture {
 public:
  MenuFixture();
  ~MenuFixture();

  void WriteSettings(const std::vector<std::string>& lines) const;
  void WritePrograms(const std::vector<ProgramRecord>& records) const;
  // Writes a file relative to the medium's root.
  std::string WriteFile(const std::string& relative, const std::string& bytes) const;

  // Opens the main window on the medium (hidden) and handles the messages
  // its start-up posted; false when the program would end at once.
  bool Open(HWND owner = nullptr);
  // The same, but leaves out what the program's message loop does once the
  // window stands (MainWindow::AfterFirstPaint).
  bool Create(HWND owner = nullptr);
  MainWindow& Window() { return *window_; }
  const MainWindowControls& Controls() { return window_->Controls(); }
  const std::string& Root() const { return folder_.Path(); }

  RecordingMessages messages;
  RecordingShell shell;
  FakeInstalledPrograms installedPrograms;
  RecordingSound sound;
  // Set before Open to give the window another player than the recording one
  // (the real MCI player, say); it must outlive the window, which closes it.
  SoundPlayer* soundPlayer = nullptr;

 private:
  TestFolder folder_;
  WindowsFiles files_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace pandor::testing
