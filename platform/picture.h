#pragma once
// Preview pictures: Windows bitmaps, icons, metafiles and JPEG, chosen by the
// file's extension.

#include <windows.h>

#include <memory>
#include <string>

namespace pandor {

class Picture {
 public:
  virtual ~Picture() = default;
  // Natural size in pixels; an icon counts with the system's icon size.
  virtual SIZE Size() const = 0;
  // Icons are drawn once at their size in the top left corner of the area;
  // everything else is stretched to fill it, aspect ratio not kept.
  virtual bool IsIcon() const = 0;
  // Draws into the area. JPEG data is decoded at the first drawing; damaged
  // data is reported then, once, by throwing MenuError("JPEG error #n"); later
  // drawings show what was decoded without an error.
  virtual void Draw(HDC dc, const RECT& area) = 0;
};

// Loads the file. Throws MenuError with the user's text: unknown extension,
// undecodable content, or a file that can't be opened.
std::unique_ptr<Picture> LoadPicture(const std::string& path);

}  // namespace pandor
