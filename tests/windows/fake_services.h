#pragma once
// Recording stand-ins for what the main window reaches outside itself, so
// that tests can drive it without anything blocking or starting.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "menu/menu_error.h"
#include "platform/installed_programs.h"
#include "platform/messages.h"
#include "platform/shell.h"
#include "platform/sound_player.h"

namespace pandor::testing {

struct ShownBox {
  std::string text;
  std::string caption;
  unsigned style;
};

class RecordingMessages : public Messages {
 public:
  void Box(const std::string& text, const std::string& caption, unsigned style) override {
    boxes.push_back({text, caption, style});
  }
  void Dialog(const std::string& text) override { dialogs.push_back(text); }

  std::vector<ShownBox> boxes;
  std::vector<std::string> dialogs;
};

struct ShellRequest {
  std::string verb;
  std::string file;
  std::string workingFolder;
};

class RecordingShell : public Shell {
 public:
  INT_PTR Execute(HWND, const std::string& verb, const std::string& file, const std::string& workingFolder) override {
    requests.push_back({verb, file, workingFolder});
    const auto found = results.find(file);
    return found == results.end() ? 42 : found->second;
  }

  std::vector<ShellRequest> requests;
  std::map<std::string, INT_PTR> results;  // by file; 42 (success) otherwise
};

class FakeInstalledPrograms : public InstalledPrograms {
 public:
  std::string InstalledFolder(const std::string& name) override {
    if (name == failingName) throw MenuError("Ungültiger Datentyp für 'Path'");
    const auto found = folders.find(name);
    return found == folders.end() ? std::string() : found->second;
  }

  std::map<std::string, std::string> folders;
  std::string failingName;
};

class RecordingSound : public SoundPlayer {
 public:
  void Open(const std::string& path) override {
    calls.push_back("open " + path);
    if (!openError.empty()) throw MenuError(openError);
  }
  void Play() override {
    calls.push_back("play");
    mode = SoundMode::Playing;
  }
  SoundMode Mode() override { return mode; }
  void Close() override { calls.push_back("close"); }

  std::vector<std::string> calls;
  std::string openError;
  SoundMode mode = SoundMode::NotReady;
};

}  // namespace pandor::testing
