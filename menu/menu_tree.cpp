#include "menu/menu_tree.h"

#include <algorithm>

#include "menu/menu_error.h"

namespace pandor {
namespace {

constexpr size_t kGroupOffset = FieldOffset(RecordField::kGroup);
constexpr size_t kDisplayNameOffset = FieldOffset(RecordField::kDisplayName);

}  // namespace

void MenuTree::Build(LineList programList) {
  Clear();
  lines_ = std::move(programList);
  // Every record adds a node, and perhaps a group.
  const size_t records = lines_.size() / kProgramEntryLines + 1;
  nodes_.reserve(records);
  firstByText_.Reserve(records);

  for (size_t first = 0; first < lines_.size(); first += kProgramEntryLines) {
    // An incomplete record fails at its first missing line.
    if (first + kProgramEntryLines > lines_.size()) throw ListIndexError(static_cast<int>(lines_.size()));
    const auto record = static_cast<int>(first);
    const auto displayName = static_cast<int>(first + kDisplayNameOffset);
    const std::string& group = lines_[first + kGroupOffset];
    if (group.empty()) {
      AddNode(displayName, -1, record);
      continue;
    }
    int groupNode = FindFirstInDisplayOrder(group);
    if (groupNode < 0) groupNode = AddNode(static_cast<int>(first + kGroupOffset), -1, -1);
    AddNode(displayName, groupNode, record);
  }
}

void MenuTree::Clear() {
  firstByText_.Clear();
  nodes_.clear();
  topLevel_.clear();
  lines_.clear();
}

std::optional<ProgramEntry> MenuTree::RecordOf(int node) const {
  const int first = Node(node).recordLine;
  if (first < 0) return std::nullopt;
  return ReadProgramEntry(lines_, static_cast<size_t>(first));
}

int MenuTree::FindFirstInDisplayOrder(std::string_view text) const {
  return firstByText_.Find(text, [this](int node) { return TextView(node); });
}

int MenuTree::AddNode(int textLine, int parent, int recordLine) {
  std::vector<int>& siblings = parent < 0 ? topLevel_ : nodes_[static_cast<size_t>(parent)].children;
  const int index = static_cast<int>(nodes_.size());
  MenuNode node;
  node.textLine = textLine;
  node.parent = parent;
  node.position = static_cast<int>(siblings.size());
  node.recordLine = recordLine;
  siblings.push_back(index);
  nodes_.push_back(std::move(node));

  // A node appended under an earlier parent can come before nodes of the same
  // text added earlier, so the index keeps whichever is first in display order.
  firstByText_.Add(
      index, [this](int n) { return TextView(n); },
      [this, index](int existing) { return PrecedesInDisplayOrder(index, existing); });
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
