// The start-up sequence on menus that are missing, outdated or broken.
#include <windows.h>
#include <gtest/gtest.h>
#include <commctrl.h>

#include "platform/handle.h"
#include "tests/windows/menu_fixture.h"
#include "tests/windows/window_probe.h"

namespace pandor::testing {
namespace {

constexpr unsigned kErrorBoxStyle = MB_OK | MB_ICONSTOP;

std::vector<std::string> SettingsWith(int line, const std::string& value) {
  std::vector<std::string> lines = StandardSettings();
  lines[static_cast<size_t>(line)] = value;
  return lines;
}

std::vector<std::string> FirstLines(size_t count) {
  std::vector<std::string> lines = StandardSettings();
  lines.resize(count);
  return lines;
}

TEST(StartUpTest, MissingDefinitionFileEndsTheProgramAfterTheDebugBox) {
  for (const char* missing : {"autorun\\filelist.dat", "autorun\\options.dat"}) {
    MenuFixture menu;
    DeleteFileA((menu.Root() + missing).c_str());
    EXPECT_FALSE(menu.Open()) << missing;
    ASSERT_EQ(menu.messages.boxes.size(), 1u);
    EXPECT_EQ(menu.messages.boxes[0].text, "Autostarten fehlgeschlagen filelist.dat oder options.dat niet gevonden");
    EXPECT_EQ(menu.messages.boxes[0].caption, "Debug");
    EXPECT_EQ(menu.messages.boxes[0].style, static_cast<unsigned>(MB_ICONERROR));
    EXPECT_TRUE(menu.sound.calls.empty());
  }
}

TEST(StartUpTest, WrongVersionEndsTheProgramAfterTheMessage) {
  for (const char* version : {"5600.0 ", "5500.0", "5600,0"}) {
    MenuFixture menu;
    menu.WriteSettings(SettingsWith(0, version));
    EXPECT_FALSE(menu.Open()) << version;
    ASSERT_EQ(menu.messages.dialogs.size(), 1u);
    EXPECT_EQ(menu.messages.dialogs[0], "Fehler!\r\rDie Datei \"options.dat\" liegt in falscher Version vor!");
    EXPECT_TRUE(menu.messages.boxes.empty());
  }
}

TEST(StartUpTest, EmptySettingsFileReportsIndexZeroAndShowsTheDesignedWindow) {
  MenuFixture menu;
  menu.WriteSettings({});
  ASSERT_TRUE(menu.Open());
  ASSERT_EQ(menu.messages.boxes.size(), 1u);
  EXPECT_EQ(menu.messages.boxes[0].text, "Der Index der Liste überschreitet das Maximum (0)");
  EXPECT_EQ(menu.messages.boxes[0].caption, "Velmar Pandor 7");
  EXPECT_EQ(menu.messages.boxes[0].style, kErrorBoxStyle);
  EXPECT_EQ(WindowText(menu.Window().Handle()), "Velmar Pandor 7");
  EXPECT_EQ(menu.Controls().lblWelcome.Caption(), L"Willkommen");
  EXPECT_EQ(WindowText(menu.Controls().mDesc), "");
  EXPECT_EQ(TreeView_GetCount(menu.Controls().tvMenu), 0u);
}

TEST(StartUpTest, ShortSettingsFileStopsAtTheFirstMissingLine) {
  MenuFixture menu;
  menu.WriteSettings(FirstLines(10));
  menu.WritePrograms({{"", "a.exe", "Programm", "", "", ""}});
  ASSERT_TRUE(menu.Open());
  ASSERT_EQ(menu.messages.boxes.size(), 1u);
  EXPECT_EQ(menu.messages.boxes[0].text, "Der Index der Liste überschreitet das Maximum (10)");
  // Everything up to line 9 is applied, nothing after it.
  EXPECT_EQ(WindowText(menu.Window().Handle()), "Testmenü");
  EXPECT_EQ(menu.Window().State().tickerText, "Statuszeile");
  EXPECT_EQ(StatusText(menu.Controls().StatusBar), "");
  EXPECT_EQ(TreeView_GetCount(menu.Controls().tvMenu), 0u);
}

TEST(StartUpTest, BadFontSizeKeepsTheFaceAlreadyAppliedAndSkipsTheRest) {
  MenuFixture menu;
  menu.WriteSettings(SettingsWith(12, "zw\xF6lf"));
  menu.WritePrograms({{"", "a.exe", "Programm", "", "", ""}});
  menu.WriteFile("autorun\\startup.wav", "RIFF");
  ASSERT_TRUE(menu.Open());
  ASSERT_EQ(menu.messages.boxes.size(), 1u);
  EXPECT_EQ(menu.messages.boxes[0].text, "'zwölf' ist kein gültiger Integerwert.");
  EXPECT_EQ(FontFace(menu.Controls().tvMenu), "Arial");
  EXPECT_EQ(FontHeight(menu.Controls().tvMenu), -11);  // the window's 8 points
  EXPECT_TRUE(menu.sound.calls.empty());
  EXPECT_EQ(menu.Window().State().iconStyle, 0);
  EXPECT_FALSE(menu.Window().State().hoverEffects);
  EXPECT_EQ(WindowText(menu.Controls().mDesc), "");
  EXPECT_EQ(TreeView_GetCount(menu.Controls().tvMenu), 0u);
  EXPECT_TRUE(IsWindowEnabled(menu.Controls().tvMenu));
}

TEST(StartUpTest, BadColourLineIsReportedWithItsText) {
  for (const auto& [line, value] : std::vector<std::pair<int, std::string>>{{1, "255 "}, {3, "\t255"}, {8, "-$10"}}) {
    MenuFixture menu;
    menu.WriteSettings(SettingsWith(line, value));
    ASSERT_TRUE(menu.Open());
    ASSERT_EQ(menu.messages.boxes.size(), 1u) << line;
    EXPECT_EQ(menu.messages.boxes[0].text, "'" + value + "' ist kein gültiger Integerwert.");
  }
}

TEST(StartUpTest, UnreadableProgramListIsReportedWithItsPath) {
  MenuFixture menu;
  const std::string path = menu.Root() + "autorun\\filelist.dat";
  const FileHandle writer(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(writer);
  ASSERT_TRUE(menu.Open());
  ASSERT_EQ(menu.messages.boxes.size(), 1u);
  EXPECT_EQ(menu.messages.boxes[0].text, "Datei " + path + " kann nicht geöffnet werden.");
  EXPECT_EQ(WindowText(menu.Controls().mDesc), "Willkommen im Test\r\n\r\nZweite Zeile");
}

TEST(StartUpTest, IncompleteProgramListKeepsTheProgramsBeforeIt) {
  MenuFixture menu;
  menu.WriteFile("autorun\\filelist.dat", FileList({{"", "a.exe", "Erstes", "", "", ""}}) + "Gruppe\r\nb.exe\r\n");
  ASSERT_TRUE(menu.Open());
  ASSERT_EQ(menu.messages.boxes.size(), 1u);
  EXPECT_EQ(menu.messages.boxes[0].text, "Der Index der Liste überschreitet das Maximum (8)");
  const std::vector<TreeItem> items = TreeItems(menu.Controls().tvMenu);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].text, "Erstes");
}

TEST(StartUpTest, EmptyProgramListDisablesTheTree) {
  MenuFixture menu;
  ASSERT_TRUE(menu.Open());
  EXPECT_TRUE(menu.messages.boxes.empty());
  EXPECT_FALSE(IsWindowEnabled(menu.Controls().tvMenu));
}

TEST(StartUpTest, EmptyCaptionLineKeepsTheApplicationTitle) {
  MenuFixture menu;
  menu.WriteSettings(SettingsWith(4, ""));
  ASSERT_TRUE(menu.Open());
  EXPECT_EQ(WindowText(menu.Window().Handle()), "Velmar Pandor 7");
}

TEST(StartUpTest, SeventeenLinesWithoutMarkerStartWithAnEmptyDescription) {
  MenuFixture menu;
  menu.WriteSettings(FirstLines(17));
  ASSERT_TRUE(menu.Open());
  EXPECT_TRUE(menu.messages.boxes.empty());
  EXPECT_EQ(WindowText(menu.Controls().mDesc), "");
  EXPECT_TRUE(menu.Window().State().welcomeShown);
}

TEST(StartUpTest, SystemColourLinesUseTheSystemsColours) {
  MenuFixture menu;
  std::vector<std::string> lines = StandardSettings();
  lines[3] = "-2147483640";   // 0x80000008: window text
  lines[13] = "$8000000D";    // highlight
  menu.WriteSettings(lines);
  ASSERT_TRUE(menu.Open());
  EXPECT_EQ(ControlTextColour(menu.Controls().mDesc), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(menu.Controls().tvMenu, TVM_GETTEXTCOLOR, 0, 0)),
            GetSysColor(COLOR_HIGHLIGHT));
}

