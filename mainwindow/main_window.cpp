#include "mainwindow/main_window.h"

#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "mainwindow/control_ids.h"
#include "mainwindow/panel.h"
#include "menu/menu_error.h"
#include "platform/child_window.h"
#include "platform/object_window.h"
#include "platform/screen_placement.h"
#include "platform/text.h"
#include "resources/resource_ids.h"

namespace pandor {
namespace {

constexpr wchar_t kClassName[] = L"Pandor7MainWindow";
constexpr int kClientWidth = 621;
constexpr int kClientHeight = 315;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// Folding the information panel in takes the page control's width and the
// gap before it off the window.
constexpr int kPageControlWidth = 281;
constexpr int kPageControlGap = 4;
constexpr int kStatusBarHeight = 19;
constexpr UINT kTreeClicked = WM_APP + 1;
constexpr UINT kTreeDoubleClicked = WM_APP + 2;

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, MainWindowServices services) : instance_(instance), services_(services) {}

MainWindow::~MainWindow() {
  if (hwnd_) {
    const HWND window = hwnd_;
    ReleaseObjectWindow(window);
    DestroyWindow(window);
  }
  for (HIMAGELIST list : {nodeImages_, glyphEnde_, glyphSuchen_}) {
    if (list) ImageList_Destroy(list);
  }
}

void MainWindow::RegisterClasses(HINSTANCE instance) {
  // The icon comes with the class: under Wine each WM_SETICON converts the
  // icon for the X server once more.
  RegisterObjectWindowClass<MainWindow>(instance, kClassName, LoadCursor(nullptr, IDC_ARROW),
                                        LoadIconA(instance, IDI_MAIN));
  Panel::Register(instance);
  PictureView::Register(instance);
}

bool MainWindow::Create(HWND owner, const std::string& programPath) {
  RECT frame{0, 0, Scaled(kClientWidth), Scaled(kClientHeight)};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  CreateWindowExW(kExStyle, kClassName, FromUtf8(kApplicationTitle).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                  frame.right - frame.left, frame.bottom - frame.top, owner, nullptr, instance_, this);
  CreateControls();
  return FormCreate(programPath) == StartUp::Continue;
}

void MainWindow::Show() {
  CentreOnScreen(hwnd_);
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
}

void MainWindow::AfterFirstPaint() {
  // Nothing can be pointed at before the window shows, and the sound begins
  // as it does.
  CreateHints();
  if (!startupSound_.empty()) StartSound(std::exchange(startupSound_, std::string()), startupSoundLoops_);
}

void MainWindow::sbtnExpandClick() { ToggleInfoPanel(); }

void MainWindow::ToggleInfoPanel() {
  const int change = Scaled(kPageControlWidth + kPageControlGap);
  RECT window;
  GetWindowRect(hwnd_, &window);
  const int width = window.right - window.left + (state_.infoVisible ? -change : change);
  SetWindowPos(hwnd_, nullptr, 0, 0, width, window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  state_.infoVisible = !state_.infoVisible;
  controls_.sbtnExpand.SetCaption(state_.infoVisible ? L"<<" : L">>");
  controls_.sbtnExpand.SetHint(state_.infoVisible ? L"Infos ausblenden" : L"Infos einblenden");
  hints_.Set(controls_.sbtnExpand);

  // The window comes back centred, its groups closed but for the one that
  // holds the selected program.
  CentreOnScreen(hwnd_);
  treeView_.CollapseAllButSelection();
}

void MainWindow::PlaceStatusBar() {
  // The status bar keeps to the window's foot across its whole width.
  RECT client;
  GetClientRect(hwnd_, &client);
  const int height = Scaled(kStatusBarHeight);
  MoveWindow(controls_.StatusBar, 0, client.bottom - height, client.right, height, TRUE);
}

void MainWindow::ShowDescription(const LineList& lines) {
  std::wstring text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += L"\r\n";
    text += FromAnsi(lines[i]);
  }
  SetWindowTextW(controls_.mDesc, text.c_str());
}

void MainWindow::SetStatusText(const std::wstring& text) {
  SendMessageW(controls_.StatusBar, SB_SETTEXTW, SB_SIMPLEID | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text.c_str()));
}

void MainWindow::Guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ReportError(error.what());
  }
}

