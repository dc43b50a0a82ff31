#pragma once
// The help window: how to use the menu, with two links to the maker. Created
// hidden at program start, shown modally by the "?" button and hidden again,
// never destroyed, when closed.

#include <windows.h>

#include <string>

#include "dialogs/link_label.h"
#include "platform/shell.h"

namespace pandor {

// The window's controls. Those drawn inside the group box are children of the
// window itself, placed over the box: a group box doesn't pass its children's
// notifications and colour requests on, so the window couldn't colour the memo
// or hear its buttons otherwise.
struct HelpWindowControls {
  HWND GroupBox1 = nullptr;
  HWND mHilfe = nullptr;
  LinkLabel InternetLabel1;  // the maker's web page
  LinkLabel InternetLabel2;  // the maker's e-mail address
  HWND btnOK = nullptr;
};

class HelpWindow {
 public:
  HelpWindow() = default;
  HelpWindow(const HelpWindow&) = delete;
  HelpWindow& operator=(const HelpWindow&) = delete;
  ~HelpWindow();

  // Creates the window hidden. The links open their targets with appDir (the
  // program's folder, UTF-8) as the working folder.
  void Create(HINSTANCE instance, HWND owner, Shell& shell, const std::string& appDir);
  // Shows the window until "OK", Enter, Escape or the close box closes it;
  // the owner takes no input meanwhile. Centred on the screen the first time,
  // afterwards where it was left. Returns IDOK for "OK" and Enter, IDCANCEL
  // otherwise.
  int ShowModal();

  HWND Handle() const { return hwnd_; }
  const HelpWindowControls& Controls() const { return controls_; }

  // Event handlers.
  void btnOKClick();
  void FormClose();

 private:
  static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnControlColour(HDC dc, HWND control);
  bool OnOpened();
  bool OnSetCursor(HWND target);
  void CreateControls();
  void CloseWith(int result);

  HWND hwnd_ = nullptr;
  Shell* shell_ = nullptr;
  std::string appDir_;
  HelpWindowControls controls_;
  bool shownBefore_ = false;
  bool open_ = false;
  bool opening_ = false;  // shown, not yet activated
  int modalResult_ = 0;
};

}  // namespace pandor
