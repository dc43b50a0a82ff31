#pragma once
// The files a program's record names: what the menu shows or starts for them.

#include <set>
#include <string>

#include "checker/check_context.h"
#include "menu/program_entry.h"

namespace pandor::check {

// Where a record stands in filelist.dat.
struct RecordPlace {
  std::string file;  // filelist.dat, relative to the root
  int firstLine;     // 1-based line of the record's group
};

class RecordFilesChecker {
 public:
  explicit RecordFilesChecker(const CheckContext& context) : context_(context) {}

  void Check(const ProgramEntry& program, const RecordPlace& place);

 private:
  void CheckRunFile(const ProgramEntry& program, const RecordPlace& place);
  void CheckInstalledName(const ProgramEntry& program, const RecordPlace& place);
  void CheckDescription(const ProgramEntry& program, const RecordPlace& place);
  void CheckPicture(const ProgramEntry& program, const RecordPlace& place);
  // Warnings about how a name is written (absolute, leaving the medium, case).
  void CheckName(const std::string& name, const std::string& menuPath, const RecordPlace& place, int offset,
                 const char* what);

  const CheckContext& context_;
  std::set<std::string> checkedFiles_;  // descriptions and pictures read once each
};

}  // namespace pandor::check
