// The menu editor's program entry: pandor7-edit.exe [MEDIUM_ROOT]
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

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

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  using namespace pandor;
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

  int arguments = 0;
  wchar_t** argument = CommandLineToArgvW(GetCommandLineW(), &arguments);
  if (argument && arguments > 1) editor.OpenMedium(argument[1]);
  LocalFree(argument);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (editor.PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
