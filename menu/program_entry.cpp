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
  entry.group = line(0);
  entry.runFile = line(1);
  entry.displayName = line(2);
  entry.installedName = line(3);
  entry.picture = line(4);
  entry.description = line(5);
  return entry;
}

}  // namespace pandor
