#include "editor/editor_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include "editor/dialog_focus.h"
#include "editor/editor_ids.h"
#include "editor/unsaved_files.h"
#include "menu/description.h"
#include "menu/menu_error.h"
#include "platform/child_window.h"
#include "platform/object_window.h"
#include "platform/text.h"

namespace pandor {
namespace {

using namespace editor_ids;

constexpr wchar_t kClassName[] = L"Pandor7Editor";
constexpr UINT kCheckDone = WM_APP + 10;
constexpr int kClientWidth = 940, kClientHeight = 640;

constexpr Place kTreeLabelPlace{8, 8, 300, 16};
constexpr Place kTreePlace{8, 26, 300, 378};
constexpr Place kTabsPlace{316, 6, 616, 464};
constexpr Place kFindingsLabelPlace{8, 476, 600, 16};
constexpr Place kFindingsPlace{8, 494, 924, 120};

struct TreeButton {
  int command;
  const wchar_t* text;
  Place place;
};
constexpr TreeButton kTreeButtons[] = {
    {kAddProgram, L"Pro&gramm…", {8, 410, 98, 26}},      {kAddGroup, L"&Neue Gruppe", {109, 410, 98, 26}},
    {kRemove, L"&Entfernen", {210, 410, 98, 26}},        {kMoveUp, L"Nach &oben", {8, 440, 98, 26}},
    {kMoveDown, L"Nach &unten", {109, 440, 98, 26}},      {kRename, L"Umbenennen", {210, 440, 98, 26}},
};

BOOL CALLBACK SetFontOf(HWND child, LPARAM font) {
  SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
  return TRUE;
}

}  // namespace

EditorWindow::EditorWindow(HINSTANCE instance, EditorDialogs& dialogs, std::wstring programFolder)
    : instance_(instance), dialogs_(dialogs), programFolder_(std::move(programFolder)), form_(*this),
      settingsPage_(*this) {}

EditorWindow::~EditorWindow() {
  liveCheck_.reset();
  if (hwnd_) DestroyWindow(hwnd_);
  ReleaseObjectWindow(hwnd_);
  if (font_) DeleteObject(font_);
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

void EditorWindow::RegisterClasses(HINSTANCE instance) {
  RegisterObjectWindowClass<EditorWindow>(instance, kClassName, LoadCursor(nullptr, IDC_ARROW),
                                          LoadIconW(instance, L"MAINICON"));
  RecordForm::Register(instance);
  PictureView::Register(instance);
}

HWND EditorWindow::Create() {
  RECT frame{0, 0, Scaled(kClientWidth), Scaled(kClientHeight)};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  AdjustWindowRectEx(&frame, style, TRUE, WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES);
  CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES, kClassName, FromUtf8(kEditorTitle).c_str(), style,
                  CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                  MakeMenuBar(), instance_, this);
  if (!hwnd_) return nullptr;
  CreateControls();
  liveCheck_ = std::make_unique<LiveCheck>(hwnd_, kCheckDone);
  ShowState(-1);
  return hwnd_;
}

void EditorWindow::CreateControls() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  font_ = CreateFontIndirectW(&metrics.lfMessageFont);

  CreateChildWindow(hwnd_, L"STATIC", L"&Programme des Menüs:", SS_LEFT, kTreeLabelPlace, kTreeLabel);
  treeView_.Create(hwnd_, kTreePlace, kTree);
  for (const TreeButton& button : kTreeButtons) {
    CreateChildWindow(hwnd_, L"BUTTON", button.text, WS_TABSTOP | BS_PUSHBUTTON, button.place, button.command);
  }
  tabs_ = CreateChildWindow(hwnd_, WC_TABCONTROLW, L"Seiten", WS_TABSTOP | WS_CLIPSIBLINGS, kTabsPlace, kTabs);
  for (const wchar_t* page : {L"Programm", L"Einstellungen"}) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(page);
    SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(SendMessageW(tabs_, TCM_GETITEMCOUNT, 0, 0)),
                 reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  pageArea_ = kTabsPlace.ScaledRect();
  SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&pageArea_));
  form_.Create(hwnd_, pageArea_, kFormFirst);
  CreateChildWindow(hwnd_, L"STATIC", L"&Befunde der Prüfung:", SS_LEFT, kFindingsLabelPlace, kFindingsLabel);
  findings_.Create(hwnd_, kFindingsPlace, kFindingsList);
  findings_.onOpen = [this](const check::Finding& finding) { OpenFinding(finding); };
  status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBar)), instance_, nullptr);
  EnumChildWindows(hwnd_, SetFontOf, reinterpret_cast<LPARAM>(font_));
  ShowPage(kProgramPage);
}

