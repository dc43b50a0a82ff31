#pragma once
// The menu tree built from the program list: groups at the top level holding
// their programs, and programs without a group beside them, in file order.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "menu/line_list.h"
#include "menu/program_entry.h"

namespace pandor {

struct MenuNode {
  std::string text;
  int parent = -1;            // -1 at the top level
  int position = 0;           // index among its parent's children (or the top level)
  std::vector<int> children;  // node indices, in the order added
  int record = -1;            // the program record this node was built from, or -1 for a group

  bool IsGroup() const { return !children.empty(); }
};

class MenuTree {
 public:
  // Adds a node for every complete record, in file order. A record whose group
  // names no node yet starts a new top-level group; otherwise its program joins
  // the first node in display order with that exact text, which may be an
  // earlier program (that one becomes a group). Throws ListIndexError on an
  // incomplete last record, keeping the nodes built before it.
  void Build(const LineList& programList);

  const std::vector<MenuNode>& Nodes() const { return nodes_; }
  const MenuNode& Node(int index) const { return nodes_[static_cast<size_t>(index)]; }
  const std::vector<int>& TopLevel() const { return topLevel_; }
  bool Empty() const { return nodes_.empty(); }

  // The record a program node was built from; nullptr for a node made as a group.
  const ProgramEntry* RecordOf(int node) const;

  // The first node in display order (each node followed by its descendants)
  // whose text equals `text` exactly; -1 when there is none.
  int FindFirstInDisplayOrder(std::string_view text) const;

 private:
  int AddNode(const std::string& text, int parent, int record);
  bool PrecedesInDisplayOrder(int a, int b) const;
  std::vector<int> PathFromTop(int node) const;

  std::vector<MenuNode> nodes_;
  std::vector<int> topLevel_;
  std::vector<ProgramEntry> records_;
  std::unordered_map<std::string, int> firstByText_;
};

}  // namespace pandor
