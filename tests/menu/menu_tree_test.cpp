#include <gtest/gtest.h>

#include "menu/menu_error.h"
#include "menu/menu_tree.h"
#include "menu/node_image.h"
#include "tests/menu/tree_outline.h"

namespace pandor {
namespace {

using testing::Outline;

LineList Record(const std::string& group, const std::string& name) {
  return {group, "run\\" + name + ".exe", name, name + ".exe", name + ".bmp", name + ".txt"};
}

LineList Records(std::initializer_list<std::pair<const char*, const char*>> groupsAndNames) {
  LineList lines;
  for (const auto& [group, name] : groupsAndNames) {
    const LineList record = Record(group, name);
    lines.insert(lines.end(), record.begin(), record.end());
  }
  return lines;
}

TEST(MenuTreeTest, GroupsGatherTheirProgramsInFileOrder) {
  MenuTree tree;
  tree.Build(Records({{"A", "eins"}, {"", "zwei"}, {"A", "drei"}, {"B", "vier"}, {"", "fuenf"}, {"B", "sechs"}}));
  EXPECT_EQ(Outline(tree), "A\n  eins\n  drei\nzwei\nB\n  vier\n  sechs\nfuenf\n");
  EXPECT_TRUE(tree.Node(tree.TopLevel()[0]).IsGroup());
  EXPECT_FALSE(tree.RecordOf(tree.TopLevel()[0]).has_value());
}

TEST(MenuTreeTest, GroupNamesAreCaseSensitive) {
  MenuTree tree;
  tree.Build(Records({{"Tools", "a"}, {"tools", "b"}, {"Tools ", "c"}}));
  EXPECT_EQ(Outline(tree), "Tools\n  a\ntools\n  b\nTools \n  c\n");
}

TEST(MenuTreeTest, GroupNamedLikeAnEarlierProgramMakesThatProgramAGroup) {
  MenuTree tree;
  tree.Build(Records({{"", "Spiele"}, {"Spiele", "Schach"}}));
  EXPECT_EQ(Outline(tree), "Spiele\n  Schach\n");
  const int spiele = tree.TopLevel()[0];
  EXPECT_TRUE(tree.Node(spiele).IsGroup());
  ASSERT_TRUE(tree.RecordOf(spiele).has_value());
  EXPECT_EQ(tree.RecordOf(spiele)->runFile, "run\\Spiele.exe");
}

TEST(MenuTreeTest, GroupSearchFindsTheFirstNodeInDisplayOrderEvenAChild) {
  // "X" exists as a child of group A (added first) and then as a top-level
  // program; the child comes first in display order, so group X's program
  // goes under it.
  MenuTree tree;
  tree.Build(Records({{"A", "X"}, {"", "X"}, {"X", "kind"}}));
  EXPECT_EQ(Outline(tree), "A\n  X\n    kind\nX\n");
}

TEST(MenuTreeTest, LaterChildOfAnEarlierGroupPrecedesLaterTopLevelNodes) {
  // "Y" is first added at the top level, then as a child of the earlier group
  // A, which puts the child before it in display order.
  MenuTree tree;
  tree.Build(Records({{"A", "a1"}, {"", "Y"}, {"A", "Y"}, {"Y", "y1"}}));
  EXPECT_EQ(Outline(tree), "A\n  a1\n  Y\n    y1\nY\n");
}

TEST(MenuTreeTest, EveryProgramNodeKeepsItsOwnRecord) {
  MenuTree tree;
  LineList lines = Records({{"", "Setup"}, {"", "Setup"}});
  lines[1] = "erste\\setup.exe";
  lines[7] = "zweite\\setup.exe";
  lines.insert(lines.begin(), {"", "SETUP", "Andere", "", "", ""});
  tree.Build(lines);
  ASSERT_EQ(tree.TopLevel().size(), 3u);
  EXPECT_EQ(tree.RecordOf(tree.TopLevel()[0])->runFile, "SETUP");
  EXPECT_EQ(tree.RecordOf(tree.TopLevel()[1])->runFile, "erste\\setup.exe");
  EXPECT_EQ(tree.RecordOf(tree.TopLevel()[2])->runFile, "zweite\\setup.exe");
  EXPECT_EQ(tree.RecordOf(tree.TopLevel()[2])->description, "Setup.txt");
}

TEST(MenuTreeTest, IncompleteLastRecordKeepsTheNodesBuiltSoFar) {
  LineList lines = Records({{"G", "a"}, {"", "b"}});
  lines.push_back("G");
  lines.push_back("c.exe");
  MenuTree tree;
  try {
    tree.Build(lines);
    FAIL() << "expected a list-index error";
  } catch (const MenuError& error) {
    EXPECT_STREQ(error.what(), "Der Index der Liste überschreitet das Maximum (14)");
  }
  EXPECT_EQ(Outline(tree), "G\n  a\nb\n");
}

TEST(MenuTreeTest, EmptyListGivesAnEmptyTree) {
  MenuTree tree;
  tree.Build({});
  EXPECT_TRUE(tree.Empty());
  EXPECT_EQ(tree.FindFirstInDisplayOrder(""), -1);
}

TEST(NodeImageTest, GroupsShowFoldersProgramsTheIconStyle) {
  EXPECT_EQ(ChooseNodeImage(true, false, 3, 6), kImageFolderClosed);
  EXPECT_EQ(ChooseNodeImage(true, true, 3, 0), kImageFolderOpen);
  EXPECT_EQ(ChooseNodeImage(false, false, 1, 0), kImageDocument);
  EXPECT_EQ(ChooseNodeImage(false, false, 2, 0), kImageFloppy);
  EXPECT_EQ(ChooseNodeImage(false, true, 3, 0), kImageCdRom);
  EXPECT_EQ(ChooseNodeImage(false, false, 0, 0), kImageFolderClosed);
  EXPECT_EQ(ChooseNodeImage(false, false, 7, 3), 3);
}

}  // namespace
}  // namespace pandor
