// The checker on files the editor hasn't saved yet: the medium on disk with
// the unsaved files in place says what the same medium says once they are
// written.
#include <gtest/gtest.h>

#include <stdexcept>

#include "checker/medium_files.h"
#include "checker/report_output.h"
#include "menu/menu_error.h"
#include "menu/new_menu.h"
#include "tests/checker/medium_folder.h"
#include "tests/menu/test_bytes.h"

namespace pandor::check {
namespace {

using testing::MediumFolder;
using testing::Of;
using testing::Places;

// The report on the medium with `unsaved` in place, after comparing it with
// the report once they are saved (which must differ from the one before).
CheckReport ExpectSameAsSaved(MediumFolder& medium, const UnsavedFiles& unsaved) {
  const std::string before = FormatJson(CheckMedium(medium.Root()));
  const CheckReport withUnsaved = CheckMedium(medium.Root(), unsaved);
  for (const auto& [relative, bytes] : unsaved) {
    if (bytes) {
      medium.Write(relative, *bytes);
    } else {
      medium.Remove(relative);
    }
  }
  const std::string saved = FormatJson(medium.Check());
  EXPECT_EQ(FormatJson(withUnsaved), saved);
  EXPECT_NE(saved, before) << "the unsaved files change nothing the checker says";
  return withUnsaved;
}

void MakeEmpty(const MediumFolder& medium) {
  for (const auto& entry : std::filesystem::directory_iterator(medium.Root())) std::filesystem::remove_all(entry);
}

TEST(UnsavedFilesTest, AChangedSettingsFile) {
  MediumFolder medium;
  LineList options = MediumFolder::GoodOptions();
  options[1] = "rot";
  options.push_back("Ein längerer Willkommenstext.");
  std::string bytes;
  for (const std::string& line : options) bytes += line + "\r\n";
  const CheckReport report = ExpectSameAsSaved(medium, {{"autorun/options.dat", bytes}});
  EXPECT_EQ(Places(report, Severity::kError), std::vector<std::string>{"autorun/options.dat:2"});
}

TEST(UnsavedFilesTest, ANewDescriptionOnlyTheEditorHolds) {
  MediumFolder medium;
  std::vector<testing::Record> programs = MediumFolder::GoodPrograms();
  programs[1][5] = "schach.txt";
  std::string list;
  for (const testing::Record& record : programs) {
    for (const std::string& field : record) list += field + "\r\n";
  }
  const CheckReport report =
      ExpectSameAsSaved(medium, {{"autorun/filelist.dat", list}, {"autorun/schach.txt", "Sch\xC3\xB6ne Z\xC3\xBCge"}});
  // Read from the editor's bytes: saved as UTF-8, its umlauts would show as two characters each.
  EXPECT_EQ(Places(report, Severity::kWarning), std::vector<std::string>{"autorun/schach.txt:0"});
}

TEST(UnsavedFilesTest, ADeletedPicture) {
  MediumFolder medium;
  const CheckReport report = ExpectSameAsSaved(medium, {{"autorun/schach.jpg", std::nullopt}});
  EXPECT_EQ(Places(report, Severity::kWarning), std::vector<std::string>{"autorun/filelist.dat:11"});
}

TEST(UnsavedFilesTest, ANewMenuInAnEmptyFolder) {
  MediumFolder medium;
  MakeEmpty(medium);
  const MenuModel menu = NewMenuModel();
  const CheckReport report = ExpectSameAsSaved(
      medium, {{"autorun/options.dat", menu.settings.Bytes()}, {"autorun/filelist.dat", menu.programs.Bytes()}});
  EXPECT_TRUE(Of(report, Severity::kError).empty());
  EXPECT_EQ(report.facts.mediumBytes, menu.settings.Bytes().size() + menu.programs.Bytes().size());
}

TEST(UnsavedFilesTest, ANameBesideOneThatDiffersOnlyInCase) {
  MediumFolder medium;
  const CheckReport report = ExpectSameAsSaved(medium, {{"autorun/Rechner.txt", "Noch ein Rechner."}});
  EXPECT_EQ(Places(report, Severity::kWarning), std::vector<std::string>{"autorun/rechner.txt:0"});
}

TEST(UnsavedFilesTest, FilesAndTheirFoldersAreFoundAsOnDisk) {
  MediumFolder medium;
  const MediumFiles files(medium.Root(), {{"Neu/Tiefer/Setup.exe", "MZ"},
                                          {"autorun/rechner.txt", std::nullopt},
                                          {"autorun/schach.jpg", "anders"}});
  EXPECT_TRUE(files.FirstMatchIsFile("D:\\neu\\TIEFER\\setup.exe"));
  EXPECT_TRUE(files.FirstMatchIsFile("D:\\Neu\\Tiefer\\S*.e?e"));
  const FileLookup folder = files.Lookup("D:\\Neu\\Tiefer");
  EXPECT_TRUE(folder.found && folder.isFolder);
  EXPECT_EQ(files.ReadWhole("D:\\Neu\\Tiefer\\Setup.exe"), "MZ");
  EXPECT_EQ(files.ReadWhole("D:\\autorun\\Schach.jpg"), "anders");
  EXPECT_FALSE(files.Lookup("D:\\autorun\\rechner.txt").found);
  EXPECT_THROW(files.ReadWhole("D:\\autorun\\rechner.txt"), MenuError);
  EXPECT_FALSE(files.FirstMatchIsFile("D:\\autorun\\r*.*"));  // nor by a wildcard
  const uint64_t onDisk = MediumFiles(medium.Root()).SurveyMedium().totalBytes;
  const uint64_t description = std::string("Ein Rechner.\r\nMit zwei Zeilen.").size();
  const uint64_t picture = testing::PlainJpeg(32, 24).size();
  EXPECT_EQ(files.SurveyMedium().totalBytes, onDisk + 2 - description - picture + 6);
}

TEST(UnsavedFilesTest, PathsOutsideTheMediumsTreeAreRefused) {
  MediumFolder medium;
  for (const char* path : {"", "autorun//options.dat", "autorun/", "../options.dat", "autorun/./options.dat"}) {
    EXPECT_THROW(MediumFiles(medium.Root(), {{path, "x"}}), std::invalid_argument) << path;
  }
}

}  // namespace
}  // namespace pandor::check
