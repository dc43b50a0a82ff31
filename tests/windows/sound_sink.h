#pragma once
// The start-up sound as the sound tests hear it. The test's ALSA set-up (see
// pandor7_sound_sink in CMakeLists.txt) sends what Wine plays, unchanged, to a
// sink file of its own: the samples of an 8-bit wave file arrive there byte for
// byte, so what the user would hear is what the sink holds. Only silence may
// come on top, which Wine writes when a stream runs short or is cut off.

#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <cstddef>
#include <ostream>
#include <string>

#include "platform/sound_player.h"

namespace pandor {

// For gtest's messages; found by argument-dependent lookup.
void PrintTo(SoundMode mode, std::ostream* out);

namespace testing {

constexpr int kSampleRate = 8000;
constexpr char kSilence = '\x80';  // of 8-bit samples

// A RIFF wave file: PCM, mono, 8 bits at 8 kHz.
std::string WaveFile(const std::string& samples);
std::string WithoutSilence(std::string bytes);

// The file ALSA's default device writes to. Its Unix path comes from the
// test's environment (PANDOR7_SOUND_SINK), its Windows path from Wine.
class SoundSink {
 public:
  SoundSink();

  // Empty when the environment names no sink.
  const std::string& Path() const { return path_; }
  size_t Size() const;
  std::string BytesSince(size_t offset) const;
  // The samples that arrived after an offset, silence left out.
  std::string HeardSince(size_t offset) const { return WithoutSilence(BytesSince(offset)); }
  // Waits, up to ten seconds, for the sink to grow beyond a size.
  bool GrowsBeyond(size_t size) const;

 private:
  std::string path_;
};

// Waits, up to ten seconds, while the sound plays; returns the mode after.
SoundMode WaitWhilePlaying(SoundPlayer& player);
// MCI's own text for an error, as the program reports it.
std::string MciText(MCIERROR code);

// Tests that hear the sound in the sink: Wine plays through ALSA, and what an
// earlier run left in the sink is gone.
class SoundSinkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;

  SoundSink sink_;
};

}  // namespace testing
}  // namespace pandor
