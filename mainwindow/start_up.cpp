// The start-up sequence: find the menu folder, read the settings and the
// program list, and apply them to the window in a fixed order. The first
// missing or malformed setting stops it; the window then opens with what was
// applied so far.
#include <windows.h>
#include <commctrl.h>

#include "mainwindow/control_ids.h"
#include "mainwindow/main_window.h"
#include "mainwindow/panel.h"
#include "platform/colours.h"
#include "platform/text.h"
#include "resources/resource_ids.h"

namespace pandor {
namespace {

constexpr char kMissingFilesText[] = "Autostarten fehlgeschlagen filelist.dat oder options.dat niet gevonden";
constexpr char kMissingFilesCaption[] = "Debug";
constexpr char kWrongVersionText[] = "Fehler!\r\rDie Datei \"options.dat\" liegt in falscher Version vor!";
constexpr UINT kTickerPeriod = 200;

}  // namespace

MainWindow::StartUp MainWindow::FormCreate(const std::string& programPath) {
  zoomCursor_ = LoadCursorA(instance_, IDC_ZOOM);
  state_.previewFile.clear();
  state_.folder = MenuFolderFor(programPath);

  if (!DefinitionFilesPresent(services_.files, state_.folder)) {
    services_.messages.Box(kMissingFilesText, kMissingFilesCaption, MB_OK | MB_ICONERROR);
    return StartUp::EndProgram;
  }

  StartUp result = StartUp::Continue;
  Guarded([&] {
    state_.settings = Settings(ReadLineFile(services_.files, state_.folder.menuDir + kOptionsFile));
    if (state_.settings.Text(kVersionLine) != kSettingsVersion) {
      services_.messages.Dialog(kWrongVersionText);
      result = StartUp::EndProgram;
      return;
    }
    ApplySettings();
  });
  return result;
}

void MainWindow::ApplySettings() {
  const Settings& settings = state_.settings;

  ApplyBackgroundColour(ToColorRef(settings.Colour(kBackgroundColourLine)));
  if (settings.Text(kInfoPanelShownLine) == "0") ToggleInfoPanel();
  descriptionText_ = ToColorRef(settings.Colour(kDescriptionColourLine));
  InvalidateRect(controls_.mDesc, nullptr, TRUE);

  const std::string& caption = settings.Text(kCaptionLine);
  if (!caption.empty()) SetWindowTextW(hwnd_, FromAnsi(caption).c_str());

  const std::wstring banner = FromAnsi(settings.Text(kBannerTextLine));
  SetWindowTextW(controls_.lblWelcome, banner.c_str());
  SetWindowTextW(controls_.lblShadow, banner.c_str());
  bannerText_ = ToColorRef(settings.Colour(kBannerTextColourLine));
  bannerShadow_ = ToColorRef(settings.Colour(kBannerShadowColourLine));
  InvalidateRect(controls_.pWillkommen, nullptr, TRUE);
  Panel::SetColour(controls_.pWillkommen, ToColorRef(settings.Colour(kBannerPanelColourLine)));

  state_.tickerText = settings.Text(kStatusTextLine);
  if (settings.IsSet(kTickerSwitchLine)) {
    state_.tickerPos = 0;
    SetTimer(hwnd_, kScrollTimer, kTickerPeriod, nullptr);
  } else {
    SetStatusText(FromAnsi(state_.tickerText));
  }

  lstrcpynW(menuFontSpec_.lfFaceName, FromAnsi(settings.Text(kMenuFontNameLine)).c_str(), LF_FACESIZE);
  ApplyMenuFont();
  const HDC screen = GetDC(nullptr);
  menuFontSpec_.lfHeight = -MulDiv(settings.Integer(kMenuFontSizeLine), GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  ApplyMenuFont();
  SendMessageW(controls_.tvMenu, TVM_SETTEXTCOLOR, 0,
               static_cast<LPARAM>(ToColorRef(settings.Colour(kMenuFontColourLine))));

  StartSound();

  state_.hoverEffects = settings.IsSet(kHoverEffectsLine);
  state_.iconStyle = settings.Integer(kIconStyleLine);
  treeView_.SetIconStyle(state_.iconStyle);

  state_.welcomeLines = settings.WelcomeLines();
  ShowDescription(state_.welcomeLines);
  state_.welcomeShown = true;

  BuildMenuTree();
  if (state_.menuTree.Empty()) EnableWindow(controls_.tvMenu, FALSE);
}

void MainWindow::ApplyBackgroundColour(COLORREF colour) {
  background_ = colour;
  backgroundBrush_.reset(CreateSolidBrush(colour));
  InvalidateRect(hwnd_, nullptr, TRUE);
  Panel::SetColour(controls_.pnButtons, colour);
  for (FlatButton* button : {&controls_.sbtnHelp, &controls_.sbtnClose, &controls_.sbtnExplore, &controls_.sbtnExpand})
    button->SetBackground(colour);
  SendMessageW(controls_.tvMenu, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(colour));
  SendMessageW(controls_.StatusBar, SB_SETBKCOLOR, 0, static_cast<LPARAM>(colour));
  InvalidateRect(controls_.mDesc, nullptr, TRUE);
}

void MainWindow::ApplyMenuFont() {
  menuFont_.reset(CreateFontIndirectW(&menuFontSpec_));
  SendMessageW(controls_.tvMenu, WM_SETFONT, reinterpret_cast<WPARAM>(menuFont_.get()), TRUE);
}

void MainWindow::BuildMenuTree() {
  LineList programList = ReadLineFile(services_.files, state_.folder.menuDir + kFileListFile);
  // The nodes built before an incomplete record still appear.
  struct ShowBuiltNodes {
    MenuTreeView& view;
    const MenuTree& tree;
    ~ShowBuiltNodes() { view.Fill(tree); }
  } showBuiltNodes{treeView_, state_.menuTree};
  state_.menuTree.Build(std::move(programList));
}

}  // namespace pandor
