#pragma once
// The menu tree built from the program list: groups at the top level holding
// their programs, and programs without a group beside them, in file order.
// The tree keeps the program list; nodes refer to its lines rather than
// copying them, so that large lists build fast.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "menu/line_list.h"
#include "menu/program_entry.h"
#include "menu/text_index.h"

namespace pandor {

struct MenuNode {
  int textLine = 0;           // the program-list line that holds the node's text
  int parent = -1;            // -1 at the top level
  int position = 0;           // index among its parent's children (or the top level)
  std::vector<int> children;  // node indices, in the order added
  int recordLine = -1;        // first line of the program's record; -1 for a node made as a group

  bool IsGroup() const { return !children.empty(); }
};

class MenuTree {
 public:
  // Takes the program list and adds a node for every complete record, in
  // file order. A record whose group names no node yet starts a new top-level
  // group; otherwise its program joins the first node in display order with
  // that exact text, which may be an earlier program (that one becomes a
  // group). Throws ListIndexError on an incomplete last record, keeping the
  // nodes built before it.
  void Build(LineList programList);
  // Releases the program list and the nodes.
  void Clear();

  const LineList& ProgramList() const { return lines_; }
  const std::vector<MenuNode>& Nodes() const { return nodes_; }
  const MenuNode& Node(int index) const { return nodes_[static_cast<size_t>(index)]; }
  const std::string& Text(int node) const { return lines_[static_cast<size_t>(Node(node).textLine)]; }
  const std::vector<int>& TopLevel() const { return topLevel_; }
  bool Empty() const { return nodes_.empty(); }

  // The record a program node was built from; none for a node made as a group.
  std::optional<ProgramEntry> RecordOf(int node) const;

  // The first node in display order (each node followed by its descendants)
  // whose text equals `text` exactly; -1 when there is none.
  int FindFirstInDisplayOrder(std::string_view text) const;

 private:
  int AddNode(int textLine, int parent, int recordLine);
  std::string_view TextView(int node) const { return Text(node); }
  bool PrecedesInDisplayOrder(int a, int b) const;
  std::vector<int> PathFromTop(int node) const;

  LineList lines_;
  std::vector<MenuNode> nodes_;
  std::vector<int> topLevel_;
  TextIndex firstByText_;
};

}  // namespace pandor
