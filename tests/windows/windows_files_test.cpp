#include <gtest/gtest.h>
#include <windows.h>

#include "menu/file_source.h"
#include "menu/menu_error.h"
#include "platform/handle.h"
#include "platform/text.h"
#include "platform/windows_files.h"
#include "tests/windows/test_folder.h"

namespace pandor {
namespace {

void SetLastWriteTime(const std::string& path, WORD year) {
  const FileHandle file(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file);
  SYSTEMTIME time{};
  time.wYear = year;
  time.wMonth = 1;
  time.wDay = 2;
  FILETIME stamp;
  ASSERT_TRUE(SystemTimeToFileTime(&time, &stamp));
  ASSERT_TRUE(SetFileTime(file.get(), nullptr, nullptr, &stamp));
}

TEST(WindowsFilesTest, ExistenceFollowsTheMenuRules) {
  testing::TestFolder folder;
  const WindowsFiles files;
  folder.Write("autorun\\info.txt", "x");
  folder.MakeFolder("autorun\\bilder");
  EXPECT_TRUE(FileExists(files, folder.Path() + "autorun\\info.txt"));
  EXPECT_FALSE(FileExists(files, folder.Path() + "autorun\\fehlt.txt"));
  EXPECT_FALSE(FileExists(files, folder.Path() + "autorun\\bilder"));
  EXPECT_FALSE(FileExists(files, folder.Path() + "autorun\\"));
  EXPECT_FALSE(FileExists(files, ""));
}

TEST(WindowsFilesTest, WildcardNameExistsWhenItsFirstMatchIsAFile) {
  testing::TestFolder folder;
  const WindowsFiles files;
  folder.Write("a\\datei.txt", "x");
  folder.MakeFolder("b\\unter");
  EXPECT_TRUE(FileExists(files, folder.Path() + "a\\*.txt"));
  EXPECT_FALSE(FileExists(files, folder.Path() + "a\\*.bmp"));
  EXPECT_FALSE(FileExists(files, folder.Path() + "b\\unt*"));
}

TEST(WindowsFilesTest, FileExistsWhateverItsTimeStamp) {
  testing::TestFolder folder;
  const WindowsFiles files;
  const std::string old = folder.Write("alt.dat", "x");
  const std::string future = folder.Write("zukunft.dat", "x");
  SetLastWriteTime(old, 1970);
  SetLastWriteTime(future, 2150);
  EXPECT_TRUE(FileExists(files, old));
  EXPECT_TRUE(FileExists(files, future));
}

TEST(WindowsFilesTest, ReadsWholeFileWhileOthersMayOnlyRead) {
  testing::TestFolder folder;
  const WindowsFiles files;
  const std::string path = folder.Write("options.dat", std::string("5600.0\r\n\0rest", 13));
  {
    // A reader that shares reading doesn't stop us.
    const FileHandle reader(
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(reader);
    EXPECT_EQ(ReadLineFile(files, path), LineList{"5600.0"});
  }
  {
    // A writer does: we refuse to share writing.
    const FileHandle writer(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(writer);
    try {
      files.ReadWhole(path);
      FAIL() << "expected the file to be refused";
    } catch (const MenuError& error) {
      EXPECT_EQ(std::string(error.what()), "Datei " + path + " kann nicht geöffnet werden");
    }
  }
}

std::string ReadError(const FileSource& files, const std::string& path) {
  try {
    files.ReadWhole(path);
  } catch (const MenuError& error) {
    return error.what();
  }
  return "(read)";
}

// A medium lies wherever its user put it: in a folder that no ANSI code page
// can spell, or deeper than 260 characters.
TEST(WindowsFilesTest, FilesInFoldersOfAnyNameAreFoundReadAndNamedInFull) {
  const std::string longName = "Ordner mit einem langen Namen, wie ihn ein Anwender einem Medium gibt\\";
  const struct {
    const char* what;
    std::string nameEnd;
    std::string below;
  } cases[] = {
      {"no ANSI code page spells it", " Медиум Ωmega 日本", ""},
      {"Windows-1252 spells it", " Müller CD", ""},
      {"deeper than 260 characters", "", longName + longName + longName + longName},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const testing::TestFolder folder(c.nameEnd);
    const WindowsFiles files;
    const std::string path = folder.Write(c.below + "autorun\\options.dat", "5600.0\r\n");
    EXPECT_TRUE(FileExists(files, path));
    EXPECT_TRUE(FileExists(files, folder.Path() + c.below + "autorun\\*.dat"));
    EXPECT_FALSE(FileExists(files, folder.Path() + c.below + "autorun"));
    EXPECT_EQ(ReadLineFile(files, path), LineList{"5600.0"});
    const FileHandle writer(CreateFileW(FromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(writer);
    EXPECT_EQ(ReadError(files, path), "Datei " + path + " kann nicht geöffnet werden");
  }
}

}  // namespace
}  // namespace pandor
