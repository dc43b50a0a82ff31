// The start-up sound as the user hears it: the main window opened with the
// real MCI player on menus that carry a startup.wav, heard in the test's sink
// (see sound_sink.h). The loop timer's handler is called directly, so that no
// test waits for a timer.

#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <string>
#include <vector>

#include "menu/locale_text.h"
#include "menu/menu_error.h"
#include "platform/mci_sound_player.h"
#include "platform/messages.h"
#include "tests/windows/menu_fixture.h"
#include "tests/windows/sound_sink.h"
#include "tests/windows/window_probe.h"

namespace pandor {
namespace testing {
namespace {

constexpr size_t kSoundLoopLine = 14;

// 8-bit samples of a sweep; all odd, so never the silence value.
std::string Sweep(double seconds) {
  std::string samples;
  const int count = static_cast<int>(seconds * kSampleRate);
  for (int i = 0; i < count; ++i) samples += static_cast<char>(1 + 2 * ((i * 3 + i / 50) % 120));
  return samples;
}

std::string Repeated(const std::string& sound, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += sound;
  return out;
}

// Waits, up to ten seconds, until at least a number of samples arrived in the
// sink; returns what did.
std::string WaitToHear(const SoundSink& sink, size_t offset, size_t samples, bool pumpMessages = false) {
  std::string heard = sink.HeardSince(offset);
  for (int i = 0; i < 500 && heard.size() < samples; ++i, heard = sink.HeardSince(offset)) {
    if (pumpMessages) {
      PumpMessages(20);
    } else {
      Sleep(20);
    }
  }
  return heard;
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
  // A menu with the given line 14 and a startup.wav of the given bytes.
  SoundMenu(const std::string& soundLine, const std::string& startupWav) : SoundMenu() {
    menu.WriteSettings(SettingsWithSoundLine(soundLine));
    menu.WriteFile("autorun\\startup.wav", startupWav);
  }
  MciSoundPlayer player;
  MenuFixture menu;
};

std::string LineTrace(const char* line) { return std::string("line 14 \"") + line + "\""; }

class MainWindowSoundTest : public SoundSinkTest {};

TEST_F(MainWindowSoundTest, SoundPlaysOnceAndATickAfterItsEndDoesNotRepeatIt) {
  const std::string sweep = Sweep(0.4);
  for (const char* line : {"0", "2", " 1", ""}) {
    SCOPED_TRACE(LineTrace(line));
    SoundMenu s(line, WaveFile(sweep));
    const size_t before = sink_.Size();
    ASSERT_TRUE(s.menu.Open());
    EXPECT_TRUE(s.menu.messages.boxes.empty());
    EXPECT_FALSE(s.menu.Window().State().loopSound);
    EXPECT_EQ(SoundMode::Stopped, WaitWhilePlaying(s.player));
    EXPECT_TRUE(WaitToHear(sink_, before, sweep.size()) == sweep)
        << "heard " << sink_.HeardSince(before).size() << " samples of " << sweep.size();

    s.menu.Window().SoundTimerTimer();
    EXPECT_EQ(SoundMode::Stopped, s.player.Mode());
    Sleep(1000);
    EXPECT_EQ(sweep.size(), sink_.HeardSince(before).size()) << "the tick played the sound again";
  }
}

TEST_F(MainWindowSoundTest, LoopedSoundStartsAgainFromTheBeginningOnTheTickAfterItsEnd) {
  const std::string sweep = Sweep(0.4);
  SoundMenu s("1", WaveFile(sweep));
  const size_t before = sink_.Size();
  ASSERT_TRUE(s.menu.Open());
  EXPECT_TRUE(s.menu.messages.boxes.empty());
  EXPECT_TRUE(s.menu.Window().State().loopSound);
  ASSERT_EQ(SoundMode::Stopped, WaitWhilePlaying(s.player));
  ASSERT_TRUE(WaitToHear(sink_, before, sweep.size()) == sweep) << "first play";

  s.menu.Window().SoundTimerTimer();
  EXPECT_EQ(SoundMode::Playing, s.player.Mode());
  // A tick while the sound plays leaves it alone.
  s.menu.Window().SoundTimerTimer();
  EXPECT_EQ(SoundMode::Stopped, WaitWhilePlaying(s.player));
  EXPECT_TRUE(WaitToHear(sink_, before, 2 * sweep.size()) == Repeated(sweep, 2))
      << "heard " << sink_.HeardSince(before).size() << " samples, two plays of " << sweep.size();

  // The window's own timer does the same while its messages are processed.
  const std::string heard = WaitToHear(sink_, before, 3 * sweep.size(), true);
  EXPECT_TRUE(heard.compare(0, 3 * sweep.size(), Repeated(sweep, 3)) == 0)
      << "heard " << heard.size() << " samples, three plays of " << sweep.size();
}

TEST_F(MainWindowSoundTest, ClosingTheWindowStopsTheSound) {
  const std::string sweep = Sweep(10);
  for (const char* line : {"0", "1"}) {
    SCOPED_TRACE(LineTrace(line));
    SoundMenu s(line, WaveFile(sweep));
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
    SoundMenu s("1", c.bytes);
    s.menu.WritePrograms({{"", "eins.exe", "Programm Eins", "", "", ""}, {"", "zwei.exe", "Programm Zwei", "", "", ""}});
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
