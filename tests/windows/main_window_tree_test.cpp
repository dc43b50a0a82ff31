// Which groups are open, which node is selected and which icons show after
// clicks, the information panel's toggle and the tree's own keys, on a menu
// whose groups nest: "Kette" holds "Glied 1", which holds "Glied 2", and so
// on down to the program "Glied 4". Groups closed inside a closed group keep
// their own state, and show it once the outer group opens.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "menu/node_image.h"
#include "platform/text.h"
#include "tests/windows/menu_fixture.h"
#include "tests/windows/tree_shapes.h"
#include "tests/windows/window_input.h"
#include "tests/windows/window_probe.h"

namespace pandor::testing {
namespace {

using Rows = std::vector<std::string>;

class NestedGroupsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<ProgramRecord> programs = DeepChain(4);
    programs.push_back({"Spiele", "schach.exe", "Schach", "", "", ""});
    programs.push_back({"", "liesmich.txt", "Liesmich", "", "", ""});
    menu.WritePrograms(programs);
    ASSERT_TRUE(menu.Open());
    window().Show();
    Pump(window());
  }
  MainWindow& window() { return menu.Window(); }
  HWND tree() { return menu.Controls().tvMenu; }
  HTREEITEM item(const std::string& text) { return FindTreeItem(tree(), text); }
  void click(const std::string& text) { ClickTreeItem(window(), item(text)); }
  void key(UINT virtualKey) { PressKey(window(), tree(), virtualKey); }
  // Selecting by keyboard, which is no click.
  void select(const std::string& text) { TreeView_SelectItem(tree(), item(text)); }
  std::string selected() {
    wchar_t text[64] = L"";
    TVITEMW query{};
    query.mask = TVIF_TEXT | TVIF_HANDLE;
    query.hItem = TreeView_GetSelection(tree());
    query.pszText = text;
    query.cchTextMax = 64;
    SendMessageW(tree(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
    return ToUtf8(text);
  }
  // The rows on screen, indented by depth, each group with the folder it shows.
  Rows rows() {
    Rows shown;
    for (const TreeItem& row : ShownTreeRows(tree())) {
      std::string line = std::string(static_cast<size_t>(row.depth) * 2, ' ') + row.text;
      if (row.image == kImageFolderOpen) line += " (offen)";
      if (row.image == kImageFolderClosed) line += " (zu)";
      shown.push_back(line);
    }
    return shown;
  }

  MenuFixture menu;
};

const Rows kAllClosed{"Kette (zu)", "Spiele (zu)", "Liesmich"};
const Rows kChainOpen{"Kette (offen)", "  Glied 1 (offen)", "    Glied 2 (offen)", "      Glied 3 (offen)",
                      "        Glied 4",  "Spiele (zu)",        "Liesmich"};

TEST_F(NestedGroupsTest, ClickOpensTheWholeBranchAndAClickAgainClosesIt) {
  EXPECT_EQ(rows(), kAllClosed);
  click("Kette");
  EXPECT_EQ(rows(), kChainOpen);
  EXPECT_EQ(selected(), "Kette");
  EXPECT_EQ(WindowText(menu.Controls().mDesc), "Programm-Gruppe");
  click("Kette");
  EXPECT_EQ(rows(), kAllClosed);
  click("Spiele");
  EXPECT_EQ(rows(), (Rows{"Kette (zu)", "Spiele (offen)", "  Schach", "Liesmich"}));
}

TEST_F(NestedGroupsTest, ClickOnAnOpenInnerGroupClosesAllAndSelectsItsTopGroup) {
  click("Kette");
  click("Glied 2");
  EXPECT_EQ(rows(), kAllClosed);
  EXPECT_EQ(selected(), "Kette");
  EXPECT_EQ(WindowText(menu.Controls().mDesc), "Programm-Gruppe");
  // The inner groups closed too.
  key(VK_RIGHT);
  EXPECT_EQ(rows(), (Rows{"Kette (offen)", "  Glied 1 (zu)", "Spiele (zu)", "Liesmich"}));
}

TEST_F(NestedGroupsTest, ClickOnAClosedInnerGroupOpensItsBranchOutOfSight) {
  click("Kette");
  select("Glied 2");
  key(VK_LEFT);
  EXPECT_EQ(rows(), (Rows{"Kette (offen)", "  Glied 1 (offen)", "    Glied 2 (zu)", "Spiele (zu)", "Liesmich"}));
  click("Glied 2");
  EXPECT_EQ(rows(), kAllClosed);
  EXPECT_EQ(selected(), "Kette");
  // Opening the outer groups by keyboard shows the inner branch open.
  key(VK_RIGHT);
  EXPECT_EQ(rows(), (Rows{"Kette (offen)", "  Glied 1 (zu)", "Spiele (zu)", "Liesmich"}));
  key(VK_RIGHT);  // to Glied 1
  key(VK_RIGHT);
  EXPECT_EQ(rows(), kChainOpen);
  EXPECT_EQ(selected(), "Glied 1");
}

TEST_F(NestedGroupsTest, GroupsOpenedByKeyboardCloseWithTheNextClick) {
  select("Spiele");
  key(VK_RIGHT);
  EXPECT_EQ(rows(), (Rows{"Kette (zu)", "Spiele (offen)", "  Schach", "Liesmich"}));
  click("Spiele");  // it was open: the click closes it
  EXPECT_EQ(rows(), kAllClosed);

  select("Spiele");
  key(VK_RIGHT);
  click("Kette");
  EXPECT_EQ(rows(), kChainOpen);
  // Closed by keyboard, the group opens again with the next click.
  key(VK_LEFT);
  EXPECT_EQ(rows(), kAllClosed);
  click("Kette");
  EXPECT_EQ(rows(), kChainOpen);
}

TEST_F(NestedGroupsTest, StarOpensTheSelectedBranchAndTheTreeKeepsItsInnerGroupsOpen) {
  select("Kette");
  key(VK_RIGHT);
  EXPECT_EQ(rows(), (Rows{"Kette (offen)", "  Glied 1 (zu)", "Spiele (zu)", "Liesmich"}));
  key(VK_MULTIPLY);
  EXPECT_EQ(rows(), kChainOpen);
  EXPECT_EQ(selected(), "Kette");
  key(VK_LEFT);
  EXPECT_EQ(rows(), kAllClosed);
  key(VK_RIGHT);
  EXPECT_EQ(rows(), kChainOpen);

  // On a closed inner group it opens only what lies inside.
  select("Glied 2");
  key(VK_LEFT);
  select("Glied 1");
  key(VK_LEFT);
  key(VK_MULTIPLY);
  EXPECT_EQ(rows(), kChainOpen);
  EXPECT_EQ(selected(), "Glied 1");
}

TEST_F(NestedGroupsTest, ToggleKeepsOpenOnlyTheGroupsTheSelectedNodeLiesIn) {
  click("Kette");
  select("Spiele");
  key(VK_RIGHT);
  select("Glied 3");
  window().sbtnExpandClick();
  EXPECT_EQ(rows(), (Rows{"Kette (offen)", "  Glied 1 (offen)", "    Glied 2 (offen)", "      Glied 3 (zu)",
                          "Spiele (zu)", "Liesmich"}));
  EXPECT_EQ(selected(), "Glied 3");
  window().sbtnExpandClick();
  EXPECT_EQ(selected(), "Glied 3");
  key(VK_RIGHT);
  EXPECT_EQ(rows(), kChainOpen);
}

TEST(LargeTreeTest, EveryProgramOfAHugeGroupAppearsInOrderWhenItOpens) {
  MenuFixture menu;
  menu.WritePrograms(HugeGroup(2000));
  ASSERT_TRUE(menu.Open());
  menu.Window().Show();
  Pump(menu.Window());
  ClickTreeItem(menu.Window(), TreeView_GetRoot(menu.Controls().tvMenu));
  const std::vector<TreeItem> rows = ShownTreeRows(menu.Controls().tvMenu);
  ASSERT_EQ(rows.size(), 2001u);
  EXPECT_EQ(rows[0].image, kImageFolderOpen);
  for (size_t n = 1; n < rows.size(); ++n) {
    ASSERT_EQ(rows[n].text, "Programm " + std::to_string(n));
    ASSERT_EQ(rows[n].image, kImageCdRom);
  }
}

}  // namespace
}  // namespace pandor::testing
