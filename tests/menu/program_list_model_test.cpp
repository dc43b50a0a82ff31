// filelist.dat changed by the editor: the tree the menu then shows, and the
// records that had to change for it.
#include <gtest/gtest.h>

#include <stdexcept>

#include "menu/program_list_model.h"
#include "tests/menu/tree_outline.h"

namespace pandor {
namespace {

using testing::Outline;

ProgramEntry Program(const std::string& group, const std::string& name) {
  return {group, "setup\\" + name + ".exe", name, name + ".exe", name + ".bmp", name + ".txt"};
}

std::string Records(std::initializer_list<std::pair<const char*, const char*>> groupsAndNames) {
  std::string bytes;
  for (const auto& [group, name] : groupsAndNames) {
    const ProgramEntry p = Program(group, name);
    for (const std::string* line : {&p.group, &p.runFile, &p.displayName, &p.installedName, &p.picture, &p.description})
      bytes += *line + "\r\n";
  }
  return bytes;
}

// The node of the first program or group shown with this text.
int NodeOf(const ProgramListModel& model, const std::string& text) {
  const int node = model.Tree().FindFirstInDisplayOrder(text);
  EXPECT_GE(node, 0) << text;
  return node;
}

std::string TreeOf(const ProgramListModel& model) { return Outline(model.Tree()); }

// Group A's programs are not next to each other in the file: the menu shows
// A where its first program's record is.
const std::string kScattered = Records({{"A", "eins"}, {"", "zwei"}, {"A", "drei"}, {"B", "vier"}, {"", "fuenf"}});
const char* const kScatteredTree = "A\n  eins\n  drei\nzwei\nB\n  vier\nfuenf\n";

TEST(ProgramListModelTest, RecordsAndTheTreeAsTheMenuReadsThem) {
  const ProgramListModel model(kScattered + "halb\r\nx.exe\r\n");
  EXPECT_EQ(model.RecordCount(), 5);
  EXPECT_EQ(model.Record(2).displayName, "drei");
  EXPECT_EQ(model.IncompleteRecord(), (LineList{"halb", "x.exe"}));
  EXPECT_EQ(TreeOf(model), kScatteredTree);
  const MenuTree tree = model.Tree();
  EXPECT_EQ(ProgramListModel::RecordOf(tree, NodeOf(model, "vier")), 3);
  EXPECT_EQ(ProgramListModel::RecordOf(tree, NodeOf(model, "B")), -1);
}

TEST(ProgramListModelTest, AProgramIsAddedLastInItsGroupOrLastInTheTree) {
  ProgramListModel model(kScattered);
  EXPECT_EQ(model.AddProgram(Program("A", "sechs")), 3);
  EXPECT_EQ(model.AddProgram(Program("", "sieben")), 6);
  EXPECT_EQ(model.AddProgram(Program("C", "acht")), 7);
  EXPECT_EQ(TreeOf(model), "A\n  eins\n  drei\n  sechs\nzwei\nB\n  vier\nfuenf\nsieben\nC\n  acht\n");
  EXPECT_EQ(model.AddGroup("D", Program("", "neun")), 8);
  EXPECT_EQ(model.Record(8).group, "D");
  EXPECT_EQ(model.AddGroup("B", Program("", "zehn")), -1);     // there already
  EXPECT_EQ(model.AddGroup("zwei", Program("", "elf")), -1);   // would join the program
  EXPECT_THROW(model.AddProgram(Program("", "zwei\nZeilen")), std::invalid_argument);
  EXPECT_EQ(model.RecordCount(), 9);
}

TEST(ProgramListModelTest, ANewRecordGoesBeforeAnIncompleteLastRecord) {
  ProgramListModel model(Records({{"", "eins"}}) + "halb\r\nx.exe");
  model.AddProgram(Program("", "zwei"));
  EXPECT_EQ(model.IncompleteRecord(), (LineList{"halb", "x.exe"}));
  EXPECT_EQ(TreeOf(model), "eins\nzwei\n");
  EXPECT_EQ(model.Bytes(), Records({{"", "eins"}, {"", "zwei"}}) + "halb\r\nx.exe");
}

TEST(ProgramListModelTest, RenamingAGroupRenamesEveryRecordThatNamesIt) {
  ProgramListModel model(kScattered);
  EXPECT_TRUE(model.RenameGroup("A", "Werkzeuge"));
  EXPECT_EQ(TreeOf(model), "Werkzeuge\n  eins\n  drei\nzwei\nB\n  vier\nfuenf\n");
  EXPECT_EQ(model.Bytes(), Records({{"Werkzeuge", "eins"}, {"", "zwei"}, {"Werkzeuge", "drei"}, {"B", "vier"}, {"", "fuenf"}}));

  const std::string before = model.Bytes();
  EXPECT_FALSE(model.RenameGroup("Werkzeuge", "B"));     // the groups would merge
  EXPECT_FALSE(model.RenameGroup("Werkzeuge", "zwei"));  // would join the program
  EXPECT_FALSE(model.RenameGroup("Werkzeuge", ""));
  EXPECT_FALSE(model.RenameGroup("zwei", "Neu"));        // a program, no group
  EXPECT_FALSE(model.RenameGroup("werkzeuge", "Neu"));   // group names are exact
  EXPECT_EQ(model.Bytes(), before);
}

TEST(ProgramListModelTest, RemovingKeepsTheOrderOfWhatStays) {
  ProgramListModel model(kScattered);
  model.Remove(NodeOf(model, "eins"));  // A's first program: A keeps its place
  EXPECT_EQ(TreeOf(model), "A\n  drei\nzwei\nB\n  vier\nfuenf\n");
  model.Remove(NodeOf(model, "B"));  // a group with its programs
  EXPECT_EQ(TreeOf(model), "A\n  drei\nzwei\nfuenf\n");
  model.Remove(NodeOf(model, "zwei"));
  EXPECT_EQ(model.Bytes(), Records({{"A", "drei"}, {"", "fuenf"}}));
}

TEST(ProgramListModelTest, MovingUpAndDownAmongSiblings) {
  ProgramListModel model(kScattered);
  EXPECT_TRUE(model.MoveDown(NodeOf(model, "eins")));
  EXPECT_EQ(TreeOf(model), "A\n  drei\n  eins\nzwei\nB\n  vier\nfuenf\n");
  // Only the two records changed places.
  EXPECT_EQ(model.Bytes(), Records({{"A", "drei"}, {"", "zwei"}, {"A", "eins"}, {"B", "vier"}, {"", "fuenf"}}));
  EXPECT_FALSE(model.MoveDown(NodeOf(model, "eins")));
  EXPECT_FALSE(model.MoveUp(NodeOf(model, "A")));

  EXPECT_TRUE(model.MoveUp(NodeOf(model, "zwei")));  // above the whole group
  EXPECT_EQ(TreeOf(model), "zwei\nA\n  drei\n  eins\nB\n  vier\nfuenf\n");
  EXPECT_TRUE(model.MoveDown(NodeOf(model, "A")));  // the group with both its programs
  EXPECT_EQ(TreeOf(model), "zwei\nB\n  vier\nA\n  drei\n  eins\nfuenf\n");
  EXPECT_TRUE(model.MoveDown(NodeOf(model, "A")));
  EXPECT_EQ(TreeOf(model), "zwei\nB\n  vier\nfuenf\nA\n  drei\n  eins\n");
  EXPECT_FALSE(model.MoveDown(NodeOf(model, "A")));
}

TEST(ProgramListModelTest, MovingIntoAndOutOfAGroup) {
  ProgramListModel model(kScattered);
  EXPECT_EQ(model.MoveToGroup(NodeOf(model, "fuenf"), "A"), 3);
  EXPECT_EQ(TreeOf(model), "A\n  eins\n  drei\n  fuenf\nzwei\nB\n  vier\n");
  EXPECT_EQ(model.Record(3).group, "A");

  // Out of its group: right after the group.
  EXPECT_EQ(model.MoveToGroup(NodeOf(model, "drei"), ""), 1);
  EXPECT_EQ(TreeOf(model), "A\n  eins\n  fuenf\ndrei\nzwei\nB\n  vier\n");
  // The group's first program out: the group keeps its place, the program follows it.
  model.MoveToGroup(NodeOf(model, "eins"), "");
  EXPECT_EQ(TreeOf(model), "A\n  fuenf\neins\ndrei\nzwei\nB\n  vier\n");
  // A group's only program out: it stands where the group stood.
  model.MoveToGroup(NodeOf(model, "vier"), "");
  EXPECT_EQ(TreeOf(model), "A\n  fuenf\neins\ndrei\nzwei\nvier\n");
  // Into a group that isn't there yet: the group is made where the program is.
  model.MoveToGroup(NodeOf(model, "drei"), "C");
  EXPECT_EQ(TreeOf(model), "A\n  fuenf\neins\nC\n  drei\nzwei\nvier\n");
  model.MoveToGroup(NodeOf(model, "fuenf"), "D");
  EXPECT_EQ(TreeOf(model), "D\n  fuenf\neins\nC\n  drei\nzwei\nvier\n");

  EXPECT_EQ(model.MoveToGroup(NodeOf(model, "C"), "D"), -1);  // a group made by its programs has no record
  EXPECT_EQ(model.MoveToGroup(NodeOf(model, "eins"), "eins"), -1);  // into itself
  EXPECT_THROW(model.Remove(7), std::out_of_range);  // the tree has seven nodes
  EXPECT_THROW(model.MoveUp(-1), std::out_of_range);
}

TEST(ProgramListModelTest, FieldsChangeInPlace) {
  ProgramListModel model("A\r\nrun.exe\r\nName\r\n\r\n\r\n");  // the sixth line lost with its line end
  EXPECT_EQ(model.RecordCount(), 0);
  ProgramListModel complete("A\nrun.exe\nName\n\n\nname.txt");
  complete.SetField(0, RecordField::kPicture, "bild.bmp");
  // An empty last line needs its line end, or the menu would not count it.
  complete.SetField(0, RecordField::kDescription, "");
  EXPECT_EQ(complete.Bytes(), "A\nrun.exe\nName\n\nbild.bmp\n\r\n");
  complete.SetField(0, RecordField::kDisplayName, "Neu");
  EXPECT_EQ(TreeOf(complete), "A\n  Neu\n");
  EXPECT_THROW(complete.SetField(1, RecordField::kGroup, "x"), std::out_of_range);
  EXPECT_THROW(complete.SetField(0, RecordField::kGroup, "x\ry"), std::invalid_argument);
}

}  // namespace
}  // namespace pandor
