// The start-up sound: played once at start, or again and again while the
// menu is open when the settings ask for a loop.
#include "mainwindow/control_ids.h"
#include "mainwindow/main_window.h"
#include "menu/menu_error.h"

namespace pandor {
namespace {

constexpr UINT kSoundPeriod = 1000;

}  // namespace

void MainWindow::StartSound(const std::string& sound, bool loop) {
  try {
    services_.sound.Open(sound);
  } catch (const MenuError& error) {
    // A PC without a working sound device still gets its whole menu: the
    // error is reported over it.
    ReportError(error.what());
    return;
  }
  state_.loopSound = loop;
  // Its errors are never reported.
  services_.sound.Play();
  if (state_.loopSound) SetTimer(hwnd_, kSoundTimer, kSoundPeriod, nullptr);
}

// A sound that has stopped (at its end) is played again, from the start, on
// the next tick.
void MainWindow::SoundTimerTimer() {
  if (state_.loopSound && services_.sound.Mode() == SoundMode::Stopped) services_.sound.Play();
}

}  // namespace pandor
