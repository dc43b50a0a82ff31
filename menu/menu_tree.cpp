#include "menu/menu_tree.h"

#include <algorithm>

namespace pandor {

void MenuTree::Build(const LineList& programList) {
  for (size_t first = 0; first < programList.size(); first += kProgramEntryLines) {
    ProgramEntry entry = ReadProgramEntry(programList, first);
    records_.push_back(std::move(entry));
    const int record = static_cast<int>(records_.size() - 1);
    const ProgramEntry& added = records_.back();
    if (added.group.empty()) {
      AddNode(added.displayName, -1, record);
      continue;
    }
    int group = FindFirstInDisplayOrder(added.group);
    if (group < 0) group = AddNode(added.group, -1, -1);
    AddNode(added.displayName, group, record);
  }
}

const ProgramEntry* MenuTree::RecordOf(int node) const {
  const int record = Node(node).record;
  return record < 0 ? nullptr : &records_[static_cast<size_t>(record)];
}

int MenuTree::FindFirstInDisplayOrder(std::string_view text) const {
  const auto found = firstByText_.find(std::string(text));
  return found == firstByText_.end() ? -1 : found->second;
}

int MenuTree::AddNode(const std::string& text, int parent, int record) {
  std::vector<int>& siblings = parent < 0 ? topLevel_ : nodes_[static_cast<size_t>(parent)].children;
  const int index = static_cast<int>(nodes_.size());
  MenuNode node;
  node.text = text;
  node.parent = parent;
  node.position = static_cast<int>(siblings.size());
  node.record = record;
  siblings.push_back(index);
  nodes_.push_back(std::move(node));

  // A node appended under an earlier parent can come before nodes of the same
  // text added earlier, so the index keeps whichever is first in display order.
  auto [slot, inserted] = firstByText_.try_emplace(text, index);
  if (!inserted && PrecedesInDisplayOrder(index, slot->second)) slot->second = index;
  return index;
}

std::vector<int> MenuTree::PathFromTop(int node) const {
  std::vector<int> path;
  for (int n = node; n >= 0; n = Node(n).parent) path.push_back(Node(n).position);
  std::reverse(path.begin(), path.end());
  return path;
}

bool MenuTree::PrecedesInDisplayOrder(int a, int b) const {
  // Display order is the lexicographic order of the positions from the top;
  // an ancestor (a shorter prefix) comes before its descendants.
  const std::vector<int> pathA = PathFromTop(a);
  const std::vector<int> pathB = PathFromTop(b);
  return std::lexicographical_compare(pathA.begin(), pathA.end(), pathB.begin(), pathB.end());
}

}  // namespace pandor