HMENU EditorWindow::MakeMenuBar() const {
  struct Item {
    int command;  // 0: a separator
    const wchar_t* text;
  };
  const auto popup = [](std::initializer_list<Item> items) {
    HMENU menu = CreatePopupMenu();
    for (const Item& item : items) {
      if (item.command == 0) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      else AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.command), item.text);
    }
    return menu;
  };
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup({
                                 {kNew, L"&Neues Menü…\tStrg+N"},
                                 {kOpen, L"Ö&ffnen…\tStrg+O"},
                                 {kSave, L"&Speichern\tStrg+S"},
                                 {0, nullptr},
                                 {kPreview, L"&Vorschau\tF5"},
                                 {kWriteMedium, L"Auf &USB-Stick oder in Ordner schreiben…"},
                                 {0, nullptr},
                                 {kExit, L"&Beenden\tAlt+F4"},
                             })),
              L"&Datei");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup({
                                 {kUndo, L"&Rückgängig\tStrg+Z"},
                                 {kRedo, L"&Wiederholen\tStrg+Y"},
                                 {0, nullptr},
                                 {kAddProgram, L"&Programm hinzufügen…\tStrg+P"},
                                 {kAddGroup, L"&Gruppe hinzufügen\tStrg+G"},
                                 {kRename, L"&Umbenennen\tF2"},
                                 {kRemove, L"&Entfernen\tEntf"},
                                 {kMoveUp, L"Nach &oben\tAlt+Nach-oben"},
                                 {kMoveDown, L"Nach &unten\tAlt+Nach-unten"},
                                 {kOutOfGroup, L"Aus der Gruppe &nehmen"},
                             })),
              L"&Bearbeiten");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup({
                                 {kSettings, L"&Einstellungen des Menüs\tStrg+E"},
                                 {kFindings, L"&Befunde\tStrg+B"},
                             })),
              L"&Ansicht");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup({{kAbout, L"&Über den Editor"}})), L"&Hilfe");
  return bar;
}

bool EditorWindow::PreTranslateMessage(MSG& message) {
  if (!hwnd_) return false;
  if (!accelerators_) {
    ACCEL keys[] = {
        {FCONTROL | FVIRTKEY, 'N', kNew},       {FCONTROL | FVIRTKEY, 'O', kOpen},
        {FCONTROL | FVIRTKEY, 'S', kSave},      {FVIRTKEY, VK_F5, kPreview},
        {FCONTROL | FVIRTKEY, 'Z', kUndo},      {FCONTROL | FVIRTKEY, 'Y', kRedo},
        {FCONTROL | FVIRTKEY, 'P', kAddProgram},
        {FCONTROL | FVIRTKEY, 'G', kAddGroup},  {FALT | FVIRTKEY, VK_UP, kMoveUp},
        {FALT | FVIRTKEY, VK_DOWN, kMoveDown},  {FCONTROL | FVIRTKEY, 'E', kSettings},
        {FCONTROL | FVIRTKEY, 'B', kFindings},
    };
    accelerators_ = CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
  }
  // A label being edited in the tree takes its own keys.
  if (TreeView_GetEditControl(treeView_.Handle()) && message.hwnd == TreeView_GetEditControl(treeView_.Handle())) {
    return false;
  }
  if (TranslateAcceleratorW(hwnd_, accelerators_, &message)) return true;
  return IsDialogMessageW(hwnd_, &message) != FALSE;
}

