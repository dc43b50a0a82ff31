// The menu editor's program entry: pandor7-edit.exe [MEDIUM_ROOT]
#include <windows.h>
#include <commctrl.h>
#include <imm.h>

#include <cstdlib>

#include "editor/editor_dialogs.h"
#include "editor/editor_window.h"

// An exception that nothing catches ends the program without the runtime's
// console message, which a window program has nowhere to show.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace {

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L'\\'));
}

// The command line's first argument after the program's name, its quotes
// taken off: the medium's root, which may hold blanks. Read here, since the
// shell's parser would load shell32 at start.
std::wstring FirstArgument(const std::wstring& commandLine) {
  size_t at = 0;
  if (!commandLine.empty() && commandLine[0] == L'"') {
    at = commandLine.find(L'"', 1);
    at = at == std::wstring::npos ? commandLine.size() : at + 1;
  } else {
    while (at < commandLine.size() && commandLine[at] != L' ' && commandLine[at] != L'\t') ++at;
  }
  while (at < commandLine.size() && (commandLine[at] == L' ' || commandLine[at] == L'\t')) ++at;
  std::wstring argument;
  for (; at < commandLine.size(); ++at) {
    if (commandLine[at] != L'"') argument += commandLine[at];
  }
  while (!argument.empty() && (argument.back() == L' ' || argument.back() == L'\t')) argument.pop_back();
  return argument;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  using namespace pandor;
  // Only a code page of two-byte characters (Japanese, Chinese, Korean) is
  // typed through an input method; without one the system makes no IME
  // window for the editor and, under Wine, doesn't start COM when the first
  // window activates: a good part of the start.
  if (!GetSystemMetrics(SM_DBCSENABLED)) ImmDisableIME(static_cast<DWORD>(-1));
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                                    ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  WindowsEditorDialogs dialogs;
  EditorWindow::RegisterClasses(instance);
  EditorWindow editor(instance, dialogs, ProgramFolder());
  editor.onDestroyed = [] { PostQuitMessage(0); };
  if (!editor.Create()) return 1;
  ShowWindow(editor.Handle(), show);

  const std::wstring medium = FirstArgument(GetCommandLineW());
  if (!medium.empty()) editor.OpenMedium(medium);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (editor.PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
