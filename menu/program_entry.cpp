#include "menu/program_entry.h"

#include "menu/menu_error.h"

namespace pandor {

ProgramEntry ReadProgramEntry(const LineList& lines, size_t first) {
  auto line = [&](size_t offset) -> const std::string& {
    const size_t index = first + offset;
    if (index >= lines.size()) throw ListIndexError(static_cast<int>(index));
    return lines[index];
  };
  ProgramEntry entry;
  entry.group = line(FieldOffset(RecordField::kGroup));
  entry.runFile = line(FieldOffset(RecordField::kRunFile));
  entry.displayName = line(FieldOffset(RecordField::kDisplayName));
  entry.installedName = line(FieldOffset(RecordField::kInstalledName));
  entry.picture = line(FieldOffset(RecordField::kPicture));
  entry.description = line(FieldOffset(RecordField::kDescription));
  return entry;
}

}  // namespace pandor
