// The medium's files as the menu finds them on Windows or on a CD.
#include <gtest/gtest.h>

#include "checker/medium_files.h"
#include "menu/menu_error.h"
#include "tests/checker/medium_folder.h"

namespace pandor::check {
namespace {

using testing::MediumFolder;

TEST(MediumFilesTest, NamesAreFoundAsWindowsFindsThem) {
  MediumFolder medium;
  medium.Write("Programme/Welt Uhr/Uhr.exe", "MZ");
  medium.Write("programme/klein.exe", "MZ");  // a second folder that differs only in case
  medium.Write("b\xC3\xBC" "cher/\xC3\x84rger.txt", "x");  // UTF-8 on disk
  const MediumFiles files(medium.Root());
  const struct {
    const char* path;
    bool found;
    bool exactCase;
    const char* relative;
  } cases[] = {
      {"D:\\Programme\\Welt Uhr\\Uhr.exe", true, true, "Programme/Welt Uhr/Uhr.exe"},
      {"D:\\PROGRAMME\\welt uhr\\uhr.EXE", true, false, "Programme/Welt Uhr/Uhr.exe"},
      {"D:\\programme\\klein.exe", true, true, "programme/klein.exe"},
      {"D:\\Programme\\Welt Uhr\\Uhr.exe. . ", true, true, "Programme/Welt Uhr/Uhr.exe"},
      {"D:\\Programme\\.\\Welt Uhr\\..\\Welt Uhr\\Uhr.exe", true, true, "Programme/Welt Uhr/Uhr.exe"},
      {"D:\\..\\..\\Programme\\Welt Uhr\\Uhr.exe", true, true, "Programme/Welt Uhr/Uhr.exe"},
      {"D:\\Programme\\Welt Uhr\\U*.e?e", true, true, "Programme/Welt Uhr/Uhr.exe"},
      {"D:\\B\xC3\x9C" "CHER\\\xC3\xA4rger.TXT", true, false, "b\xC3\xBC" "cher/\xC3\x84rger.txt"},  // names of a Windows-1252 menu file
      {"D:\\Programme\\Welt Uhr\\Uhr.exe\\mehr", false, true, "Programme/Welt Uhr/Uhr.exe/mehr"},
      {"D:\\Programme\\fehlt\\x.exe", false, true, "Programme/fehlt/x.exe"},
      {"C:\\Programme\\Welt Uhr\\Uhr.exe", false, true, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const FileLookup lookup = files.Lookup(c.path);
    EXPECT_EQ(lookup.found, c.found);
    EXPECT_EQ(lookup.exactCase, c.exactCase);
    EXPECT_EQ(lookup.relative, c.relative);
  }
  EXPECT_TRUE(files.Lookup("D:\\..\\x").leavesMedium);
  EXPECT_FALSE(files.Lookup("D:\\Programme\\..\\x").leavesMedium);
  EXPECT_TRUE(files.FirstMatchIsFile("D:\\programme\\KLEIN.exe"));
  EXPECT_FALSE(files.FirstMatchIsFile("D:\\Programme"));
}

TEST(MediumFilesTest, ReadsWholeFilesAndNamesThoseItCant) {
  MediumFolder medium;
  medium.Write("autorun/bin\xC3\xA4r.dat", std::string("a\0b\r\n", 5));
  const MediumFiles files(medium.Root());
  EXPECT_EQ(files.ReadWhole("D:\\autorun\\BIN\xC3\x84R.dat"), std::string("a\0b\r\n", 5));
  try {
    files.ReadWhole("D:\\autorun\\fehlt.dat");
    FAIL() << "no error";
  } catch (const MenuError& error) {
    EXPECT_STREQ(error.what(), "Datei D:\\autorun\\fehlt.dat kann nicht geöffnet werden");
  }
  EXPECT_GE(files.SurveyMedium().totalBytes, 5u);
}

}  // namespace
}  // namespace pandor::check
