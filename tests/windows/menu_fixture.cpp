#include "tests/windows/menu_fixture.h"

#include "tests/windows/window_probe.h"

namespace pandor::testing {

std::vector<std::string> StandardSettings() {
  return {
      "5600.0",           // version
      "$00F0FAFF",        // background
      "1",                // info panel shown
      "128",              // description text colour
      "Testmen\xFC",      // caption "Testmenü"
      "Gr\xFC\xDF Gott",  // banner "Grüß Gott"
      "16711680",         // banner text colour
      "65280",            // banner shadow colour
      "$00808080",        // banner panel colour
      "Statuszeile",      // status text
      "0",                // ticker off
      "Arial",            // menu font
      "12",               // menu font size
      "32768",            // menu font colour
      "0",                // sound once
      "1",                // hover colours
      "3",                // icon style
      "[HELLO!]",
      "Willkommen im Test",
      "",
      "Zweite Zeile",
  };
}

std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string FileList(const std::vector<ProgramRecord>& records) {
  std::vector<std::string> lines;
  for (const ProgramRecord& r : records) {
    lines.insert(lines.end(), {r.group, r.runFile, r.displayName, r.installedName, r.picture, r.description});
  }
  return CrLfLines(lines);
}

MenuFixture::MenuFixture() {
  WriteSettings(StandardSettings());
  WritePrograms({});
}

MenuFixture::~MenuFixture() { window_.reset(); }

void MenuFixture::WriteSettings(const std::vector<std::string>& lines) const {
  folder_.Write("autorun\\options.dat", CrLfLines(lines));
}

void MenuFixture::WritePrograms(const std::vector<ProgramRecord>& records) const {
  folder_.Write("autorun\\filelist.dat", FileList(records));
}

std::string MenuFixture::WriteFile(const std::string& relative, const std::string& bytes) const {
  return folder_.Write(relative, bytes);
}

bool MenuFixture::Create(HWND owner) {
  SoundPlayer& player = soundPlayer ? *soundPlayer : sound;
  window_ = std::make_unique<MainWindow>(
      GetModuleHandleW(nullptr), MainWindowServices{files_, shell, installedPrograms, player, messages});
  const bool created = window_->Create(owner, folder_.Path() + "autorun.exe");
  PumpMessages();
  return created;
}

bool MenuFixture::Open(HWND owner) {
  const bool opened = Create(owner);
  // What the program's message loop does once the window stands: the hint
  // window and the start-up sound.
  if (opened) window_->AfterFirstPaint();
  return opened;
}

}  // namespace pandor::testing
