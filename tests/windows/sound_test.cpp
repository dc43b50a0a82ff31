// The start-up sound through real MCI, heard in the test's sink (see
// sound_sink.h): what the user would hear is what the sink holds.

#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <optional>
#include <string>

#include "menu/menu_error.h"
#include "platform/mci_sound_player.h"
#include "tests/windows/sound_sink.h"
#include "tests/windows/test_folder.h"

namespace pandor {
namespace {

using testing::WaitWhilePlaying;
using testing::WaveFile;
using testing::WithoutSilence;

// A 250 Hz sawtooth of 8-bit samples that never takes the silence value.
std::string Tone(double seconds) {
  std::string samples;
  const int count = static_cast<int>(seconds * testing::kSampleRate);
  for (int i = 0; i < count; ++i) samples += static_cast<char>(4 + 8 * (i % 32));
  return samples;
}

std::string PlayError(SoundPlayer& player) {
  try {
    player.Play();
  } catch (const MenuError& error) {
    return error.what();
  }
  return "(no error)";
}

class SoundTest : public testing::SoundSinkTest {
 protected:
  // Opens a wave file of the samples.
  void OpenWave(MciSoundPlayer& player, const std::string& samples) const {
    player.Open(folder_.Write("startup.wav", WaveFile(samples)));
  }
  // Opens a wave file of the samples and starts it; returns the sink's size
  // from before.
  size_t StartPlaying(MciSoundPlayer& player, const std::string& samples) const {
    OpenWave(player, samples);
    const size_t before = sink_.Size();
    player.Play();
    return before;
  }

  testing::TestFolder folder_;
};

TEST_F(SoundTest, PlaysTheWholeSoundOnce) {
  const std::string tone = Tone(0.5);
  MciSoundPlayer player;
  const size_t before = StartPlaying(player, tone);
  EXPECT_EQ(0u, player.LastPlayError());
  EXPECT_EQ(SoundMode::Stopped, WaitWhilePlaying(player));
  const std::string heard = sink_.BytesSince(before);
  EXPECT_TRUE(WithoutSilence(heard) == tone) << "heard " << heard.size() << " bytes of a " << tone.size()
                                             << "-byte sound";
  EXPECT_LT(heard.size(), tone.size() * 3 / 2);
}

TEST_F(SoundTest, PlayAfterTheEndStartsTheSoundAgainFromTheBeginning) {
  const std::string tone = Tone(0.5);
  MciSoundPlayer player;
  const size_t before = StartPlaying(player, tone);
  ASSERT_EQ(SoundMode::Stopped, WaitWhilePlaying(player));
  player.Play();
  EXPECT_EQ(0u, player.LastPlayError());
  EXPECT_EQ(SoundMode::Stopped, WaitWhilePlaying(player));
  const std::string heard = sink_.BytesSince(before);
  EXPECT_TRUE(WithoutSilence(heard) == tone + tone) << "heard " << heard.size() << " bytes, two plays of "
                                                    << tone.size();
}

TEST_F(SoundTest, PlaysTheSoundOfAMediumInAFolderNoAnsiCodePageSpells) {
  const testing::TestFolder folder(" Медиум Ωmega 日本");
  const std::string tone = Tone(0.5);
  MciSoundPlayer player;
  player.Open(folder.Write("startup.wav", WaveFile(tone)));
  const size_t before = sink_.Size();
  player.Play();
  EXPECT_EQ(SoundMode::Stopped, WaitWhilePlaying(player));
  EXPECT_TRUE(sink_.HeardSince(before) == tone) << "heard " << sink_.BytesSince(before).size() << " bytes";
}

TEST_F(SoundTest, ModeIsStoppedWhenOpenedPlayingWhilePlayedAndStoppedAtTheEnd) {
  MciSoundPlayer player;
  OpenWave(player, Tone(3));
  EXPECT_EQ(SoundMode::Stopped, player.Mode());
  player.Play();
  EXPECT_EQ(SoundMode::Playing, player.Mode());
  EXPECT_EQ(SoundMode::Stopped, WaitWhilePlaying(player));
}

TEST_F(SoundTest, SoundStopsWhenThePlayerLetsGoOfItsDevice) {
  const struct {
    const char* how;
    void (*stop)(std::optional<MciSoundPlayer>& player, const std::string& otherFile);
  } cases[] = {
      {"Close", [](std::optional<MciSoundPlayer>& player, const std::string&) { player->Close(); }},
      {"destroying the player", [](std::optional<MciSoundPlayer>& player, const std::string&) { player.reset(); }},
      {"opening another file",
       [](std::optional<MciSoundPlayer>& player, const std::string& other) { player->Open(other); }},
  };
  const std::string tone = Tone(10);
  const std::string file = folder_.Write("startup.wav", WaveFile(tone));
  const std::string other = folder_.Write("other.wav", WaveFile(Tone(0.5)));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    std::optional<MciSoundPlayer> player(std::in_place);
    player->Open(file);
    const size_t before = sink_.Size();
    player->Play();
    ASSERT_TRUE(sink_.GrowsBeyond(before));
    ASSERT_EQ(SoundMode::Playing, player->Mode());
    c.stop(player, other);
    const size_t stopped = sink_.Size();
    Sleep(500);
    EXPECT_EQ(stopped, sink_.Size()) << "the sound went on";
    EXPECT_LT(stopped - before, tone.size());
    if (player) {
      EXPECT_NE(SoundMode::Playing, player->Mode());
    }
  }
}

TEST_F(SoundTest, ClosedPlayerIsNotReadyAndCannotPlay) {
  MciSoundPlayer player;
  EXPECT_EQ(SoundMode::NotReady, player.Mode());
  EXPECT_EQ("Kein MCI-Gerät geöffnet", PlayError(player));
  OpenWave(player, Tone(0.5));
  player.Close();
  EXPECT_EQ(SoundMode::NotReady, player.Mode());
  EXPECT_EQ("Kein MCI-Gerät geöffnet", PlayError(player));
}

TEST_F(SoundTest, FileThatCannotBeOpenedGivesMcisOwnTextAndLeavesNoDeviceOpen) {
  const std::string wave = WaveFile(Tone(0.5));
  const struct {
    const char* name;
    std::string bytes;  // no file at all when empty
    MCIERROR expected;
  } cases[] = {
      {"fehlt.wav", "", MCIERR_FILE_NOT_FOUND},
      {"text.wav", "Das ist kein Klang.\r\n", MCIERR_INVALID_FILE},
      {"kopf.wav", wave.substr(0, 30), MCIERR_INVALID_FILE},
      {"ohnedaten.wav", wave.substr(0, 36), MCIERR_INVALID_FILE},
  };
  const std::string good = folder_.Write("startup.wav", wave);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = c.bytes.empty() ? folder_.Path() + c.name : folder_.Write(c.name, c.bytes);
    MciSoundPlayer player;
    player.Open(good);
    std::string message = "(no error)";
    try {
      player.Open(path);
    } catch (const MenuError& error) {
      message = error.what();
    }
    EXPECT_EQ(testing::MciText(c.expected), message);
    EXPECT_EQ(SoundMode::NotReady, player.Mode());
    EXPECT_EQ("Kein MCI-Gerät geöffnet", PlayError(player));
  }
}

}  // namespace
}  // namespace pandor
