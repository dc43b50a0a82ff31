#pragma once
// Which picture format a preview file is: its extension alone decides.

#include <string>

namespace pandor {

enum class PictureKind { kBitmap, kIcon, kMetafile, kJpeg };

// By the text after the file name's last full stop, ignoring case: "bmp",
// "ico", "wmf" and "emf", "jpg" and "jpeg". Any other extension, or none,
// throws MenuError "Unbekannte Bilddateierweiterung (.%s)" with the
// extension as written (path in UTF-8).
PictureKind PictureKindOf(const std::string& path);

// "bmp", "ico", "wmf/emf", "jpeg": for summaries.
const char* PictureKindName(PictureKind kind);

}  // namespace pandor
