#pragma once
// A label that opens a web page or a mail address through the Windows shell
// when clicked: its caption centred on one line, blue and underlined, under a
// hand cursor.

#include <windows.h>

#include <string>

#include "platform/handle.h"
#include "platform/object_window.h"
#include "platform/shell.h"

namespace pandor {

class LinkLabel {
 public:
  LinkLabel() = default;
  LinkLabel(const LinkLabel&) = delete;
  LinkLabel& operator=(const LinkLabel&) = delete;
  ~LinkLabel();

  static void Register(HINSTANCE instance);
  // The label starts with the placeholder caption, the parent's font made
  // underlined, and the maker's home page as target. A click asks the shell
  // to "OPEN" the target with workingFolder (UTF-8, as the menu folder's paths)
  // as the working folder.
  void Create(HWND parent, int id, const RECT& bounds, Shell& shell, const std::string& workingFolder);
  HWND Handle() const { return hwnd_; }

  // Caption and target are UTF-8. An empty target means the maker's home page,
  // so the target is never empty.
  void SetCaption(const std::string& caption);
  void SetTargetUrl(const std::string& targetUrl);
  const std::string& TargetUrl() const { return targetUrl_; }
  // The label draws with an underlined copy of the font it is given.
  void SetFont(HFONT font);

  // Opens the target, owned by the application's window (the top of the
  // label's owner chain). The shell's answer is ignored: a missing browser or
  // mail program shows nothing.
  void Click();

  // Draws the label into the area: button-face background, the caption in blue.
  void PaintContent(HDC dc, const RECT& area);

 private:
  friend LRESULT CALLBACK ObjectWindowProc<LinkLabel>(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnPaint();
  void OnButtonUp(POINT point);

  HWND hwnd_ = nullptr;
  Shell* shell_ = nullptr;
  std::string workingFolder_;
  std::string targetUrl_;
  FontHandle font_;
  bool pressed_ = false;
};

}  // namespace pandor
