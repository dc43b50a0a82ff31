#pragma once
// What the menu will report about a preview picture, found without drawing
// it: the same checks the menu applies when it loads and first draws the
// picture. What only the system can tell (whether GDI takes a bitmap's
// pixels, an icon's image or a metafile's records) isn't judged here.

#include <string>
#include <string_view>

#include "menu/pictures/picture_kind.h"

namespace pandor {

struct PictureReport {
  enum class When {
    kNever,           // the picture shows
    kWhenClicked,     // its program is clicked: the picture isn't loaded
    kWhenFirstShown,  // the "Bild" page is first opened (damaged JPEG data)
  };
  When when = When::kNever;
  std::string text;  // the error's text (UTF-8), before the error box's full stop
  int width = 0;     // the picture's pixels, where the format tells them
  int height = 0;
};

// The file's whole bytes, of the kind its name gives.
PictureReport CheckPicture(PictureKind kind, std::string_view file);

}  // namespace pandor
