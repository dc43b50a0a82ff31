// The baseline of the start-up benchmark: what any Win32 program with the
// menu's frame must do anyway. It shows a window of the menu's style with a
// 621 x 315 client area and a tree view of five items, centred on the screen,
// and then waits for input; nothing else.
//
// Built a second time with PANDOR7_MENU_WINDOWS as menu_windows.exe: the same
// with all the other windows the menu's layout has (the owner window with the
// task bar entry, the banner and button panels, group box, page control,
// memo, the hidden preview, status bar; the labels and buttons are drawn by
// their panels and have none) and the input method off, as the menu has them,
// and the tree without its tooltip, which the menu makes only once it stands,
// but with no texts, fonts, pictures or menu data: what the layout's windows
// alone cost.
#include <windows.h>
#include <commctrl.h>
#include <imm.h>

namespace {

constexpr int kClientWidth = 621;
constexpr int kClientHeight = 315;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

#ifdef PANDOR7_MENU_WINDOWS
HWND Child(HWND parent, const wchar_t* className, DWORD style, int x, int y, int width, int height) {
  return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent, nullptr,
                         nullptr, nullptr);
}

void CreateMenuWindows(HWND window) {
  Child(window, L"STATIC", 0, 8, 8, 321, 41);
  Child(window, L"BUTTON", BS_GROUPBOX, 8, 56, 321, 185);
  Child(window, L"STATIC", 0, 8, 248, 321, 41);
  Child(window, WC_TABCONTROLW, TCS_BUTTONS, 336, 8, 281, 285);
  Child(window, L"EDIT", ES_MULTILINE | ES_READONLY, 340, 35, 273, 254);
  const HWND preview = Child(window, L"STATIC", 0, 340, 35, 273, 254);
  Child(preview, L"STATIC", 0, 2, 2, 269, 250);
  ShowWindow(preview, SW_HIDE);
  Child(window, STATUSCLASSNAMEW, CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0, 296, 621, 19);
}
#endif

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = L"BareWindow";
  RegisterClassExW(&wc);

#ifdef PANDOR7_MENU_WINDOWS
  ImmDisableIME(static_cast<DWORD>(-1));
  const HWND owner = CreateWindowExW(0, L"BareWindow", L"Owner", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                                     GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                                     nullptr, nullptr, instance, nullptr);
#else
  const HWND owner = nullptr;
#endif
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const HWND window = CreateWindowExW(kExStyle, L"BareWindow", L"Bare window", kStyle,
                                      (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                      (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, owner, nullptr,
                                      instance, nullptr);
#ifdef PANDOR7_MENU_WINDOWS
  constexpr DWORD kTreeStyle = TVS_NOTOOLTIPS;
#else
  constexpr DWORD kTreeStyle = 0;
#endif
  const HWND tree = CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | kTreeStyle, 16, 72, 305, 161, window,
                                    nullptr, instance, nullptr);
  const wchar_t* const texts[] = {L"Eins", L"Zwei", L"Drei", L"Vier", L"Fünf"};
  for (const wchar_t* text : texts) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(text);
    SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
  }
#ifdef PANDOR7_MENU_WINDOWS
  CreateMenuWindows(window);
#endif
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