LRESULT EditorWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0 || HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
      return 0;
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_MOUSEMOVE:
      if (dragged_ >= 0) {
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        MapWindowPoints(hwnd_, treeView_.Handle(), &point, 1);
        TVHITTESTINFO hit{};
        hit.pt = point;
        TreeView_SelectDropTarget(treeView_.Handle(), TreeView_HitTest(treeView_.Handle(), &hit));
      }
      return 0;
    case WM_LBUTTONUP:
      if (dragged_ >= 0) {
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        MapWindowPoints(hwnd_, treeView_.Handle(), &point, 1);
        EndDrag(point);
      }
      return 0;
    case WM_CAPTURECHANGED:
      if (dragged_ >= 0 && reinterpret_cast<HWND>(lParam) != hwnd_) {
        dragged_ = -1;
        TreeView_SelectDropTarget(treeView_.Handle(), nullptr);
      }
      return 0;
    case WM_DROPFILES: DropFiles(reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_NEXTDLGCTL: MoveDialogFocus(hwnd_, wParam, lParam); return 0;
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(hwnd_, &area);
      FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case kCheckDone: ShowFindings(); return 0;
    case kRenameLater: FinishRename(); return 0;
    case WM_CLOSE:
      if (ConfirmLeaving()) DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      if (onDestroyed) onDestroyed();
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void EditorWindow::OnCommand(int command) {
  switch (command) {
    case kNew: NewMenu(); break;
    case kOpen: OpenChosen(); break;
    case kSave: Save(); break;
    case kPreview: Preview(); break;
    case kWriteMedium: WriteMedium(); break;
    case kExit: PostMessageW(hwnd_, WM_CLOSE, 0, 0); break;
    case kUndo: Undo(); break;
    case kRedo: Redo(); break;
    case kAddProgram: AddProgram(); break;
    case kAddGroup: AddGroup(); break;
    case kRename: RenameSelected(); break;
    case kRemove: RemoveSelected(); break;
    case kMoveUp: MoveSelected(true); break;
    case kMoveDown: MoveSelected(false); break;
    case kOutOfGroup: TakeOutOfGroup(); break;
    case kSettings:
      ShowPage(kSettingsPage);
      if (const HWND first = GetNextDlgTabItem(settingsPage_.Window(), nullptr, FALSE)) SetFocus(first);
      break;
    case kFindings: SetFocus(findings_.Handle()); break;
    case kAbout:
      dialogs_.Tell(hwnd_, std::string(kEditorTitle) +
                               "\n\nMacht das Menü eines Mediums: Programme, Gruppen, Beschreibungen, Bilder und "
                               "Einstellungen, geprüft, während Sie arbeiten.");
      break;
  }
}

LRESULT EditorWindow::OnNotify(const NMHDR& header) {
  if (findings_.OnNotify(header)) return 0;
  if (header.hwndFrom == tabs_ && header.code == TCN_SELCHANGE) {
    ShowPage(static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
    return 0;
  }
  if (header.hwndFrom != treeView_.Handle()) return 0;
  switch (header.code) {
    case TVN_ITEMEXPANDINGW: treeView_.OnItemExpanding(reinterpret_cast<const NMTREEVIEWW&>(header)); return 0;
    case TVN_ITEMEXPANDEDW: treeView_.OnItemExpanded(reinterpret_cast<const NMTREEVIEWW&>(header)); return 0;
    case TVN_SELCHANGEDW:
      CommitFields();
      ShowSelection();
      return 0;
    case TVN_BEGINLABELEDITW: return document_ ? FALSE : TRUE;
    case TVN_ENDLABELEDITW: EndRename(reinterpret_cast<const NMTVDISPINFOW&>(header)); return FALSE;
    case TVN_BEGINDRAGW: BeginDrag(reinterpret_cast<const NMTREEVIEWW&>(header)); return 0;
    case TVN_KEYDOWN: {
      const WORD key = reinterpret_cast<const NMTVKEYDOWN&>(header).wVKey;
      if (key == VK_DELETE) RemoveSelected();
      if (key == VK_F2) RenameSelected();
      return 0;
    }
  }
  return 0;
}

void EditorWindow::MakeSettingsPage() {
  if (settingsPageMade_) return;
  settingsPageMade_ = true;
  settingsPage_.Create(hwnd_, pageArea_, kSettingsFirst);
  // In the tab order right after the program page, where it stands.
  SetWindowPos(settingsPage_.Window(), form_.Window(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (document_) settingsPage_.Show(document_->Menu().model.settings);
}

void EditorWindow::ShowPage(int page) {
  if (page == kSettingsPage) MakeSettingsPage();
  SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
  ShowWindow(form_.Window(), page == kProgramPage ? SW_SHOW : SW_HIDE);
  if (settingsPageMade_) ShowWindow(settingsPage_.Window(), page == kSettingsPage ? SW_SHOW : SW_HIDE);
}

void EditorWindow::CommitFields() {
  form_.CommitPending();
  if (settingsPageMade_) settingsPage_.CommitEdits();
}

void EditorWindow::Edit(const std::function<void(EditedMenu&)>& change,
                        const std::function<int(const MenuTree&)>& select, bool keepsTree) {
  if (!document_) return;
  EditedMenu next = document_->Menu();
  try {
    change(next);
  } catch (const std::exception& error) {
    dialogs_.Error(hwnd_, error.what());
    return;
  }
  const EditedMenu& now = document_->Menu();
  if (next.model.settings.File() == now.model.settings.File() && next.model.programs.File() == now.model.programs.File() &&
      FilesToSave(next, now).empty()) {
    return;
  }
  document_->History().Push(std::move(next));
  tree_ = document_->Menu().model.programs.Tree();
  ShowState(select && !keepsTree ? select(tree_) : -1, !keepsTree);
}

void EditorWindow::Undo() {
  StepThroughHistory(&EditHistory::Undo, "Es gibt nichts rückgängig zu machen.", "Rückgängig gemacht.");
}

void EditorWindow::Redo() { StepThroughHistory(&EditHistory::Redo, "Es gibt nichts zu wiederholen.", "Wiederholt."); }

void EditorWindow::StepThroughHistory(bool (EditHistory::*step)(), const char* nothingThere, const char* done) {
  if (!document_) return;
  CommitFields();
  const int selected = treeView_.SelectedNode();
  const NodePlace place = selected < 0 ? NodePlace{} : PlaceOf(tree_, selected);
  if (!(document_->History().*step)()) {
    SetStatus(nothingThere);
    return;
  }
  tree_ = document_->Menu().model.programs.Tree();
  startupSound_ = document_->BytesOf(kStartupSoundPath);
  ShowState(tree_.Empty() ? -1 : NodeAt(tree_, place));
  SetStatus(done);
}

void EditorWindow::ShowState(int selectNode, bool showTree) {
  const bool open = document_.has_value();
  for (const TreeButton& button : kTreeButtons) EnableWindow(GetDlgItem(hwnd_, button.command), open);
  for (int command : {kSave, kPreview, kWriteMedium, kUndo, kRedo, kAddProgram, kAddGroup, kRename, kRemove, kMoveUp,
                      kMoveDown, kOutOfGroup}) {
    EnableMenuItem(GetMenu(hwnd_), static_cast<UINT>(command), MF_BYCOMMAND | (open ? MF_ENABLED : MF_GRAYED));
  }
  if (!open) {
    form_.ShowNothing();
    UpdateCaption();
    SetStatus("Öffnen Sie den Ordner eines Mediums (Strg+O) oder legen Sie ein neues Menü an (Strg+N).");
    return;
  }
  if (showTree) treeView_.Show(tree_, selectNode);
  ShowSelection();
  if (settingsPageMade_) settingsPage_.Show(document_->Menu().model.settings);
  UpdateCaption();
  RequestCheck();
}

void EditorWindow::UpdateCaption() {
  std::string caption = kEditorTitle;
  if (document_) {
    caption = ToUtf8(document_->Name()) + (document_->History().Unsaved() ? " *" : "") + " – " + caption;
  }
  SetWindowTextW(hwnd_, FromUtf8(caption).c_str());
}

void EditorWindow::SetStatus(const std::string& text) {
  SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(FromUtf8(text).c_str()));
}

void EditorWindow::RequestCheck() {
  if (!document_ || !liveCheck_) return;
  findings_.MarkOutdated();
  liveCheck_->Request(std::filesystem::path(document_->Root()), UnsavedFilesOf(document_->Menu()));
}

void EditorWindow::ShowFindings() {
  std::optional<check::CheckReport> report = liveCheck_->TakeReport();
  if (!report) return;
  findings_.Show(report->findings.Sorted(), report->failure);
  int counts[3] = {0, 0, 0};  // errors, warnings, notes
  for (const check::Finding& finding : findings_.Findings()) ++counts[static_cast<int>(finding.severity)];
  // The list's label names the counts, so that a screen reader says them with the list.
  const std::string label = "&Befunde der Prüfung: " + std::to_string(counts[0]) + " Fehler, " +
                            std::to_string(counts[1]) + (counts[1] == 1 ? " Warnung, " : " Warnungen, ") +
                            std::to_string(counts[2]) + (counts[2] == 1 ? " Hinweis" : " Hinweise");
  SetDlgItemTextW(hwnd_, kFindingsLabel, FromUtf8(label).c_str());
}

}  // namespace pandor
