// The main window's fixed layout: every control at its place with its
// caption, fonts and hints.
#include <windows.h>
#include <commctrl.h>

#include "mainwindow/control_ids.h"
#include "mainwindow/layout_art.h"
#include "mainwindow/main_window.h"
#include "mainwindow/panel.h"
#include "platform/child_window.h"
#include "platform/control_hook.h"
#include "resources/resource_ids.h"

namespace pandor {
namespace {

constexpr Place kWillkommen{8, 8, 321, 41};
constexpr Place kShadow{8, 7, 305, 28};
constexpr Place kWelcome{8, 8, 305, 28};
constexpr Place kGroupBox{8, 56, 321, 185};
constexpr Place kMenuInGroupBox{8, 16, 305, 161};
constexpr Place kButtons{8, 248, 321, 41};
constexpr Place kHelp{8, 8, 23, 25};
constexpr Place kClose{72, 8, 75, 25};
constexpr Place kExplore{176, 8, 75, 25};
constexpr Place kExpand{290, 8, 23, 25};
constexpr Place kPages{336, 8, 281, 285};
// The pages fill the page control below its row of tab buttons; the preview
// fills the page inside the panel's bevel.
constexpr Place kPage{340, 35, 273, 254};
constexpr Place kPreviewInPanel{2, 2, 269, 250};
constexpr int kTreeIndent = 19;
constexpr int kBannerFontHeight = 24;  // pixels
constexpr int kWindowFontPoints = 8;
constexpr int kImageSize = 16;  // of the node images and glyphs
constexpr wchar_t kAboutHint[] = L"Über Pandor 7";
constexpr wchar_t kMenuCaption[] = L"Menü";

HFONT CreateWindowFont(const wchar_t* face, int height, bool italic = false) {
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, italic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

}  // namespace

void MainWindow::CreateControls() {
  windowFont_.reset(CreateWindowFont(L"MS Sans Serif", PointFontHeight(kWindowFontPoints)));
  bannerFont_.reset(CreateWindowFont(L"Arial", -Scaled(kBannerFontHeight), true));
  GetObjectW(windowFont_.get(), sizeof menuFontSpec_, &menuFontSpec_);
  background_ = GetSysColor(COLOR_BTNFACE);
  backgroundBrush_.reset(CreateSolidBrush(background_));
  descriptionText_ = GetSysColor(COLOR_WINDOWTEXT);
  const auto setFont = [](HWND control, HFONT font) { SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE); };

  // Welcome banner: the shadow label lies one pixel above the text label.
  controls_.pWillkommen = Panel::Create(hwnd_, kIdWillkommen, kWillkommen.ScaledRect());
  // Its caption is also the panel's window text, for screen readers.
  SetWindowTextW(controls_.pWillkommen, L"Willkommen");
  controls_.lblShadow.Place(controls_.pWillkommen, kIdShadow, kShadow.ScaledRect());
  controls_.lblShadow.SetDecoration();
  controls_.lblShadow.SetColour(RGB(255, 255, 255));
  controls_.lblWelcome.Place(controls_.pWillkommen, kIdWelcome, kWelcome.ScaledRect());
  controls_.lblWelcome.SetColour(GetSysColor(COLOR_WINDOWTEXT));
  for (Label* label : {&controls_.lblShadow, &controls_.lblWelcome}) {
    label->SetCaption(L"Willkommen");
    label->SetFont(bannerFont_.get());
    label->onMouseMove = [this] { Guarded([this] { lblWelcomeMouseMove(); }); };
  }
  // The panel's hint covers the labels on it; a screen reader reads it as
  // the text's description.
  hints_.Add(controls_.pWillkommen, kAboutHint);
  controls_.lblWelcome.SetHint(kAboutHint);

