#pragma once
// filelist.dat: six lines a program, no header, no separator.

#include <cstddef>
#include <string>

#include "menu/line_list.h"

namespace pandor {

constexpr size_t kProgramEntryLines = 6;

// The lines of a record, in file order.
enum class RecordField : size_t { kGroup, kRunFile, kDisplayName, kInstalledName, kPicture, kDescription };

// A field's line within its record.
constexpr size_t FieldOffset(RecordField field) { return static_cast<size_t>(field); }

struct ProgramEntry {
  std::string group;          // empty: the program stands at the top level
  std::string runFile;        // relative to the medium's root
  std::string displayName;    // the text in the menu tree
  std::string installedName;  // executable name an installed copy is registered under
  std::string picture;        // preview picture, relative to the menu folder
  std::string description;    // description text, relative to the menu folder
};

// The record whose first line is `first`; throws ListIndexError naming the
// first line of it that the list doesn't have.
ProgramEntry ReadProgramEntry(const LineList& lines, size_t first);

}  // namespace pandor
