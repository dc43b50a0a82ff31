// The menu folder's model: whatever the files hold opens and saves unchanged,
// and every edit is written so that the menu reads what the model holds.
#include <gtest/gtest.h>

#include <random>

#include "menu/menu_error.h"
#include "menu/menu_model.h"
#include "tests/menu/memory_files.h"
#include "tests/menu/model_edits.h"
#include "tests/menu/tree_outline.h"

namespace pandor {
namespace {

using testing::ApplyEdit;
using testing::ModelOf;
using testing::RoundTripFault;

struct FilesCase {
  const char* name;
  std::string options;
  std::string fileList;
};

class MenuModelUnchangedTest : public ::testing::TestWithParam<FilesCase> {};

TEST_P(MenuModelUnchangedTest, OpensAndSavesByteForByte) {
  const MenuModel model = ModelOf(GetParam().options, GetParam().fileList);
  EXPECT_EQ(model.settings.Bytes(), GetParam().options);
  EXPECT_EQ(model.programs.Bytes(), GetParam().fileList);
  EXPECT_EQ(RoundTripFault(model), "");
}

const std::string kGoodOptions =
    "5600.0\r\n16777215\r\n1\r\n0\r\nDemo\r\nWillkommen\r\n$0080FFFF\r\n0\r\n0x00804020\r\nStatus\r\n1\r\nArial\r\n"
    "10\r\n-2147483633\r\n1\r\n1\r\n3\r\n[HELLO!]\r\nSch\xF6n, dass Sie da sind.\r\n\r\n";
const std::string kGoodList = "Werkzeuge\r\nsetup\\rechner.exe\r\nRechner\r\nrechner.exe\r\nrechner.bmp\r\nrechner.txt\r\n";

INSTANTIATE_TEST_SUITE_P(
    WhateverTheFilesHold, MenuModelUnchangedTest,
    ::testing::Values(
        FilesCase{"Good", kGoodOptions, kGoodList}, FilesCase{"BothEmpty", "", ""},
        FilesCase{"ValuesThatDontParse", "5600.0 \r\n 255 \r\nja\r\n\r\n\tTitel\r\n$\r\n", kGoodList},
        FilesCase{"ShortSettingsWithoutMarker", "5600.0\r\n255\r\n", kGoodList},
        FilesCase{"MarkerOnAValueLine", "5600.0\r\n[hello!]\r\nRest\r\n", kGoodList},
        FilesCase{"ExtraLinesAfterTheSettings", kGoodOptions + "noch eine\r\n", kGoodList + "\r\n\r\n\r\n"},
        FilesCase{"IncompleteLastRecord", kGoodOptions, kGoodList + "Spiele\r\nschach.exe\r\nSchach"},
        FilesCase{"SixthLineLostWithItsEnd", kGoodOptions, kGoodList.substr(0, kGoodList.size() - 2)},
        FilesCase{"Utf8WithMark", "\xEF\xBB\xBF" "5600.0\r\n", "\xEF\xBB\xBFGruppe\r\n"},
        FilesCase{"LfCrAndMixedEnds", "5600.0\n\r255\n\r1\r", "A\nx\r\nN\rn\n\rp\r\n"},
        FilesCase{"NulInTheMiddle", std::string("5600.0\r\n\0Rest\r\n", 15), std::string("A\r\n\0\r\n\r\n", 8)},
        FilesCase{"NoFinalLineEnds", "5600.0\r\n255", "A\r\nb\r\nc\r\nd\r\ne\r\nf"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MenuModelTest, IsReadFromTheMenuFolder) {
  testing::MemoryFiles files;
  files.Add("D:\\autorun\\options.dat", kGoodOptions);
  files.Add("D:\\autorun\\filelist.dat", kGoodList);
  const MenuModel model = ReadMenuModel(files, MenuFolderFor("D:\\autorun.exe"));
  EXPECT_EQ(model.programs.Record(0).displayName, "Rechner");
  EXPECT_EQ(model.settings.WelcomeLines(), (LineList{"Sch\xF6n, dass Sie da sind.", ""}));
  files.Lock("D:\\autorun\\filelist.dat");
  EXPECT_THROW(ReadMenuModel(files, MenuFolderFor("D:\\autorun.exe")), MenuError);
}

TEST(MenuModelTest, ACopyIsAnEarlierStateForUndo) {
  MenuModel model = ModelOf(kGoodOptions, kGoodList);
  const MenuModel before = model;
  model.programs.RenameGroup("Werkzeuge", "Tools");
  model.settings.SetText(kCaptionLine, "Neu");
  EXPECT_EQ(before.programs.Bytes(), kGoodList);
  EXPECT_EQ(before.settings.Bytes(), kGoodOptions);
  model = before;
  EXPECT_EQ(model.programs.Bytes(), kGoodList);
}

// Files made of lines of the menu's kinds, with line ends of every kind and
// now and then a NUL, edited at random: every state must survive the round trip.
TEST(MenuModelTest, RandomFilesAndEditsSurviveTheRoundTrip) {
  const char* const pieces[] = {"", "5600.0", "A", "B", "[HELLO!]", "1", "0", "255", "x.exe", "Gr\xFC\xDF" "e", " 1 "};
  const char* const ends[] = {"\r\n", "\r\n", "\r\n", "\n", "\r", "\n\r", ""};
  std::mt19937 random(7);
  auto file = [&] {
    std::string bytes;
    const int lines = static_cast<int>(random() % 40);
    for (int i = 0; i < lines; ++i) bytes += std::string(pieces[random() % 11]) + ends[random() % 7];
    if (random() % 8 == 0) bytes += std::string("\0tail\r\n", 7);
    return bytes;
  };
  for (int round = 0; round < 300; ++round) {
    const std::string options = file();
    const std::string fileList = file();
    MenuModel model = ModelOf(options, fileList);
    ASSERT_EQ(model.settings.Bytes(), options);
    ASSERT_EQ(model.programs.Bytes(), fileList);
    for (int edit = 0; edit < 8; ++edit) {
      const auto operation = static_cast<uint8_t>(random());
      const std::string fault =
          ApplyEdit(model, operation, static_cast<uint8_t>(random()), static_cast<uint8_t>(random()));
      ASSERT_EQ(fault, "") << "round " << round << ", edit " << int(operation % 10);
      ASSERT_EQ(RoundTripFault(model), "") << "round " << round << ", edit " << int(operation % 10);
    }
  }
}

// The shapes of menus the menu itself must survive.
TEST(MenuModelTest, HugeAndDeeplyNestedMenus) {
  std::string huge;
  for (int i = 1; i <= 10000; ++i) huge += "Gruppe\r\np" + std::to_string(i) + ".exe\r\nProgramm " + std::to_string(i) + "\r\n\r\n\r\n\r\n";
  ProgramListModel programs(huge);
  EXPECT_EQ(programs.Bytes(), huge);
  EXPECT_TRUE(programs.RenameGroup("Gruppe", "Alle"));
  EXPECT_EQ(programs.Tree().Node(programs.Tree().TopLevel()[0]).children.size(), 10000u);
  EXPECT_EQ(programs.Bytes().find("Gruppe"), std::string::npos);

  std::string chain;
  std::string group = "Kette";
  for (int i = 1; i <= 3000; ++i) {
    const std::string name = "Glied " + std::to_string(i);
    chain += group + "\r\n" + "g.exe\r\n" + name + "\r\n\r\n\r\n\r\n";
    group = name;
  }
  ProgramListModel nested(chain);
  EXPECT_EQ(nested.Bytes(), chain);
  // The innermost program out of its group: it follows the chain's top.
  const MenuTree tree = nested.Tree();
  EXPECT_EQ(nested.MoveToGroup(tree.FindFirstInDisplayOrder("Glied 3000"), ""), 1);
  EXPECT_EQ(nested.Tree().TopLevel().size(), 2u);
}

}  // namespace
}  // namespace pandor
