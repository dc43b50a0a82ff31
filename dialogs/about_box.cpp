#include "dialogs/about_box.h"

#include <windows.h>

#include "dialogs/maker.h"

namespace pandor {

std::string AboutText() {
  const std::string lines[] = {
      kApplicationTitle,
      std::string("Ein Programm von ") + kMakerName,
      "",
      std::string("eMail: ") + kMakerEmail,
      kMakerHomePage,
      "",
      "Diese Ausgabe darf kostenlos und unverändert weitergegeben werden.",
  };
  std::string text;
  for (const std::string& line : lines) {
    if (&line != lines) text += '\r';
    text += line;
  }
  return text;
}

void ShowAboutBox(Messages& messages) {
  messages.Box(AboutText(), kApplicationTitle, MB_OK | MB_ICONINFORMATION);
}

}  // namespace pandor
