// The fonts the windows name must be the real faces, not substitutes: texts
// are measured and wrapped with them, and the caption buttons draw their
// symbols from Marlett.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/handle.h"

namespace pandor {
namespace {

// The face GDI really selects for a font asked for by name.
std::wstring FaceSelectedFor(const wchar_t* face, int height) {
  const FontHandle font(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, face));
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(screen, font.get());
  wchar_t selected[LF_FACESIZE] = {};
  GetTextFaceW(screen, LF_FACESIZE, selected);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return selected;
}

TEST(WindowsFontsTest, TheWindowsFacesAreThemselves) {
  for (const wchar_t* face : {L"MS Sans Serif", L"Tahoma", L"Marlett"}) {
    EXPECT_EQ(FaceSelectedFor(face, -11), face);
  }
}

}  // namespace
}  // namespace pandor
