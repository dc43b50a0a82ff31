#include "menu/program_list_model.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace pandor {
namespace {

using RecordOrder = std::vector<size_t>;

RecordOrder FileOrder(int records) {
  RecordOrder order(static_cast<size_t>(records));
  std::iota(order.begin(), order.end(), size_t{0});
  return order;
}

RecordOrder::iterator Find(RecordOrder& order, int record) {
  return std::find(order.begin(), order.end(), static_cast<size_t>(record));
}

// Puts `record` right after `anchor` in the order.
void PlaceAfter(RecordOrder& order, int anchor, int record) { order.insert(Find(order, anchor) + 1, static_cast<size_t>(record)); }

// The records of a node and of every node below it, in file order.
std::vector<int> SubtreeRecords(const MenuTree& tree, int node) {
  std::vector<int> records;
  std::vector<int> pending{node};
  while (!pending.empty()) {
    const int n = pending.back();
    pending.pop_back();
    const int record = ProgramListModel::RecordOf(tree, n);
    if (record >= 0) records.push_back(record);
    const std::vector<int>& children = tree.Node(n).children;
    pending.insert(pending.end(), children.begin(), children.end());
  }
  std::sort(records.begin(), records.end());
  return records;
}

bool IsBelow(const MenuTree& tree, int node, int ancestor) {
  for (int n = node; n >= 0; n = tree.Node(n).parent) {
    if (n == ancestor) return true;
  }
  return false;
}

// The record after which a new program of group `node` goes: its last program's.
int LastRecordOf(const MenuTree& tree, int node) {
  const std::vector<int>& children = tree.Node(node).children;
  return ProgramListModel::RecordOf(tree, children.empty() ? node : children.back());
}

// A group that only its programs name stands where its first program's record
// is. When that program leaves, the group's next program takes its record's
// place, so that the group keeps its place in the tree. Gives that program's
// record, or -1.
int SuccessorInGroupPlace(const MenuTree& tree, int node) {
  const int parent = tree.Node(node).parent;
  if (parent < 0) return -1;
  const MenuNode& group = tree.Node(parent);
  if (group.recordLine >= 0 || group.children.front() != node || group.children.size() < 2) return -1;
  return ProgramListModel::RecordOf(tree, group.children[1]);
}

// Takes the node's record out of the order, keeping its group's place.
void TakeOut(const MenuTree& tree, int node, RecordOrder& order) {
  const int record = ProgramListModel::RecordOf(tree, node);
  const int successor = SuccessorInGroupPlace(tree, node);
  if (successor < 0) {
    order.erase(Find(order, record));
    return;
  }
  order.erase(Find(order, successor));
  *Find(order, record) = static_cast<size_t>(successor);
}

// The tree built for a change, which must know the node it is about.
MenuTree TreeWith(const ProgramListModel& model, int node) {
  MenuTree tree = model.Tree();
  if (node < 0 || node >= static_cast<int>(tree.Nodes().size())) throw std::out_of_range("no such node in the menu tree");
  return tree;
}

void RequireOneLine(const std::string& text) {
  if (!FitsOnOneLine(text)) throw std::invalid_argument("a program list line can't hold CR, LF or NUL");
}

// The record's lines, as ReadProgramEntry reads them.
LineList LinesOf(const ProgramEntry& program) {
  LineList lines(kProgramEntryLines);
  lines[FieldOffset(RecordField::kGroup)] = program.group;
  lines[FieldOffset(RecordField::kRunFile)] = program.runFile;
  lines[FieldOffset(RecordField::kDisplayName)] = program.displayName;
  lines[FieldOffset(RecordField::kInstalledName)] = program.installedName;
  lines[FieldOffset(RecordField::kPicture)] = program.picture;
  lines[FieldOffset(RecordField::kDescription)] = program.description;
  for (const std::string& line : lines) RequireOneLine(line);
  return lines;
}

}  // namespace

ProgramEntry ProgramListModel::Record(int record) const {
  if (record < 0 || record >= RecordCount()) throw std::out_of_range("ProgramListModel::Record");
  return ReadProgramEntry(file_.Lines(), static_cast<size_t>(record) * kProgramEntryLines);
}

LineList ProgramListModel::IncompleteRecord() const {
  const auto whole = static_cast<std::ptrdiff_t>(static_cast<size_t>(RecordCount()) * kProgramEntryLines);
  return LineList(file_.Lines().begin() + whole, file_.Lines().end());
}

MenuTree ProgramListModel::Tree() const {
  const auto whole = static_cast<std::ptrdiff_t>(static_cast<size_t>(RecordCount()) * kProgramEntryLines);
  MenuTree tree;
  tree.Build(LineList(file_.Lines().begin(), file_.Lines().begin() + whole));
  return tree;
}

int ProgramListModel::RecordOf(const MenuTree& tree, int node) {
  const int line = tree.Node(node).recordLine;
  return line < 0 ? -1 : line / static_cast<int>(kProgramEntryLines);
}

const std::string& ProgramListModel::Field(int record, RecordField field) const {
  return file_.Line(static_cast<size_t>(record) * kProgramEntryLines + FieldOffset(field));
}

void ProgramListModel::SetField(int record, RecordField field, const std::string& text) {
  if (record < 0 || record >= RecordCount()) throw std::out_of_range("ProgramListModel::SetField");
  RequireOneLine(text);
  if (Field(record, field) != text) {
    file_.Set(static_cast<size_t>(record) * kProgramEntryLines + FieldOffset(field), text);
  }
}

