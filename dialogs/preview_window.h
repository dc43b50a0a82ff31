#pragma once
// The enlarged preview: the picture of the information panel in a borderless
// window centred on the screen, at its own size or, when it doesn't fit,
// squeezed to the screen. A click on it closes it. Created hidden at program
// start and hidden again, never destroyed, when closed.

#include <windows.h>

#include <functional>
#include <string>

#include "platform/object_window.h"
#include "platform/picture_view.h"

namespace pandor {

class PreviewWindow {
 public:
  PreviewWindow() = default;
  PreviewWindow(const PreviewWindow&) = delete;
  PreviewWindow& operator=(const PreviewWindow&) = delete;
  ~PreviewWindow();

  // Creates the window hidden, owned by owner, which takes no input while the
  // preview is shown. The cursor over the picture is the resource "CNOZOOM"
  // of instance.
  void Create(HINSTANCE instance, HWND owner);

  // Shows the picture file (UTF-8 path) enlarged until it is clicked. Throws
  // MenuError with the user's text when the file can't be loaded; then no
  // window opens. False, and no window, for a picture without area.
  bool ShowEnlarged(const std::string& previewFile);

  // ShowEnlarged in two steps. Prepare loads the picture under the hourglass,
  // sizes the window and centres it, all still hidden; false for a picture
  // without area. RunModal shows it until a click on it.
  bool Prepare(const std::string& previewFile);
  void RunModal();

  HWND Handle() const { return hwnd_; }
  HWND Image() const { return imgVorschau_.Handle(); }
  HWND Hints() const { return hints_; }

  // Receives the text of an error found when the picture is first drawn
  // (damaged JPEG data); the window stays open until it is clicked.
  std::function<void(const std::string& utf8Text)> onError;

  // Event handlers.
  void imgVorschauClick();

 private:
  friend LRESULT CALLBACK ObjectWindowProc<PreviewWindow>(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK ImageProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnImageMouse(UINT message);

  HWND hwnd_ = nullptr;
  HWND hints_ = nullptr;
  PictureView imgVorschau_;
  HCURSOR noZoomCursor_ = nullptr;
  bool open_ = false;
  bool pressed_ = false;
};

}  // namespace pandor
