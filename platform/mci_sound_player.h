#pragma once
// The start-up sound played through the Windows Media Control Interface (MCI).

#include <windows.h>
#include <mmsystem.h>

#include "platform/handle.h"
#include "platform/sound_player.h"

namespace pandor {

// Like a hidden media player control: one device at a time, chosen by MCI from
// the file's extension, not shareable, rewinding by itself when a play starts
// at the end. Lives on the GUI thread that creates it.
class MciSoundPlayer : public SoundPlayer {
 public:
  // path in UTF-8.
  void Open(const std::string& path) override;
  void Play() override;
  // NotReady when no device is open or the device doesn't answer.
  SoundMode Mode() override;
  void Close() override;

  // What the last play command returned (0 when it started); never reported.
  MCIERROR LastPlayError() const { return playError_; }

 private:
  struct DeviceTraits {
    static MCIDEVICEID Invalid() { return 0; }
    // Closing stops a sound that still plays.
    static void Close(MCIDEVICEID device);
  };
  struct WindowTraits {
    static HWND Invalid() { return nullptr; }
    static void Close(HWND window) { DestroyWindow(window); }
  };

  // Receives the play command's completion notice, which nothing waits for.
  UniqueHandle<HWND, WindowTraits> notifyWindow_;
  // Declared after the window, so the device closes first.
  UniqueHandle<MCIDEVICEID, DeviceTraits> device_;
  MCIERROR playError_ = 0;
};

}  // namespace pandor