int ProgramListModel::AddProgram(const ProgramEntry& program) {
  const LineList lines = LinesOf(program);
  const MenuTree tree = Tree();
  const int group = program.group.empty() ? -1 : tree.FindFirstInDisplayOrder(program.group);
  const int added = RecordCount();
  file_.Insert(static_cast<size_t>(added) * kProgramEntryLines, lines);
  RecordOrder order = FileOrder(added);
  if (group < 0) {
    order.push_back(static_cast<size_t>(added));
  } else {
    PlaceAfter(order, LastRecordOf(tree, group), added);
  }
  Reorder(order);
  return static_cast<int>(Find(order, added) - order.begin());
}

int ProgramListModel::AddGroup(const std::string& name, ProgramEntry first) {
  if (name.empty() || !FitsOnOneLine(name) || Tree().FindFirstInDisplayOrder(name) >= 0) return -1;
  first.group = name;
  return AddProgram(first);
}

bool ProgramListModel::RenameGroup(const std::string& from, const std::string& to) {
  if (from.empty() || to.empty() || from == to || !FitsOnOneLine(to)) return false;
  if (Tree().FindFirstInDisplayOrder(to) >= 0) return false;
  bool named = false;
  for (int record = 0; record < RecordCount(); ++record) {
    if (Field(record, RecordField::kGroup) != from) continue;
    SetField(record, RecordField::kGroup, to);
    named = true;
  }
  return named;
}

void ProgramListModel::Remove(int node) {
  const MenuTree tree = TreeWith(*this, node);
  RecordOrder order = FileOrder(RecordCount());
  const int own = RecordOf(tree, node);
  if (own >= 0) TakeOut(tree, node, order);
  std::vector<bool> removed(static_cast<size_t>(RecordCount()));
  for (const int record : SubtreeRecords(tree, node)) removed[static_cast<size_t>(record)] = true;
  if (own >= 0) removed[static_cast<size_t>(own)] = false;  // taken out already
  order.erase(std::remove_if(order.begin(), order.end(), [&](size_t record) { return removed[record]; }), order.end());
  Reorder(order);
}

bool ProgramListModel::MoveUp(int node) {
  const MenuTree tree = TreeWith(*this, node);
  const MenuNode& moved = tree.Node(node);
  if (moved.position == 0) return false;
  const std::vector<int>& row = moved.parent < 0 ? tree.TopLevel() : tree.Node(moved.parent).children;
  const int before = row[static_cast<size_t>(moved.position - 1)];
  RecordOrder order = FileOrder(RecordCount());
  if (moved.parent >= 0) {
    // Programs of a group show in file order: the two records change places.
    std::swap(*Find(order, RecordOf(tree, node)), *Find(order, RecordOf(tree, before)));
  } else {
    // A top-level node stands where its first record is: all of its records
    // go, in their order, right before the first record of the node before it.
    const std::vector<int> records = SubtreeRecords(tree, node);
    std::vector<bool> inBlock(order.size());
    for (const int record : records) inBlock[static_cast<size_t>(record)] = true;
    order.erase(std::remove_if(order.begin(), order.end(), [&](size_t record) { return inBlock[record]; }), order.end());
    order.insert(Find(order, SubtreeRecords(tree, before).front()), records.begin(), records.end());
  }
  Reorder(order);
  return true;
}

bool ProgramListModel::MoveDown(int node) {
  const MenuTree tree = TreeWith(*this, node);
  const MenuNode& moved = tree.Node(node);
  const std::vector<int>& row = moved.parent < 0 ? tree.TopLevel() : tree.Node(moved.parent).children;
  const auto next = static_cast<size_t>(moved.position + 1);
  return next < row.size() && MoveUp(row[next]);
}

int ProgramListModel::MoveToGroup(int node, const std::string& group) {
  RequireOneLine(group);
  const MenuTree tree = TreeWith(*this, node);
  const int record = RecordOf(tree, node);
  if (record < 0) return -1;
  if (Field(record, RecordField::kGroup) == group) return record;
  const int target = group.empty() ? -1 : tree.FindFirstInDisplayOrder(group);
  if (target >= 0 && IsBelow(tree, target, node)) return -1;

  RecordOrder order = FileOrder(RecordCount());
  if (target >= 0) {
    TakeOut(tree, node, order);
    PlaceAfter(order, LastRecordOf(tree, target), record);
  } else if (tree.Node(node).parent >= 0) {
    // Out of its group, or into a new one: right after the first record of
    // the top-level node it leaves (its next program's, when it was the
    // group's first), so that it shows right after that node. A group that
    // loses its only program leaves the program where it stood.
    int top = node;
    while (tree.Node(top).parent >= 0) top = tree.Node(top).parent;
    const int successor = SuccessorInGroupPlace(tree, node);
    const int anchor = successor >= 0 ? successor : SubtreeRecords(tree, top).front();
    if (anchor != record) {
      TakeOut(tree, node, order);
      PlaceAfter(order, anchor, record);
    }
  }
  SetField(record, RecordField::kGroup, group);
  Reorder(order);
  return static_cast<int>(Find(order, record) - order.begin());
}

}  // namespace pandor