  // Menu: the tree lies in the group box but belongs to the window, so that
  // its notifications come here. Its tooltip for names too long to show
  // comes with the hints (CreateHints). It doesn't show its window text: that
  // is its name for screen readers, the group box's caption.
  controls_.GroupBox1 = CreateChildWindow(hwnd_, L"BUTTON", kMenuCaption, BS_GROUPBOX, kGroupBox, kIdGroupBox);
  setFont(controls_.GroupBox1, windowFont_.get());
  controls_.tvMenu = CreateChildWindow(hwnd_, WC_TREEVIEWW, kMenuCaption, TVS_TRACKSELECT | TVS_SHOWSELALWAYS | TVS_NOTOOLTIPS | WS_TABSTOP,
                                       kMenuInGroupBox.Inside(kGroupBox), kIdMenu);
  setFont(controls_.tvMenu, windowFont_.get());
  SendMessageW(controls_.tvMenu, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
  nodeImages_ = LoadLayoutImages(instance_, IDB_NODE_IMAGES, Scaled(kImageSize));
  SendMessageW(controls_.tvMenu, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(nodeImages_));
  // After the images, which set the indent to their width when it is less.
  SendMessageW(controls_.tvMenu, TVM_SETINDENT, Scaled(kTreeIndent), 0);
  treeView_.Attach(controls_.tvMenu);
  WatchTreeMouseMoves();

  // Buttons.
  controls_.pnButtons = Panel::Create(hwnd_, kIdButtons, kButtons.ScaledRect());
  glyphEnde_ = LoadLayoutImages(instance_, IDB_GLYPH_ENDE, Scaled(kImageSize));
  glyphSuchen_ = LoadLayoutImages(instance_, IDB_GLYPH_SUCHEN, Scaled(kImageSize));
  controls_.sbtnHelp.Create(controls_.pnButtons, kIdHelp, kHelp.ScaledRect(), L"?", nullptr, windowFont_.get());
  controls_.sbtnClose.Create(controls_.pnButtons, kIdClose, kClose.ScaledRect(), L"Ende", glyphEnde_,
                             windowFont_.get());
  controls_.sbtnExplore.Create(controls_.pnButtons, kIdExplore, kExplore.ScaledRect(), L"Suchen", glyphSuchen_,
                               windowFont_.get());
  controls_.sbtnExpand.Create(controls_.pnButtons, kIdExpand, kExpand.ScaledRect(), L"<<", nullptr, windowFont_.get());
  controls_.sbtnHelp.SetHint(L"Hilfefenster einblenden");
  controls_.sbtnClose.SetHint(L"Autostart beenden");
  controls_.sbtnExplore.SetHint(L"CD durchsuchen");
  controls_.sbtnExpand.SetHint(L"Infos ausblenden");
  for (FlatButton* button : controls_.Buttons()) {
    button->onMouseMove = [this, button] { Guarded([&] { ButtonMouseMove(*button); }); };
    hints_.Add(*button);
  }

  // Information panel: the pages lie over the page control's display area.
  controls_.PageControl1 = CreateChildWindow(hwnd_, WC_TABCONTROLW, L"",
                                       TCS_BUTTONS | TCS_HOTTRACK | WS_CLIPSIBLINGS | WS_TABSTOP, kPages, kIdPages);
  setFont(controls_.PageControl1, windowFont_.get());
  HookControl(controls_.PageControl1, PageControlSubclass, 0, reinterpret_cast<DWORD_PTR>(this));
  TCITEMW tab{};
  tab.mask = TCIF_TEXT;
  tab.pszText = const_cast<wchar_t*>(L"Infos");
  SendMessageW(controls_.PageControl1, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&tab));
  controls_.mDesc = CreateChildWindow(hwnd_, L"EDIT", L"", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, kPage, kIdDescription);
  setFont(controls_.mDesc, windowFont_.get());
  // Descriptions of several megabytes fit.
  SendMessageW(controls_.mDesc, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
  controls_.pnPreview = Panel::Create(hwnd_, kIdPreviewPanel, kPage.ScaledRect());
  ShowWindow(controls_.pnPreview, SW_HIDE);
  preview_.Create(controls_.pnPreview, kIdPreviewImage, kPreviewInPanel.ScaledRect());
  controls_.imgPreview = preview_.Handle();
  // Damaged picture data shows up when the picture is first drawn.
  preview_.onDrawError = [this](const std::string& text) { ReportError(text); };
  preview_.onClick = [this] { Guarded([this] { imgPreviewClick(); }); };
  hints_.Add(controls_.imgPreview, L"Anklicken für Vergrößerung");

  controls_.StatusBar = CreateChildWindow(hwnd_, STATUSCLASSNAMEW, L"", CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                                    Place{0, 0, 0, 0}, kIdStatusBar);
  SendMessageW(controls_.StatusBar, SB_SIMPLE, TRUE, 0);
  setFont(controls_.StatusBar, windowFont_.get());
  PlaceStatusBar();

  // Tab and Shift+Tab go through the controls as they lie, top left first,
  // by columns; the pages' contents follow their tabs.
  tabOrder_.Add(controls_.lblWelcome);
  tabOrder_.Add(controls_.tvMenu);
  for (FlatButton* button : controls_.Buttons())
    tabOrder_.Add(*button);
  tabOrder_.Add(controls_.PageControl1);
  tabOrder_.Add(controls_.mDesc);
  tabOrder_.Add(controls_.imgPreview);
}

// The page control follows the window's colour around its tab buttons.
LRESULT CALLBACK MainWindow::PageControlSubclass(HWND pages, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                 DWORD_PTR self) {
  if (message == WM_ERASEBKGND) {
    RECT client;
    GetClientRect(pages, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, reinterpret_cast<MainWindow*>(self)->backgroundBrush_.get());
    return 1;
  }
  return CallNextHook(pages, message, wParam, lParam);
}

void MainWindow::CreateHints() {
  hints_.Create(instance_, hwnd_);
  controls_.hints = hints_.Handle();
  // The tree makes its tooltip when the style allows one again.
  const LONG_PTR treeStyle = GetWindowLongPtrW(controls_.tvMenu, GWL_STYLE);
  SetWindowLongPtrW(controls_.tvMenu, GWL_STYLE, treeStyle & ~static_cast<LONG_PTR>(TVS_NOTOOLTIPS));
}

}  // namespace pandor
