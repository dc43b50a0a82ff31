#include <gtest/gtest.h>

#include "menu/file_source.h"
#include "menu/menu_error.h"
#include "menu/menu_folder.h"
#include "menu/settings.h"
#include "tests/menu/memory_files.h"

namespace pandor {
namespace {

std::string ErrorText(const std::function<void()>& action) {
  try {
    action();
  } catch (const MenuError& error) {
    return error.what();
  }
  return "(no error)";
}

TEST(SettingsTest, ReadsLinesAsTextIntegerColourAndSwitch) {
  const Settings settings(LineList{"5600.0", "$000000FF", "0 ", "-15", "1", " 1", "ja"});
  EXPECT_EQ(settings.Text(0), "5600.0");
  EXPECT_EQ(settings.Colour(1).Rgb(), 255u);
  EXPECT_FALSE(settings.Colour(1).IsSystemColour());
  EXPECT_FALSE(settings.IsSet(2));
  EXPECT_EQ(settings.Text(2), "0 ");
  EXPECT_TRUE(settings.Colour(3).IsSystemColour());
  EXPECT_EQ(settings.Colour(3).SystemColourIndex(), 0xF1);
  EXPECT_TRUE(settings.IsSet(4));
  EXPECT_FALSE(settings.IsSet(5));
  EXPECT_FALSE(settings.IsSet(6));
}

TEST(SettingsTest, RedAndBlueColoursInEitherNotation) {
  const Settings settings(LineList{"255", "$000000FF", "16711680", "$00FF0000", "-2147483633"});
  EXPECT_EQ(settings.Colour(0).value, settings.Colour(1).value);
  EXPECT_EQ(settings.Colour(2).Rgb(), 0xFF0000u);
  EXPECT_EQ(settings.Colour(3).Rgb(), 0xFF0000u);
  // 0x8000000F: the system's button-face colour.
  EXPECT_TRUE(settings.Colour(4).IsSystemColour());
  EXPECT_EQ(settings.Colour(4).SystemColourIndex(), 15);
}

TEST(SettingsTest, MissingAndMalformedLinesCarryTheUsersTexts) {
  const Settings settings(LineList{"5600.0", "255 ", "\tx"});
  EXPECT_EQ(ErrorText([&] { settings.Text(17); }), "Der Index der Liste überschreitet das Maximum (17)");
  EXPECT_EQ(ErrorText([&] { Settings().Text(0); }), "Der Index der Liste überschreitet das Maximum (0)");
  EXPECT_EQ(ErrorText([&] { settings.Integer(1); }), "'255 ' ist kein gültiger Integerwert");
  EXPECT_EQ(ErrorText([&] { settings.Colour(2); }), "'\tx' ist kein gültiger Integerwert");
  EXPECT_EQ(ErrorText([&] { settings.IsSet(3); }), "Der Index der Liste überschreitet das Maximum (3)");
}

TEST(SettingsTest, ErrorTextsShowAnsiBytesOfTheFile) {
  const Settings settings(LineList{"gr\xFCn"});  // "grün" in Windows-1252
  EXPECT_EQ(ErrorText([&] { settings.Integer(0); }), "'grün' ist kein gültiger Integerwert");
}

TEST(SettingsTest, WelcomeTextFollowsTheFirstMarkerIgnoringCase) {
  EXPECT_EQ(Settings(LineList{"a", "[HELLO!]", "Hallo", "", "Welt"}).WelcomeLines(), (LineList{"Hallo", "", "Welt"}));
  EXPECT_EQ(Settings(LineList{"[hello!]", "x"}).WelcomeLines(), LineList{"x"});
  EXPECT_EQ(Settings(LineList{"[HeLLo!]", "[HELLO!]", "y"}).WelcomeLines(), (LineList{"[HELLO!]", "y"}));
  EXPECT_TRUE(Settings(LineList{"a", "b"}).WelcomeLines().empty());
  EXPECT_TRUE(Settings(LineList{"a", "[HELLO!]"}).WelcomeLines().empty());
  // The marker must be the whole line.
  EXPECT_TRUE(Settings(LineList{" [HELLO!]", "[HELLO!] ", "x"}).WelcomeLines().empty());
}

TEST(SettingsTest, FileWithLfCrLineEndsShiftsEveryValue) {
  testing::MemoryFiles files;
  files.Add("m\\options.dat", "5600.0\n\r255\n\r0\n\r");
  const Settings settings(ReadLineFile(files, "m\\options.dat"));
  EXPECT_EQ(settings.Text(1), "");
  EXPECT_EQ(settings.Text(2), "255");
  EXPECT_EQ(settings.Text(4), "0");
}

TEST(SettingsTest, NulCutsTheSettingsOff) {
  testing::MemoryFiles files;
  files.Add("o", std::string("5600.0\r\n255\r\n\0" "0\r\n", 16));
  const Settings settings(ReadLineFile(files, "o"));
  EXPECT_EQ(settings.Text(1), "255");
  EXPECT_THROW(settings.Text(2), MenuError);
}

TEST(MenuFolderTest, FoldersEndInABackslash) {
  const MenuFolder folder = MenuFolderFor("D:\\cd\\autorun.exe");
  EXPECT_EQ(folder.appDir, "D:\\cd\\");
  EXPECT_EQ(folder.menuDir, "D:\\cd\\autorun\\");
  EXPECT_EQ(MenuFolderFor("E:\\autorun.exe").menuDir, "E:\\autorun\\");
}

TEST(MenuFolderTest, BothDefinitionFilesMustExist) {
  const MenuFolder folder = MenuFolderFor("D:\\autorun.exe");
  testing::MemoryFiles files;
  EXPECT_FALSE(DefinitionFilesPresent(files, folder));
  files.Add("D:\\autorun\\filelist.dat", "");
  EXPECT_FALSE(DefinitionFilesPresent(files, folder));
  files.Add("D:\\autorun\\options.dat", "");
  EXPECT_TRUE(DefinitionFilesPresent(files, folder));
}

// The program's folder may be called what no ANSI code page can spell; the
// menu files' names are read in the code page (Windows-1252 in these tests)
// and joined to it.
TEST(MenuFolderTest, NamesFromMenuFilesJoinAFolderOfAnyName) {
  const MenuFolder folder = MenuFolderFor("E:\\Медиум Ωmega 日本\\autorun.exe");
  EXPECT_EQ(folder.menuDir, "E:\\Медиум Ωmega 日本\\autorun\\");
  EXPECT_EQ(MenuFilePath(folder.menuDir, "Gr\xFC\xDF\\\x80.txt"), "E:\\Медиум Ωmega 日本\\autorun\\Grüß\\€.txt");
  EXPECT_EQ(MenuFilePath(folder.appDir, ""), "E:\\Медиум Ωmega 日本\\");
  EXPECT_EQ(StartupSoundPath(folder), "E:\\Медиум Ωmega 日本\\autorun\\startup.wav");
  testing::MemoryFiles files;
  files.Add("E:\\Медиум Ωmega 日本\\autorun\\filelist.dat", "");
  files.Add("E:\\Медиум Ωmega 日本\\autorun\\options.dat", "");
  EXPECT_TRUE(DefinitionFilesPresent(files, folder));
}

TEST(FileExistsTest, EmptyNamesAndFolderNamesNeverExist) {
  testing::MemoryFiles files;
  files.Add("", "x");
  files.Add("D:\\autorun\\", "x");
  files.Add("D:\\autorun\\a.txt", "x");
  EXPECT_FALSE(FileExists(files, ""));
  EXPECT_FALSE(FileExists(files, "D:\\autorun\\"));
  EXPECT_TRUE(FileExists(files, "D:\\autorun\\a.txt"));
  EXPECT_FALSE(FileExists(files, "D:\\autorun\\b.txt"));
}

TEST(FileExistsTest, UnreadableFileIsReportedWithItsPath) {
  testing::MemoryFiles files;
  files.Add("D:\\autorun\\options.dat", "5600.0");
  files.Lock("D:\\autorun\\options.dat");
  EXPECT_EQ(ErrorText([&] { ReadLineFile(files, "D:\\autorun\\options.dat"); }),
            "Datei D:\\autorun\\options.dat kann nicht geöffnet werden");
}

}  // namespace
}  // namespace pandor
