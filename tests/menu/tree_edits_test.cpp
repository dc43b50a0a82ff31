// Edits of a menu whose names are all different, as an author makes them,
// against what the author sees: a tree of groups and programs changed as
// the edit says, checked against the tree the menu builds from the records
// written. Groups' records lie scattered through the file, as hand-made
// lists have them.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "menu/program_list_model.h"
#include "tests/menu/tree_outline.h"

namespace pandor {
namespace {

// The tree as the author sees it: top-level items, a group with its programs.
struct Item {
  std::string text;
  std::vector<std::string> programs;  // a group's; empty for a program
};
using Shown = std::vector<Item>;

std::string OutlineOf(const Shown& shown) {
  std::string out;
  for (const Item& item : shown) {
    out += item.text + "\n";
    for (const std::string& program : item.programs) out += "  " + program + "\n";
  }
  return out;
}

Shown ShownOf(const MenuTree& tree) {
  Shown shown;
  for (const int top : tree.TopLevel()) {
    Item item{tree.Text(top), {}};
    for (const int child : tree.Node(top).children) item.programs.push_back(tree.Text(child));
    shown.push_back(item);
  }
  return shown;
}

ProgramEntry Program(const std::string& group, const std::string& name) { return {group, name + ".exe", name, "", "", ""}; }

// Where a text stands: its top-level item, and its place among the group's programs (-1 for the item itself).
std::pair<size_t, int> Find(const Shown& shown, const std::string& text) {
  for (size_t i = 0; i < shown.size(); ++i) {
    if (shown[i].text == text) return {i, -1};
    const auto& programs = shown[i].programs;
    const auto found = std::find(programs.begin(), programs.end(), text);
    if (found != programs.end()) return {i, static_cast<int>(found - programs.begin())};
  }
  ADD_FAILURE() << text;
  return {0, -1};
}

// Takes a program out of its group; gives the item's index, and whether the group went with it.
std::pair<size_t, bool> TakeFromGroup(Shown& shown, size_t item, int place) {
  auto& programs = shown[item].programs;
  programs.erase(programs.begin() + place);
  if (!programs.empty()) return {item, false};
  shown.erase(shown.begin() + static_cast<std::ptrdiff_t>(item));
  return {item, true};
}

TEST(TreeEditsTest, EveryEditShowsAsTheAuthorMeantIt) {
  std::mt19937 random(22);
  int names = 0;
  auto newName = [&names] { return "N" + std::to_string(++names); };
  for (int round = 0; round < 200; ++round) {
    // Up to twelve programs, at the top level or in one of three groups, in any order.
    ProgramListModel model;
    const int programs = 1 + static_cast<int>(random() % 12);
    for (int i = 0; i < programs; ++i) {
      const int group = static_cast<int>(random() % 4);
      model.AddProgram(Program(group == 0 ? "" : "G" + std::to_string(group), newName()));
    }
    std::vector<size_t> order(static_cast<size_t>(programs));
    std::iota(order.begin(), order.end(), size_t{0});
    std::shuffle(order.begin(), order.end(), random);
    model = ProgramListModel([&] {
      std::string bytes;
      for (const size_t record : order) {
        const ProgramEntry p = model.Record(static_cast<int>(record));
        for (const std::string* line : {&p.group, &p.runFile, &p.displayName, &p.installedName, &p.picture, &p.description})
          bytes += *line + "\r\n";
      }
      return bytes;
    }());
    Shown shown = ShownOf(model.Tree());

    for (int edit = 0; edit < 12 && !shown.empty(); ++edit) {
      const MenuTree tree = model.Tree();
      const int node = static_cast<int>(random() % tree.Nodes().size());
      const std::string text = tree.Text(node);
      const auto [item, place] = Find(shown, text);
      const bool isGroup = place < 0 && !shown[item].programs.empty();
      std::string what;
      switch (random() % 6) {
        case 0: {
          what = "remove " + text;
          model.Remove(node);
          if (place < 0) shown.erase(shown.begin() + static_cast<std::ptrdiff_t>(item));
          else TakeFromGroup(shown, item, place);
          break;
        }
        case 1:
        case 2: {
          const bool up = random() % 2 == 0;
          what = (up ? "up " : "down ") + text;
          const bool moved = up ? model.MoveUp(node) : model.MoveDown(node);
          const size_t at = place < 0 ? item : static_cast<size_t>(place);
          const bool possible = up ? at > 0 : at + 1 < (place < 0 ? shown.size() : shown[item].programs.size());
          ASSERT_EQ(moved, possible) << what;
          if (!possible) break;
          const size_t other = up ? at - 1 : at + 1;
          if (place < 0) std::swap(shown[at], shown[other]);
          else std::swap(shown[item].programs[at], shown[item].programs[other]);
          break;
        }
        case 3: {
          // Into one of the groups there are.
          std::vector<std::string> groups;
          for (const Item& i : shown)
            if (!i.programs.empty()) groups.push_back(i.text);
          if (isGroup || groups.empty()) break;
          const std::string group = groups[random() % groups.size()];
          what = text + " into " + group;
          const bool already = place >= 0 && shown[item].text == group;
          ASSERT_GE(model.MoveToGroup(node, group), 0) << what;
          if (already) break;
          if (place < 0) shown.erase(shown.begin() + static_cast<std::ptrdiff_t>(item));
          else TakeFromGroup(shown, item, place);
          shown[Find(shown, group).first].programs.push_back(text);
          break;
        }
        case 4: {
          // Out of its group, or into a new one.
          if (isGroup) break;
          const bool intoNew = random() % 2 == 0;
          const std::string group = intoNew ? newName() : "";
          what = text + (intoNew ? " into new " + group : " out");
          ASSERT_GE(model.MoveToGroup(node, group), 0) << what;
          const Item moved = intoNew ? Item{group, {text}} : Item{text, {}};
          if (place < 0) {
            if (intoNew) shown[item] = moved;
            break;
          }
          const auto [at, gone] = TakeFromGroup(shown, item, place);
          shown.insert(shown.begin() + static_cast<std::ptrdiff_t>(gone ? at : at + 1), moved);
          break;
        }
        default: {
          if (isGroup) {
            const std::string name = newName();
            what = "rename " + text + " to " + name;
            ASSERT_TRUE(model.RenameGroup(text, name)) << what;
            shown[item].text = name;
          } else {
            // A new program: into this one's group, or at the end.
            const std::string group = place >= 0 ? shown[item].text : "";
            const std::string name = newName();
            what = "add " + name + " to " + (group.empty() ? "the top" : group);
            model.AddProgram(Program(group, name));
            if (group.empty()) shown.push_back(Item{name, {}});
            else shown[item].programs.push_back(name);
          }
        }
      }
      ASSERT_EQ(testing::Outline(model.Tree()), OutlineOf(shown)) << "round " << round << ": " << what;
    }
  }
}

}  // namespace
}  // namespace pandor
