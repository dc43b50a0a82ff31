// A small window watcher for end-to-end tests: finds the menu's windows from a
// second process, as a user would see them, and presses their buttons.
//
// Commands (window_watcher COMMAND TITLE ...), TITLE being part of a title:
//   wait TITLE [CLASS] [SECONDS]  a visible window of some size appears
//   gone TITLE [SECONDS]          no such window any more
//   texts TITLE                   the window's title, client size and the texts
//                                 of its children (of a status bar: the text of
//                                 its simple or first part; of an edit box: the
//                                 first 1023 characters)
//   press TITLE BUTTON            clicks the child button
//   confirm TITLE                 answers the dialog with OK, whatever its
//                                 button says in the user's language
//   close TITLE                   asks the window to close
//   rect TITLE                    the window's place: left top width height
//   owner TITLE                   the title of the window that owns it and
//                                 has its task bar entry
//   modules TITLE                 the file name of every module loaded in
//                                 the program that shows the window
//   select TITLE N                selects the N-th top-level item of the
//                                 window's tree (from 0)
//   click TITLE CLASS [X Y]       a left click on the first child of that
//                                 class, at X Y or its centre
//   type TITLE CLASS TEXT         the characters of TEXT typed on the first
//                                 child of that class (WM_CHAR; "\r" is Enter)
//   click-at TITLE X Y            a left click at X Y of the window's client
//                                 area, on whatever child window lies there
//                                 (controls that are drawn on a panel have
//                                 none of their own)
//   click-group TITLE [SECONDS]   clicks the icon of the first row of the
//                                 window's tree, a group, and waits until the
//                                 window has opened or closed it; prints the
//                                 milliseconds that took
//
// With PANDOR7_DESKTOP set, the watcher looks at the windows of that desktop
// (Wine's own desktop window started as explorer /desktop=NAME,...).
//
// Exit code 0 on success, 1 when the window isn't there (in time).
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

struct Query {
  std::wstring title;
  std::wstring className;
  HWND found = nullptr;
};

