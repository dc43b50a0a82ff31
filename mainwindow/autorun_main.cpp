// The program entry: the menu of the medium this program file lies on.
#include <windows.h>
#include <commctrl.h>
#include <imm.h>

#include "dialogs/windows_messages.h"
#include "mainwindow/application_window.h"
#include "mainwindow/main_window.h"
#include "mainwindow/secondary_windows.h"
#include "platform/app_paths_registry.h"
#include "platform/mci_sound_player.h"
#include "menu/menu_error.h"
#include "platform/text.h"
#include "platform/windows_files.h"

#include <cstdlib>

// An exception that nothing catches ends the program. The C++ runtime's own
// handler would first print the exception's type to the console, which a
// window program hasn't got, and bring a name demangler of some 50 KB into
// the program file for that.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace {

// In full, however long: a path cut at the buffer's end would name another
// folder.
std::string ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return pandor::ToUtf8(std::wstring_view(path.data(), length));
    path.resize(path.size() * 2);
  }
}

// Until the main window closes. The first time the queue is empty, the window
// has painted, and Wine, which puts a window's picture on the screen when its
// program first waits, has shown it: then the main window does what it left
// until it stands.
int RunMessageLoop(pandor::MainWindow& main) {
  bool idleOnce = false;
  MSG message;
  for (;;) {
    if (!idleOnce && !PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      idleOnce = true;
      main.AfterFirstPaint();
    }
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) return 0;
    if (main.PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace pandor;
  // The menu takes no typed text, so it needs no input method. Without one
  // the system makes no IME window for the program and, under Wine, doesn't
  // start COM when the first window activates: a good part of the start-up.
  ImmDisableIME(static_cast<DWORD>(-1));
  const std::string programPath = ProgramPath();
  WindowsFiles files;

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  ApplicationWindow application(instance);
  WindowsMessages messages;
  messages.SetOwner(application.Handle());
  WindowsShell shell;
  AppPathsRegistry installedPrograms;
  MciSoundPlayer sound;

  MainWindow::RegisterClasses(instance);
  MainWindow main(instance, MainWindowServices{files, shell, installedPrograms, sound, messages});
  main.onDestroyed = [] { PostQuitMessage(0); };
  if (!main.Create(application.Handle(), programPath)) return 0;
  application.SetMainWindow(main.Handle());
  messages.SetOwner(main.Handle());
  SecondaryWindows secondary(instance, main.Handle(), shell, main.State().folder.appDir,
                             [&messages](const std::string& text) {
                               messages.Box(WithClosingFullStop(text), kApplicationTitle, MB_OK | MB_ICONSTOP);
                             });
  main.SetSecondaryWindows(&secondary);
  main.Show();

  return RunMessageLoop(main);
}
