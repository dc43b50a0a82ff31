// The locale operations of the menu data, by the user's locale and the
// system's ANSI code page.
#include <windows.h>

#include "menu/locale_text.h"
#include "platform/text.h"

namespace pandor {

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                        static_cast<int>(b.size())) == CSTR_EQUAL;
}

std::string AnsiToUtf8(std::string_view ansi) { return ToUtf8(FromAnsi(ansi)); }

}  // namespace pandor
