// The start-up sound as the user hears it: the main window opened with the
// real MCI player on menus that carry a startup.wav. The test's ALSA set-up
// (see CMakeLists.txt) sends what Wine plays to a sink file of its own, where
// the samples of an 8-bit wave file arrive unchanged; only silence may come on
// top, which Wine writes when a stream runs short or is cut off. The loop
// timer's handler is called directly, so that no test waits for a timer.

#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "menu/locale_text.h"
#include "menu/menu_error.h"
#include "platform/handle.h"
#include "platform/mci_sound_player.h"
#include "platform/messages.h"
#include "tests/windows/menu_fixture.h"
#include "tests/windows/window_probe.h"

namespace pandor {

// For gtest's messages; found by argument-dependent lookup.
static void PrintTo(SoundMode mode, std::ostream* out) {
  static const char* const kNames[] = {"NotReady", "Stopped", "Playing", "Recording", "Seeking", "Paused", "Open"};
  const auto index = static_cast<size_t>(mode);
  *out << (index < std::size(kNames) ? kNames[index] : "?");
}

namespace testing {
namespace {

constexpr int kSampleRate = 8000;
constexpr char kSilence = '\x80';  // of 8-bit samples
constexpr size_t kSoundLoopLine = 14;

std::string LittleEndian(uint32_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

// 8-bit samples of a sweep; all odd, so never the silence value.
std::string Sweep(double seconds) {
  std::string samples;
  const int count = static_cast<int>(seconds * kSampleRate);
  for (int i = 0; i < count; ++i) samples += static_cast<char>(1 + 2 * ((i * 3 + i / 50) % 120));
  return samples;
}

// A RIFF wave file: PCM, mono, 8 bits at 8 kHz.
std::string WaveFile(const std::string& samples) {
  const std::string format = LittleEndian(WAVE_FORMAT_PCM, 2) + LittleEndian(1, 2) + LittleEndian(kSampleRate, 4) +
                             LittleEndian(kSampleRate, 4) + LittleEndian(1, 2) + LittleEndian(8, 2);
  const std::string chunks = "fmt " + LittleEndian(format.size(), 4) + format +  //
                             "data" + LittleEndian(samples.size(), 4) + samples;
  return "RIFF" + LittleEndian(4 + chunks.size(), 4) + "WAVE" + chunks;
}

std::string Repeated(const std::string& sound, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += sound;
  return out;
}

// What the sound device has been given; the sink's Unix path comes from the
// test's environment and is reached through Wine's drive for the root folder.
class Sink {
 public:
  Sink() {
    const char* unixPath = std::getenv("PANDOR7_SOUND_SINK");
    if (unixPath == nullptr || unixPath[0] != '/') return;
    path_ = std::string("Z:") + unixPath;
    std::replace(path_.begin(), path_.end(), '/', '\\');
  }

  const std::string& Path() const { return path_; }
  size_t Size() const {
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExA(path_.c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
  }
  // The samples that arrived after an offset, silence left out.
  std::string HeardSince(size_t offset) const {
    const std::string all = ReadFileBytes(path_);
    std::string heard = offset < all.size() ? all.substr(offset) : std::string();
    heard.erase(std::remove(heard.begin(), heard.end(), kSilence), heard.end());
    return heard;
  }
  // Waits, up to ten seconds, until at least a number of samples arrived;
  // returns what did.
  std::string WaitToHear(size_t offset, size_t samples, bool pumpMessages = false) const {
    std::string heard = HeardSince(offset);
    for (int i = 0; i < 500 && heard.size() < samples; ++i, heard = HeardSince(offset)) {
      if (pumpMessages) {
        PumpMessages(20);
      } else {
        Sleep(20);
      }
    }
    return heard;
  }
  // Waits, up to ten seconds, for the sink to grow beyond a size.
  bool GrowsBeyond(size_t size) const {
    for (int i = 0; i < 500; ++i, Sleep(20)) {
      if (Size() > size) return true;
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

std::vector<std::string> SettingsWithSoundLine(const std::string& value) {
  std::vector<std::string> lines = StandardSettings();
  lines[kSoundLoopLine] = value;
  return lines;
}

// The menu with the real player, which outlives the window: the window
// closes the player's device when it goes.
struct SoundMenu {
  SoundMenu() { menu.soundPlayer = &player; }
  MciSoundPlayer player;
  MenuFixture menu;
};

class MainWindowSoundTest : public ::testing::Test {
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
    DeleteFileA(Sink().Path().c_str());
  }

  void SetUp() override { ASSERT_FALSE(sink_.Path().empty()) << "PANDOR7_SOUND_SINK names no sink file"; }

  Sink sink_;
};

TEST_F(MainWindowSoundTest, SoundPlaysOnceAndATickAfterItsEndDoesNotRepeatIt) {
  const std::string sweep = Sweep(0.4);
  for (const char* line : {"0", "2", " 1", ""}) {
    SCOPED_TRACE(std::string("line 14 \"") + line + "\"");
    SoundMenu s;
    s.menu.WriteSettings(SettingsWithSoundLine(line));
    s.menu.WriteFile("autorun\\startup.wav", WaveFile(sweep));
    const size_t before = sink_.Size();
    ASSERT_TRUE(s.menu.Open());
    EXPECT_TRUE(s.menu.messages.boxes.empty());
    EXPECT_FALSE(s.menu.Window().State().loopSound);
    EXPECT_EQ(SoundMode::Stopped, WaitWhilePlaying(s.player));
    EXPECT_TRUE(sink_.WaitToHear(before, sweep.size()) == sweep) << "heard " << sink_.HeardSince(before).size()
                                                                 << " samples of " << sweep.size();

    s.menu.Window().SoundTimerTimer();
    EXPECT_EQ(SoundMode::Stopped, s.player.Mode());
    Sleep(1000);
    EXPECT_EQ(sweep.size(), sink_.HeardSince(before).size()) << "the tick played the sound again";
  }
}

TEST_F(MainWindowSoundTest, LoopedSoundStartsAgainFromTheBeginningOnTheTickAfterItsEnd) {
  const std::string sweep = Sweep(0.4);
  SoundMenu s;
  s.menu.WriteSettings(SettingsWithSoundLine("1"));
  s.menu.WriteFile("autorun\\startup.wav", WaveFile(sweep));
  const size_t before = sink_.Size();
  ASSERT_TRUE(s.menu.Open());
  EXPECT_TRUE(s.menu.messages.boxes.empty());
  EXPECT_TRUE(s.menu.Window().State().loopSound);
  ASSERT_EQ(SoundMode::Stopped, WaitWhilePlaying(s.player));
  ASSERT_TRUE(sink_.WaitToHear(before, sweep.size()) == sweep) << "first play";

  s.menu.Window().SoundTimerTimer();
  EXPECT_EQ(SoundMode::Playing, s.player.Mode());
  // A tick while the sound plays leaves it alone.
  s.menu.Window().SoundTimerTimer();
  EXPECT_EQ(SoundMode::Stopped, WaitWhilePlaying(s.player));
  EXPECT_TRUE(sink_.WaitToHear(before, 2 * sweep.size()) == Repeated(sweep, 2))
      << "heard " << sink_.HeardSince(before).size() << " samples, two plays of " << sweep.size();

  // The window's own timer does the same while its messages are processed.
  const std::string heard = sink_.WaitToHear(before, 3 * sweep.size(), true);
  EXPECT_TRUE(heard.compare(0, 3 * sweep.size(), Repeated(sweep, 3)) == 0)
      << "heard " << heard.size() << " samples, three plays of " << sweep.size();
}

TEST_F(MainWindowSoundTest, ClosingTheWindowStopsTheSound) {
  const std::string sweep = Sweep(10);
  for (const char* line : {"0", "1"}) {
    SCOPED_TRACE(std::string("line 14 \"") + line + "\"");
    SoundMenu s;
    s.menu.WriteSettings(SettingsWithSoundLine(line));
    s.menu.WriteFile("autorun\\startup.wav", WaveFile(sweep));
    const size_t before = sink_.Size();
    ASSERT_TRUE(s.menu.Open());
    ASSERT_TRUE(sink_.GrowsBeyond(before)) << "the sound didn't start";
    ASSERT_EQ(SoundMode::Playing, s.player.Mode());

    SendMessageW(s.menu.Window().Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(nullptr, s.menu.Window().Handle());
    EXPECT_EQ(SoundMode::NotReady, s.player.Mode()) << "the device is still open";
    Sleep(200);  // for what was on its way to the sink
    const size_t stopped = sink_.Size();
    Sleep(800);
    EXPECT_EQ(stopped, sink_.Size()) << "the sound went on";
    EXPECT_LT(sink_.HeardSince(before).size(), sweep.size() / 2);
  }
}

TEST_F(MainWindowSoundTest, DamagedSoundIsReportedWithMcisOwnTextAndTheMenuStillFills) {
  const std::string wave = WaveFile(Sweep(0.4));
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"text", "Das ist kein Klang.\r\n"},
      {"header cut off", wave.substr(0, 30)},
  };
  const std::string expected = WithClosingFullStop(MciText(MCIERR_INVALID_FILE));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SoundMenu s;
    s.menu.WriteSettings(SettingsWithSoundLine("1"));
    s.menu.WritePrograms({{"", "eins.exe", "Programm Eins", "", "", ""}, {"", "zwei.exe", "Programm Zwei", "", "", ""}});
    s.menu.WriteFile("autorun\\startup.wav", c.bytes);
    const size_t before = sink_.Size();
    ASSERT_TRUE(s.menu.Open());

    ASSERT_EQ(1u, s.menu.messages.boxes.size());
    EXPECT_EQ(expected, s.menu.messages.boxes[0].text);
    EXPECT_EQ(kApplicationTitle, s.menu.messages.boxes[0].caption);
    EXPECT_EQ(static_cast<unsigned>(MB_OK | MB_ICONSTOP), s.menu.messages.boxes[0].style);
    std::vector<std::string> names;
    for (const TreeItem& item : TreeItems(s.menu.Controls().tvMenu)) names.push_back(item.text);
    EXPECT_EQ((std::vector<std::string>{"Programm Eins", "Programm Zwei"}), names);
    EXPECT_FALSE(s.menu.Window().State().loopSound);
    EXPECT_EQ(SoundMode::NotReady, s.player.Mode());
    s.menu.Window().SoundTimerTimer();
    Sleep(500);
    EXPECT_EQ(before, sink_.Size()) << "something played";
  }
}

TEST_F(MainWindowSoundTest, WithoutStartupWavNothingPlaysAndLine14IsNotRead) {
  SoundMenu s;
  std::vector<std::string> lines = StandardSettings();
  lines.resize(kSoundLoopLine);  // ends before line 14
  s.menu.WriteSettings(lines);
  const size_t before = sink_.Size();
  ASSERT_TRUE(s.menu.Open());
  ASSERT_EQ(1u, s.menu.messages.boxes.size());
  EXPECT_EQ("Der Index der Liste überschreitet das Maximum (15)", s.menu.messages.boxes[0].text);
  EXPECT_EQ(SoundMode::NotReady, s.player.Mode());
  Sleep(500);
  EXPECT_EQ(before, sink_.Size()) << "something played";
}

}  // namespace
}  // namespace testing
}  // namespace pandor
