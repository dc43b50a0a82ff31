#pragma once
// filelist.dat as the editor changes it. The menu tree is the one the menu
// builds (MenuTree); every change is made to the records so that the menu
// then shows the tree as the change means it, moving no record more than
// that needs. Lines after the last whole record (an incomplete record) stay
// at the end of the file. Nodes are those of Tree() as it stands before the
// change; one it doesn't have throws std::out_of_range.

#include <cstddef>
#include <string>
#include <string_view>

#include "menu/line_file.h"
#include "menu/menu_tree.h"
#include "menu/program_entry.h"

namespace pandor {

class ProgramListModel {
 public:
  ProgramListModel() = default;
  explicit ProgramListModel(std::string_view bytes) : file_(bytes) {}

  std::string Bytes() const { return file_.Bytes(); }
  const LineFile& File() const { return file_; }

  int RecordCount() const { return static_cast<int>(file_.Count() / kProgramEntryLines); }
  ProgramEntry Record(int record) const;
  // The lines after the last whole record: the record the menu stops at.
  LineList IncompleteRecord() const;
  // The tree the menu shows: built from the whole records.
  MenuTree Tree() const;
  // The record a node was built from; -1 for a group that only its programs name.
  static int RecordOf(const MenuTree& tree, int node);

  // Text that doesn't fit on one line throws std::invalid_argument.
  void SetField(int record, RecordField field, const std::string& text);
  // Adds the record as the last program of its group (the group named by its
  // first line), or last in the tree when that group is new or empty. Gives
  // the new record's index.
  int AddProgram(const ProgramEntry& program);
  // A group exists through its programs: adds `first` as the new group's
  // program, last in the tree. -1 when the name is empty or names a node already.
  int AddGroup(const std::string& name, ProgramEntry first);
  // Every record that names group `from` names `to`. False, changing nothing,
  // when `from` names no record's group, or `to` is empty or names a node
  // already (the programs would join it).
  bool RenameGroup(const std::string& from, const std::string& to);
  // Removes the node's record and those of every node below it. A group
  // keeps its place in the tree when its first program goes.
  void Remove(int node);
  // One place up or down among the node's siblings, with everything below
  // it. False at the end of the row.
  bool MoveUp(int node);
  bool MoveDown(int node);
  // A program into `group` as its last program, or with "" out of its group
  // to stand right after the group's top-level node. Into a group that
  // doesn't exist yet: the new group stands where a program out of its group
  // would, or where the top-level program stood. Gives the record's new
  // index; -1 for a node without a record or a group below the node itself.
  int MoveToGroup(int node, const std::string& group);

 private:
  // The lines of records in the order `records` gives (see LineFile::ReorderBlocks).
  void Reorder(const std::vector<size_t>& records) { file_.ReorderBlocks(kProgramEntryLines, records); }
  const std::string& Field(int record, RecordField field) const;

  LineFile file_;
};

}  // namespace pandor