TEST(StartUpTest, StartupSoundPlaysOnceOrLoops) {
  for (const char* loop : {"0", "1", " 1"}) {
    MenuFixture menu;
    menu.WriteSettings(SettingsWith(14, loop));
    const std::string wav = menu.WriteFile("autorun\\startup.wav", "RIFF");
    ASSERT_TRUE(menu.Open());
    EXPECT_EQ(menu.sound.calls, (std::vector<std::string>{"open " + wav, "play"}));
    EXPECT_EQ(menu.Window().State().loopSound, std::string(loop) == "1") << loop;
  }
}

TEST(StartUpTest, TheSoundWaitsUntilTheWindowStandsAndIsReportedOverTheFilledMenu) {
  MenuFixture menu;
  menu.WriteSettings(SettingsWith(14, "1"));
  menu.WritePrograms({{"", "a.exe", "Programm", "", "", ""}});
  const std::string wav = menu.WriteFile("autorun\\startup.wav", "kaputt");
  menu.sound.openError = "Das Gerät ist nicht bereit";
  ASSERT_TRUE(menu.Create());
  EXPECT_TRUE(menu.sound.calls.empty());
  EXPECT_TRUE(menu.messages.boxes.empty());
  EXPECT_EQ(TreeView_GetCount(menu.Controls().tvMenu), 1u);

  menu.Window().AfterFirstPaint();
  EXPECT_EQ(menu.sound.calls, (std::vector<std::string>{"open " + wav}));
  ASSERT_EQ(menu.messages.boxes.size(), 1u);
  EXPECT_EQ(menu.messages.boxes[0].text, "Das Gerät ist nicht bereit.");
  // Only once, whatever calls it again.
  menu.Window().AfterFirstPaint();
  EXPECT_EQ(menu.sound.calls.size(), 1u);
  EXPECT_EQ(menu.messages.boxes.size(), 1u);
}

