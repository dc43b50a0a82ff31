// The editor's model on media: the demo medium, as the build assembles it,
// opens and saves unchanged (so does every medium the checker's tests write,
// see MediumFolder::Check), and a new menu passes the checker.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "checker/medium_files.h"
#include "menu/menu_model.h"
#include "menu/new_menu.h"
#include "menu/start_up_settings.h"
#include "tests/checker/medium_folder.h"

namespace pandor::check {
namespace {

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

TEST(MediumRoundTripTest, TheDemoMediumOpensAndSavesUnchanged) {
  const std::filesystem::path demo = PANDOR7_DEMO_MEDIUM;
  const MenuModel model = ReadMenuModel(MediumFiles(demo), MenuFolderFor(std::string(kMediumRoot) + "autorun.exe"));
  EXPECT_EQ(model.programs.RecordCount(), 9);
  EXPECT_FALSE(model.settings.WelcomeLines().empty());
  EXPECT_EQ(model.settings.Bytes(), FileBytes(demo / "autorun" / "options.dat"));
  EXPECT_EQ(model.programs.Bytes(), FileBytes(demo / "autorun" / "filelist.dat"));
  testing::ExpectOpensAndSavesUnchanged(demo);
}

TEST(NewMenuTest, TheStartUpReadsItToTheEndAndTheCheckerFindsNothingAboveANote) {
  const MenuModel menu = NewMenuModel();
  const Settings settings = menu.settings.AsSettings();
  int read = 0;
  ReadStartUpSettings(settings, true, [&read](SettingsLine, const SettingValue&) { ++read; });
  EXPECT_EQ(read, 16);
  EXPECT_EQ(settings.Text(kVersionLine), kSettingsVersion);
  EXPECT_FALSE(menu.settings.WelcomeLines().empty());
  EXPECT_EQ(menu.programs.RecordCount(), 0);

  testing::MediumFolder medium;  // with two programs of its own
  medium.Write("autorun/options.dat", menu.settings.Bytes());
  const CheckReport report = medium.Check();
  EXPECT_TRUE(testing::Of(report, Severity::kError).empty());
  EXPECT_TRUE(testing::Of(report, Severity::kWarning).empty()) << testing::Places(report, Severity::kWarning)[0];
}

}  // namespace
}  // namespace pandor::check
