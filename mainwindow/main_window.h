#pragma once
// The menu's main window: it holds all of the program's state and has one
// handler per user or timer event.

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "mainwindow/flat_button.h"
#include "mainwindow/hints.h"
#include "mainwindow/label.h"
#include "mainwindow/menu_tree_view.h"
#include "mainwindow/tab_order.h"
#include "menu/file_source.h"
#include "menu/line_list.h"
#include "menu/menu_folder.h"
#include "menu/menu_tree.h"
#include "menu/settings.h"
#include "menu/start_up_settings.h"
#include "platform/handle.h"
#include "platform/installed_programs.h"
#include "platform/messages.h"
#include "platform/picture_view.h"
#include "platform/shell.h"
#include "platform/sound_player.h"

namespace pandor {

class SecondaryWindows;

// What the window reaches outside itself; tests give it recording fakes.
struct MainWindowServices {
  const FileSource& files;
  Shell& shell;
  InstalledPrograms& installedPrograms;
  SoundPlayer& sound;
  Messages& messages;
};

// The window's controls, for the handlers and for tests that look at them.
struct MainWindowControls {
  HWND pWillkommen = nullptr;
  Label lblShadow;  // drawn first, one pixel above the text
  Label lblWelcome;
  HWND GroupBox1 = nullptr;
  HWND tvMenu = nullptr;
  HWND pnButtons = nullptr;
  FlatButton sbtnHelp;
  FlatButton sbtnClose;
  FlatButton sbtnExplore;
  FlatButton sbtnExpand;
  HWND PageControl1 = nullptr;
  HWND mDesc = nullptr;
  HWND pnPreview = nullptr;
  HWND imgPreview = nullptr;
  HWND StatusBar = nullptr;
  HWND hints = nullptr;  // made once the window is on screen

  // The four buttons, left to right.
  std::array<FlatButton*, 4> Buttons() { return {&sbtnHelp, &sbtnClose, &sbtnExplore, &sbtnExpand}; }
};

// The state every handler works on.
struct MainWindowState {
  MenuFolder folder;  // AppDir and MenuDir
  Settings settings;
  LineList welcomeLines;
  MenuTree menuTree;  // holds the program list
  bool welcomeShown = false;
  bool infoVisible = true;
  bool hoverEffects = false;
  int iconStyle = 0;
  std::string tickerText;
  int tickerPos = 0;
  bool loopSound = false;
  std::string previewFile;
};

class MainWindow {
 public:
  MainWindow(HINSTANCE instance, MainWindowServices services);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  static void RegisterClasses(HINSTANCE instance);

  // Creates the window (hidden) and runs the start-up sequence for the
  // program file at programPath (UTF-8). False when the program must end at once.
  bool Create(HWND owner, const std::string& programPath);
  // Shows the window centred on the screen.
  void Show();
  // What the start-up leaves until the window stands on the screen: the
  // hints, the tree's tooltip and the start-up sound. The
  // message loop calls it once, when the program first has nothing to do.
  void AfterFirstPaint();
  HWND Handle() const { return hwnd_; }

  // Gives the window the first look at a message of its thread: key presses
  // reach it before the focused control. True when the message was consumed.
  bool PreTranslateMessage(const MSG& message);

  const MainWindowControls& Controls() const { return controls_; }
  const MainWindowState& State() const { return state_; }

  // The help and preview windows, made when first shown.
  void SetSecondaryWindows(SecondaryWindows* windows) { secondaryWindows_ = windows; }

  // Called when the window is gone; the program then ends.
  std::function<void()> onDestroyed;

  // Event handlers.
  void tvMenuClick();
  // The selection moved by a key the user pressed.
  void tvMenuChange();
  void tvMenuDblClick();
  void sbtnExpandClick();
  void sbtnExploreClick();
  void sbtnHelpClick();
  void lblWelcomeClick();
  void imgPreviewClick();
  void ScrollTimerTimer();
  void SoundTimerTimer();
  // A typed character, seen before the focused control; true when consumed.
  bool FormKeyPress(wchar_t key);
  // A key pressed, seen before the focused control: the focus keys and F1.
  bool FormKeyDown(UINT key);
  void ButtonMouseMove(FlatButton& button);
  void tvMenuMouseMove();
  void lblWelcomeMouseMove();

  // Shows the welcome text again unless it is on view.
  void RestoreWelcomeText();
  // Starts the selected program: its installed copy or its file on the medium.
  void StartSelectedProgram();

 private:
  template <typename T>
  friend LRESULT CALLBACK ObjectWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnCommand(int id, int code, HWND control);
  LRESULT OnNotify(const NMHDR& header);
  LRESULT OnControlColour(HDC dc, HWND control);
  bool OnSetCursor(HWND target);
  bool ButtonUnderCursor() const;
  void OnClose();

  // Start-up, in start_up.cpp.
  enum class StartUp { Continue, EndProgram };
  StartUp FormCreate(const std::string& programPath);
  void ApplySettings();
  void ApplySetting(SettingsLine line, const SettingValue& value, const std::string& sound);
  void ApplyBackgroundColour(COLORREF colour);
  void ApplyMenuFont();
  // Opens and plays the existing start-up sound (UTF-8 path), looping it if
  // asked; reports a sound that can't be opened.
  void StartSound(const std::string& sound, bool loop);
  void BuildMenuTree();

  // Layout, in main_window_layout.cpp.
  void CreateControls();
  void CreateHints();

  void ToggleInfoPanel();
  // What a click on the selected node shows; toggleGroup: a group opens or
  // closes as well.
  void ShowSelectedNode(bool toggleGroup);
  void ShowProgramInformation(const ProgramEntry& program);
  void ToggleGroup(int node);
  void ShowPictureTab(bool shown);
  void ShowPage(int page);
  void SetAllCaptionColours(COLORREF colour);
  void WatchTreeMouseMoves();
  static LRESULT CALLBACK TreeMouseMoveSubclass(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  static LRESULT CALLBACK PageControlSubclass(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  void PlaceStatusBar();
  void ShowDescription(const LineList& lines);
  void ShowDescriptionText(const std::wstring& text);
  void SetStatusText(const std::wstring& text);

  // Runs a handler; an error it raises is reported in the error box and the
  // program goes on with what the handler had done.
  void Guarded(const std::function<void()>& handler);
  void ReportError(const std::string& utf8Text);

  HINSTANCE instance_;
  MainWindowServices services_;
  HWND hwnd_ = nullptr;
  MainWindowControls controls_;
  MainWindowState state_;
  MenuTreeView treeView_;
  PictureView preview_;
  Hints hints_;
  TabOrder tabOrder_;
  SecondaryWindows* secondaryWindows_ = nullptr;
  // The start-up sound (UTF-8 path) waiting for the window to stand, empty
  // when there is none, and whether it loops.
  std::string startupSound_;
  bool startupSoundLoops_ = false;

  // Colours and GDI objects the settings choose.
  COLORREF background_ = 0;
  COLORREF descriptionText_ = 0;
  BrushHandle backgroundBrush_;
  FontHandle windowFont_;
  FontHandle bannerFont_;
  FontHandle menuFont_;
  LOGFONTW menuFontSpec_{};
  HIMAGELIST nodeImages_ = nullptr;
  HIMAGELIST glyphEnde_ = nullptr;
  HIMAGELIST glyphSuchen_ = nullptr;
  HCURSOR zoomCursor_ = nullptr;
};

}  // namespace pandor
