#pragma once
// Playing the start-up sound.

#include <string>

namespace pandor {

enum class SoundMode { NotReady = 0, Stopped = 1, Playing = 2, Recording = 3, Seeking = 4, Paused = 5, Open = 6 };

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Closes any open device, then opens the file. Throws MenuError with the
  // sound system's own text when it can't.
  virtual void Open(const std::string& path) = 0;
  // Plays from the current position to the end without waiting, rewinding
  // first when the position stands at the end. Throws MenuError when no
  // device is open; errors of the play command itself are not reported.
  virtual void Play() = 0;
  virtual SoundMode Mode() = 0;
  virtual void Close() = 0;
};

}  // namespace pandor