std::wstring Text(HWND window) {
  wchar_t text[1024] = L"";
  GetWindowTextW(window, text, 1024);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

BOOL CALLBACK Match(HWND window, LPARAM param) {
  auto* query = reinterpret_cast<Query*>(param);
  RECT rect;
  GetWindowRect(window, &rect);
  const bool hasSize = rect.right - rect.left > 0 && rect.bottom - rect.top > 0;
  if (IsWindowVisible(window) && hasSize && Text(window).find(query->title) != std::wstring::npos &&
      (query->className.empty() || ClassOf(window) == query->className)) {
    query->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND Find(const std::wstring& title, const std::wstring& className = L"") {
  Query query{title, className};
  EnumWindows(Match, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

void PrintUtf8(const std::wstring& text) {
  char buffer[4096];
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, buffer, sizeof buffer, nullptr, nullptr);
  fwrite(buffer, 1, size > 0 ? static_cast<size_t>(size - 1) : 0, stdout);
  fputc('\n', stdout);
}

// A status bar doesn't give its simple text to WM_GETTEXT, and SB_GETTEXT
// hands it out only through a buffer in the bar's own process.
std::wstring StatusBarText(HWND bar) {
  DWORD processId = 0;
  GetWindowThreadProcessId(bar, &processId);
  const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (!process) return L"";
  wchar_t text[1024] = L"";
  void* remote = VirtualAllocEx(process, nullptr, sizeof text, MEM_COMMIT, PAGE_READWRITE);
  if (remote) {
    const auto length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0));
    if (length < 1024) {
      SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(remote));
      ReadProcessMemory(process, remote, text, (length + 1) * sizeof(wchar_t), nullptr);
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return text;
}

// An edit box keeps its text to itself: GetWindowText from another process
// gets the window's caption, WM_GETTEXT the text.
std::wstring EditText(HWND edit) {
  wchar_t text[1024] = L"";
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(edit, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &copied);
  return text;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
  const std::wstring className = ClassOf(child);
  const std::wstring text =
      className == STATUSCLASSNAMEW ? StatusBarText(child) : className == L"Edit" ? EditText(child) : Text(child);
  PrintUtf8(L"child " + className + L": " + text);
  return TRUE;
}

struct ClassQuery {
  std::wstring className;
  HWND found = nullptr;
};

BOOL CALLBACK MatchClass(HWND child, LPARAM param) {
  auto* query = reinterpret_cast<ClassQuery*>(param);
  if (ClassOf(child) != query->className) return TRUE;
  query->found = child;
  return FALSE;
}

HWND FindChild(HWND window, const std::wstring& className) {
  ClassQuery query{className};
  EnumChildWindows(window, MatchClass, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

struct ButtonQuery {
  std::wstring caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchButton(HWND child, LPARAM param) {
  auto* query = reinterpret_cast<ButtonQuery*>(param);
  if (ClassOf(child) == L"Button" && Text(child) == query->caption) {
    query->found = child;
    return FALSE;
  }
  return TRUE;
}

// The tree answers only once the window has handled what came before.
bool FirstItemOpen(HWND tree, HTREEITEM item, DWORD timeout, bool* open) {
  DWORD_PTR state = 0;
  if (!SendMessageTimeoutW(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED, SMTO_NORMAL, timeout,
                           &state))
    return false;
  *open = (state & TVIS_EXPANDED) != 0;
  return true;
}

int ClickGroup(HWND window, int seconds) {
  const HWND tree = FindChild(window, WC_TREEVIEWW);
  if (!tree) return 1;
  const auto first = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  bool wasOpen = false;
  if (!first || !FirstItemOpen(tree, first, 1000, &wasOpen)) return 1;
  const DWORD start = GetTickCount();
  const DWORD limit = static_cast<DWORD>(seconds) * 1000;
  // The icon lies one indent (19 pixels) in from the left, 16 pixels wide.
  const LPARAM icon = MAKELPARAM(27, 6);
  PostMessageW(tree, WM_LBUTTONDOWN, MK_LBUTTON, icon);
  PostMessageW(tree, WM_LBUTTONUP, 0, icon);
  for (DWORD elapsed = 0; elapsed < limit; elapsed = GetTickCount() - start) {
    bool open = wasOpen;
    if (!FirstItemOpen(tree, first, limit - elapsed, &open)) break;
    if (open != wasOpen) {
      printf("%lu\n", GetTickCount() - start);
      return 0;
    }
    Sleep(10);
  }
  return 1;
}

int Wait(const std::wstring& title, const std::wstring& className, int seconds, bool untilGone) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < static_cast<DWORD>(seconds) * 1000; Sleep(100)) {
    if ((Find(title, className) != nullptr) != untilGone) return 0;
  }
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  wchar_t desktopName[64] = L"";
  if (GetEnvironmentVariableW(L"PANDOR7_DESKTOP", desktopName, 64)) {
    // The desktop comes with the first program started in it.
    HDESK desktop = nullptr;
    for (int i = 0; i < 100 && !(desktop = OpenDesktopW(desktopName, 0, FALSE, GENERIC_ALL)); ++i) Sleep(100);
    if (!desktop || !SetThreadDesktop(desktop)) return 2;
  }
  const std::wstring command = argv[1];
  const std::wstring title = argv[2];
  if (command == L"wait") {
    return Wait(title, argc > 3 ? argv[3] : L"", argc > 4 ? _wtoi(argv[4]) : 30, false);
  }
  if (command == L"gone") return Wait(title, L"", argc > 3 ? _wtoi(argv[3]) : 30, true);

  const HWND window = Find(title);
  if (!window) return 1;
  if (command == L"texts") {
    RECT client;
    GetClientRect(window, &client);
    PrintUtf8(L"title: " + Text(window));
    PrintUtf8(L"class: " + ClassOf(window));
    PrintUtf8(L"client: " + std::to_wstring(client.right) + L"x" + std::to_wstring(client.bottom));
    EnumChildWindows(window, PrintChild, 0);
    return 0;
  }
  if (command == L"press" && argc > 3) {
    ButtonQuery query{argv[3]};
    EnumChildWindows(window, MatchButton, reinterpret_cast<LPARAM>(&query));
    if (!query.found) return 1;
    PostMessageW(query.found, BM_CLICK, 0, 0);
    return 0;
  }
  if (command == L"rect") {
    RECT rect;
    GetWindowRect(window, &rect);
    printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return 0;
  }
  if (command == L"owner") {
    const HWND owner = GetWindow(window, GW_OWNER);
    if (!owner || !IsWindowVisible(owner)) return 1;
    PrintUtf8(L"owner: " + Text(owner));
    return 0;
  }
  if (command == L"modules") {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    HMODULE modules[512];
    DWORD bytes = 0;
    if (!process || !EnumProcessModules(process, modules, sizeof modules, &bytes)) return 1;
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
      wchar_t name[MAX_PATH] = L"";
      if (GetModuleBaseNameW(process, modules[i], name, MAX_PATH)) PrintUtf8(name);
    }
    CloseHandle(process);
    return 0;
  }
  if (command == L"select" && argc > 3) {
    const HWND tree = FindChild(window, WC_TREEVIEWW);
    if (!tree) return 1;
    auto item = reinterpret_cast<LPARAM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (int n = _wtoi(argv[3]); n > 0 && item; --n) item = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, item);
    if (!item) return 1;
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, item);
    return 0;
  }
  if (command == L"click" && argc > 3) {
    const HWND child = FindChild(window, argv[3]);
    if (!child) return 1;
    RECT client;
    GetClientRect(child, &client);
    const LPARAM point =
        argc > 5 ? MAKELPARAM(_wtoi(argv[4]), _wtoi(argv[5])) : MAKELPARAM(client.right / 2, client.bottom / 2);
    PostMessageW(child, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(child, WM_LBUTTONUP, 0, point);
    return 0;
  }
  if (command == L"type" && argc > 4) {
    const HWND child = FindChild(window, argv[3]);
    if (!child) return 1;
    for (const wchar_t* c = argv[4]; *c; ++c) PostMessageW(child, WM_CHAR, *c, 1);
    return 0;
  }
  if (command == L"click-at" && argc > 4) {
    POINT point{_wtoi(argv[3]), _wtoi(argv[4])};
    HWND target = window;
    for (HWND child; (child = ChildWindowFromPointEx(target, point, CWP_SKIPINVISIBLE)) && child != target;) {
      MapWindowPoints(target, child, &point, 1);
      target = child;
    }
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    PostMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    return 0;
  }
  if (command == L"click-group") return ClickGroup(window, argc > 3 ? _wtoi(argv[3]) : 30);
  if (command == L"confirm") {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return 0;
  }
  if (command == L"close") {
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
  }
  return 2;
}
