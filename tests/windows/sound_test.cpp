// The start-up sound through real MCI. The test's ALSA set-up (see
// CMakeLists.txt) sends what Wine plays, unchanged, to a sink file: the samples
// of an 8-bit wave file arrive there byte for byte, in the file's own format,
// so what the user would hear is what the sink holds. Only silence may come on
// top, which Wine writes when a stream runs short or is cut off.

#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "menu/locale_text.h"
#include "menu/menu_error.h"
#include "platform/handle.h"
#include "platform/mci_sound_player.h"
#include "tests/windows/test_folder.h"

namespace pandor {
namespace {

constexpr int kSampleRate = 8000;
constexpr char kSilence = '\x80';  // of 8-bit samples

std::string LittleEndian(uint32_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

// A 250 Hz sawtooth of 8-bit samples that never takes the silence value.
std::string Tone(double seconds) {
  std::string samples;
  const int count = static_cast<int>(seconds * kSampleRate);
  for (int i = 0; i < count; ++i) samples += static_cast<char>(4 + 8 * (i % 32));
  return samples;
}

// A RIFF wave file, PCM, mono, 8 bits at 8 kHz.
std::string WaveFile(const std::string& samples) {
  return "RIFF" + LittleEndian(36 + samples.size(), 4) + "WAVE" +  //
         "fmt " + LittleEndian(16, 4) + LittleEndian(WAVE_FORMAT_PCM, 2) + LittleEndian(1, 2) +
         LittleEndian(kSampleRate, 4) + LittleEndian(kSampleRate, 4) + LittleEndian(1, 2) + LittleEndian(8, 2) +
         "data" + LittleEndian(samples.size(), 4) + samples;
}

std::string WithoutSilence(std::string bytes) {
  bytes.erase(std::remove(bytes.begin(), bytes.end(), kSilence), bytes.end());
  return bytes;
}

// The file ALSA's default device writes to; its Unix path comes from the test's
// environment.
class SoundSink {
 public:
  SoundSink() {
    const char* unixPath = std::getenv("PANDOR7_SOUND_SINK");
    if (unixPath == nullptr) return;
    using DosName = LPWSTR(CDECL*)(LPCSTR);
    const auto toDos = reinterpret_cast<DosName>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    if (toDos == nullptr) return;
    const LPWSTR dos = toDos(unixPath);
    if (dos == nullptr) return;
    char path[MAX_PATH] = {};
    WideCharToMultiByte(CP_ACP, 0, dos, -1, path, MAX_PATH, nullptr, nullptr);
    HeapFree(GetProcessHeap(), 0, dos);
    path_ = path;
  }

  const std::string& Path() const { return path_; }
  size_t Size() const {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path_.c_str(), GetFileExInfoStandard, &data)) return 0;
    return data.nFileSizeLow;
  }
  std::string BytesSince(size_t offset) const {
    const std::string all = testing::ReadFileBytes(path_);
    return offset < all.size() ? all.substr(offset) : std::string();
  }
  // Waits, up to ten seconds, for the sink to grow beyond a size.
  bool GrowsBeyond(size_t size) const {
    for (int i = 0; i < 500; ++i) {
      if (Size() > size) return true;
      Sleep(20);
    }
    return false;
  }

 private:
  std::string path_;
};

// Waits, up to ten seconds, while the sound plays; returns the mode after.
SoundMode WaitWhilePlaying(SoundPlayer& player) {
  for (int i = 0; i < 500 && player.Mode() == SoundMode::Playing; ++i) Sleep(20);
  return player.Mode();
}

std::string MciText(MCIERROR code) {
  char text[MAXERRORLENGTH] = {};
  EXPECT_TRUE(mciGetErrorStringA(code, text, sizeof text)) << "MCI has no text for " << code;
  return AnsiToUtf8(text);
}

std::string PlayError(SoundPlayer& player) {
  try {
    player.Play();
  } catch (const MenuError& error) {
    return error.what();
  }
  return "(no error)";
}

class SoundTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // ALSA, not PulseAudio: a sound server that happens to run for the user
    // would otherwise take the sound away from the sink.
    HKEY created = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Drivers", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created,
                    nullptr);
    const RegistryKey drivers(created);
    ASSERT_TRUE(drivers);
    static const char kAlsa[] = "alsa";
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(drivers.get(), "Audio", 0, REG_SZ,
                                            reinterpret_cast<const BYTE*>(kAlsa), sizeof kAlsa));
    // Left from an earlier run; the sink's pipe creates it again.
    DeleteFileA(SoundSink().Path().c_str());
  }

  void SetUp() override { ASSERT_FALSE(sink_.Path().empty()) << "PANDOR7_SOUND_SINK names no sink file"; }

  testing::TestFolder folder_;
  SoundSink sink_;
};

TEST_F(SoundTest, PlaysTheWholeSoundOnce) {
  const std::string tone = Tone(0.5);
  MciSoundPlayer player;
  player.Open(folder_.Write("startup.wav", WaveFile(tone)));
  const size_t before = sink_.Size();
  player.Play();
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
  player.Open(folder_.Write("startup.wav", WaveFile(tone)));
  const size_t before = sink_.Size();
  player.Play();
  ASSERT_EQ(SoundMode::Stopped, WaitWhilePlaying(player));
  player.Play();
  EXPECT_EQ(0u, player.LastPlayError());
  EXPECT_EQ(SoundMode::Stopped, WaitWhilePlaying(player));
  const std::string heard = sink_.BytesSince(before);
  EXPECT_TRUE(WithoutSilence(heard) == tone + tone) << "heard " << heard.size() << " bytes, two plays of "
                                                    << tone.size();
}

TEST_F(SoundTest, ModeIsStoppedWhenOpenedPlayingWhilePlayedAndStoppedAtTheEnd) {
  MciSoundPlayer player;
  player.Open(folder_.Write("startup.wav", WaveFile(Tone(3))));
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
  player.Open(folder_.Write("startup.wav", WaveFile(Tone(0.5))));
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
    EXPECT_EQ(MciText(c.expected), message);
    EXPECT_EQ(SoundMode::NotReady, player.Mode());
    EXPECT_EQ("Kein MCI-Gerät geöffnet", PlayError(player));
  }
}

}  // namespace
}  // namespace pandor