TEST(StartUpTest, SoundOfLine14PlaysThoughALaterLineStopsTheStartUp) {
  MenuFixture menu;
  menu.WriteSettings(FirstLines(15));
  const std::string wav = menu.WriteFile("autorun\\startup.wav", "RIFF");
  ASSERT_TRUE(menu.Create());
  ASSERT_EQ(menu.messages.boxes.size(), 1u) << "line 15 is missing";
  EXPECT_TRUE(menu.sound.calls.empty());
  menu.Window().AfterFirstPaint();
  EXPECT_EQ(menu.sound.calls, (std::vector<std::string>{"open " + wav, "play"}));
  EXPECT_EQ(menu.messages.boxes.size(), 1u);
}

TEST(StartUpTest, NoSoundFileMeansLine14IsNotRead) {
  MenuFixture menu;
  menu.WriteSettings(FirstLines(14));
  ASSERT_TRUE(menu.Open());
  ASSERT_EQ(menu.messages.boxes.size(), 1u);
  EXPECT_EQ(menu.messages.boxes[0].text, "Der Index der Liste überschreitet das Maximum (15)");
  EXPECT_TRUE(menu.sound.calls.empty());
}

TEST(StartUpTest, SoundThatCannotBeOpenedIsReportedAndTheMenuStillFills) {
  MenuFixture menu;
  menu.WriteSettings(SettingsWith(14, "1"));
  menu.WritePrograms({{"", "a.exe", "Programm", "", "", ""}});
  menu.WriteFile("autorun\\startup.wav", "kaputt");
  menu.sound.openError = "Das Gerät ist nicht bereit";
  ASSERT_TRUE(menu.Open());
  ASSERT_EQ(menu.messages.boxes.size(), 1u);
  EXPECT_EQ(menu.messages.boxes[0].text, "Das Gerät ist nicht bereit.");
  EXPECT_FALSE(menu.Window().State().loopSound);
  EXPECT_TRUE(menu.Window().State().hoverEffects);
  EXPECT_EQ(TreeView_GetCount(menu.Controls().tvMenu), 1u);
}

}  // namespace
}  // namespace pandor::testing
