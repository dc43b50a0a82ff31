// The information panel: a click in the menu tree shows what the clicked entry
// is, a program's description and picture or a group opening and closing; a
// selection moved by the keys shows the same, but leaves the groups as the
// tree's own keys set them.
#include <windows.h>
#include <commctrl.h>

#include "mainwindow/main_window.h"
#include "menu/description.h"
#include "menu/menu_error.h"
#include "menu/menu_messages.h"
#include "platform/picture.h"
#include "platform/text.h"
#include "platform/wait_cursor.h"

namespace pandor {
namespace {

constexpr wchar_t kGroupText[] = L"Programm-Gruppe";
constexpr wchar_t kPictureTab[] = L"Bild";
constexpr int kInfoPage = 0;
constexpr int kPicturePage = 1;

}  // namespace

void MainWindow::tvMenuClick() { ShowSelectedNode(true); }

void MainWindow::tvMenuChange() { ShowSelectedNode(false); }

void MainWindow::ShowSelectedNode(bool toggleGroup) {
  SetWindowTextW(controls_.mDesc, L"");
  state_.welcomeShown = false;
  ShowPictureTab(false);

  const int node = treeView_.SelectedNode();
  if (node < 0) return;
  if (state_.menuTree.Node(node).IsGroup()) {
    if (toggleGroup) ToggleGroup(node);
    ShowDescriptionText(kGroupText);
    return;
  }
  const std::optional<ProgramEntry> program = state_.menuTree.RecordOf(node);
  if (program) ShowProgramInformation(*program);
}

void MainWindow::ShowProgramInformation(const ProgramEntry& program) {
  const WaitCursor waitCursor;
  const std::string description = MenuFilePath(state_.folder.menuDir, program.description);
  if (FileExists(services_.files, description)) {
    ShowDescriptionText(FromAnsi(DescriptionText(services_.files.ReadWhole(description))));
  } else {
    ShowDescriptionText(FromUtf8(kNoDescriptionText));
  }

  const std::string picture = MenuFilePath(state_.folder.menuDir, program.picture);
  if (!FileExists(services_.files, picture)) return;
  if (picture != state_.previewFile) preview_.SetPicture(LoadPicture(picture));
  state_.previewFile = picture;
  ShowPictureTab(true);
}

void MainWindow::ToggleGroup(int node) {
  // An accordion: at most one branch is open, and a click on it closes it.
  const bool wasOpen = treeView_.IsOpen(node);
  treeView_.CloseAll();
  if (!wasOpen) treeView_.OpenBranch(node);
}

void MainWindow::RestoreWelcomeText() {
  if (state_.welcomeShown) return;
  ShowDescription(state_.welcomeLines);
  state_.welcomeShown = true;
}

void MainWindow::ShowDescriptionText(const std::wstring& text) {
  if (!SetWindowTextW(controls_.mDesc, text.c_str())) throw MenuError("Text überschreitet Memo-Kapazität");
}

void MainWindow::ShowPictureTab(bool shown) {
  const HWND pages = controls_.PageControl1;
  const bool present = SendMessageW(pages, TCM_GETITEMCOUNT, 0, 0) > kPicturePage;
  if (shown && !present) {
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<wchar_t*>(kPictureTab);
    SendMessageW(pages, TCM_INSERTITEMW, kPicturePage, reinterpret_cast<LPARAM>(&tab));
  } else if (!shown && present) {
    // Hiding the picture's tab brings the information page to view.
    SendMessageW(pages, TCM_DELETEITEM, kPicturePage, 0);
    SendMessageW(pages, TCM_SETCURSEL, kInfoPage, 0);
    ShowPage(kInfoPage);
  }
}

void MainWindow::ShowPage(int page) {
  ShowWindow(controls_.mDesc, page == kInfoPage ? SW_SHOW : SW_HIDE);
  ShowWindow(controls_.pnPreview, page == kPicturePage ? SW_SHOW : SW_HIDE);
}

}  // namespace pandor