void MainWindow::ReportError(const std::string& utf8Text) {
  services_.messages.Box(WithClosingFullStop(utf8Text), kApplicationTitle, MB_OK | MB_ICONSTOP);
}

void MainWindow::OnClose() {
  state_.menuTree.Clear();
  state_.settings = Settings();
  state_.welcomeLines.clear();
  DestroyWindow(hwnd_);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  Guarded([&] { result = Dispatch(message, wParam, lParam); });
  return result;
}

LRESULT MainWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, backgroundBrush_.get());
      return 1;
    }
    case WM_SIZE:
      PlaceStatusBar();
      return 0;
    // The window passes the keyboard focus on to its controls, and gets back
    // to the one that had it when it was left.
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) tabOrder_.Remember();
      break;
    case WM_SETFOCUS:
      tabOrder_.Restore(controls_.tvMenu);
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
      break;
    case WM_TIMER:
      if (wParam == kScrollTimer) ScrollTimerTimer();
      if (wParam == kSoundTimer) SoundTimerTimer();
      return 0;
    case kTreeClicked:
      tvMenuClick();
      return 0;
    case kTreeDoubleClicked:
      tvMenuDblClick();
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd_, kScrollTimer);
      KillTimer(hwnd_, kSoundTimer);
      services_.sound.Close();
      if (onDestroyed) onDestroyed();
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool MainWindow::ButtonUnderCursor() const {
  POINT cursor;
  GetCursorPos(&cursor);
  ScreenToClient(controls_.pnButtons, &cursor);
  return Panel::ControlAt(controls_.pnButtons, cursor) != nullptr;
}

LRESULT MainWindow::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return 0;
  switch (id) {
    case kIdClose:
      PostMessageW(hwnd_, WM_CLOSE, 0, 0);
      break;
    case kIdExplore:
      sbtnExploreClick();
      break;
    case kIdHelp:
      sbtnHelpClick();
      break;
    case kIdShadow:
    case kIdWelcome:
      lblWelcomeClick();
      break;
    case kIdExpand:
      sbtnExpandClick();
      break;
  }
  return 0;
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
  if (header.hwndFrom == controls_.tvMenu) {
    switch (header.code) {
      case TVN_GETDISPINFOW:
        treeView_.SupplyImage(*reinterpret_cast<NMTVDISPINFOW*>(const_cast<NMHDR*>(&header)));
        break;
      case TVN_ITEMEXPANDINGW:
        treeView_.OnItemExpanding(*reinterpret_cast<const NMTREEVIEWW*>(&header));
        break;
      case TVN_SELCHANGEDW:
        if (reinterpret_cast<const NMTREEVIEWW*>(&header)->action == TVC_BYKEYBOARD) tvMenuChange();
        break;
      case TVN_ITEMEXPANDEDW:
        treeView_.OnItemExpanded(*reinterpret_cast<const NMTREEVIEWW*>(&header));
        InvalidateRect(controls_.tvMenu, nullptr, FALSE);
        break;
      // The tree tells of a click before it moves the selection, so the
      // handlers run once it has.
      case NM_CLICK:
        PostMessageW(hwnd_, kTreeClicked, 0, 0);
        break;
      case NM_DBLCLK:
        PostMessageW(hwnd_, kTreeDoubleClicked, 0, 0);
        break;
    }
  }
  if (header.hwndFrom == controls_.PageControl1 && header.code == TCN_SELCHANGE)
    ShowPage(static_cast<int>(SendMessageW(controls_.PageControl1, TCM_GETCURSEL, 0, 0)));
  return 0;
}

LRESULT MainWindow::OnControlColour(HDC dc, HWND control) {
  SetBkColor(dc, background_);
  if (control == controls_.mDesc) SetTextColor(dc, descriptionText_);
  return reinterpret_cast<LRESULT>(backgroundBrush_.get());
}

bool MainWindow::OnSetCursor(HWND target) {
  // The banner and the pages are pointed at as a whole, the button panel
  // only where its buttons are.
  if (target == controls_.pWillkommen || target == controls_.PageControl1 ||
      (target == controls_.pnButtons && ButtonUnderCursor())) {
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    return true;
  }
  if (target == controls_.imgPreview) {
    SetCursor(zoomCursor_);
    return true;
  }
  if (target == controls_.mDesc) {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    return true;
  }
  return false;
}

}  // namespace pandor
