// The start-up sequence: find the menu folder, read the settings and the
// program list, and apply them to the window in a fixed order. The first
// missing or malformed setting stops it; the window then opens with what was
// applied so far.
#include <windows.h>
#include <commctrl.h>

#include "mainwindow/control_ids.h"
#include "mainwindow/main_window.h"
#include "mainwindow/panel.h"
#include "menu/menu_messages.h"
#include "menu/start_up_settings.h"
#include "platform/child_window.h"
#include "platform/colours.h"
#include "platform/text.h"
#include "resources/resource_ids.h"

namespace pandor {
namespace {

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
    state_.settings = Settings(ReadLineFile(services_.files, MenuFilePath(state_.folder.menuDir, kOptionsFile)));
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
  const std::string sound = StartupSoundPath(state_.folder);
  const bool soundExists = FileExists(services_.files, sound);
  ReadStartUpSettings(state_.settings, soundExists,
                      [&](SettingsLine line, const SettingValue& value) { ApplySetting(line, value, sound); });

  state_.welcomeLines = state_.settings.WelcomeLines();
  ShowDescription(state_.welcomeLines);
  state_.welcomeShown = true;

  BuildMenuTree();
  if (state_.menuTree.Empty()) EnableWindow(controls_.tvMenu, FALSE);
}

void MainWindow::ApplySetting(SettingsLine line, const SettingValue& value, const std::string& sound) {
  switch (line) {
    case kBackgroundColourLine:
      ApplyBackgroundColour(ToColorRef(value.colour));
      break;
    case kInfoPanelShownLine:
      if (value.on) ToggleInfoPanel();
      break;
    case kDescriptionColourLine:
      descriptionText_ = ToColorRef(value.colour);
      InvalidateRect(controls_.mDesc, nullptr, TRUE);
      break;
    case kCaptionLine:
      if (!value.text->empty()) SetWindowTextW(hwnd_, FromAnsi(*value.text).c_str());
      break;
    case kBannerTextLine: {
      const std::wstring banner = FromAnsi(*value.text);
      controls_.lblWelcome.SetCaption(banner);
      controls_.lblShadow.SetCaption(banner);
      SetWindowTextW(controls_.pWillkommen, banner.c_str());
      break;
    }
    case kBannerTextColourLine:
      controls_.lblWelcome.SetColour(ToColorRef(value.colour));
      break;
    case kBannerShadowColourLine:
      controls_.lblShadow.SetColour(ToColorRef(value.colour));
      break;
    case kBannerPanelColourLine:
      Panel::SetColour(controls_.pWillkommen, ToColorRef(value.colour));
      break;
    case kStatusTextLine:
      state_.tickerText = *value.text;
      break;
    case kTickerSwitchLine:
      if (value.on) {
        state_.tickerPos = 0;
        SetTimer(hwnd_, kScrollTimer, kTickerPeriod, nullptr);
      } else {
        SetStatusText(FromAnsi(state_.tickerText));
      }
      break;
    case kMenuFontNameLine:
      lstrcpynW(menuFontSpec_.lfFaceName, FromAnsi(*value.text).c_str(), LF_FACESIZE);
      ApplyMenuFont();
      break;
    case kMenuFontSizeLine:
      menuFontSpec_.lfHeight = PointFontHeight(value.integer);
      ApplyMenuFont();
      break;
    case kMenuFontColourLine:
      SendMessageW(controls_.tvMenu, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ToColorRef(value.colour)));
      break;
    case kSoundLoopLine:
      // Opening the sound loads MCI and Wine's or Windows' audio set-up, a
      // good part of the start-up: it waits until the window stands.
      state_.loopSound = false;
      startupSound_ = sound;
      startupSoundLoops_ = value.on;
      break;
    case kHoverEffectsLine:
      state_.hoverEffects = value.on;
      break;
    case kIconStyleLine:
      state_.iconStyle = value.integer;
      treeView_.SetIconStyle(state_.iconStyle);
      break;
    default:
      break;
  }
}

void MainWindow::ApplyBackgroundColour(COLORREF colour) {
  background_ = colour;
  backgroundBrush_.reset(CreateSolidBrush(colour));
  InvalidateRect(hwnd_, nullptr, TRUE);
  Panel::SetColour(controls_.pnButtons, colour);
  for (FlatButton* button : controls_.Buttons())
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
  LineList programList = ReadLineFile(services_.files, MenuFilePath(state_.folder.menuDir, kFileListFile));
  // The nodes built before an incomplete record still appear.
  struct ShowBuiltNodes {
    MenuTreeView& view;
    const MenuTree& tree;
    ~ShowBuiltNodes() { view.Fill(tree); }
  } showBuiltNodes{treeView_, state_.menuTree};
  state_.menuTree.Build(std::move(programList));
}

}  // namespace pandor
