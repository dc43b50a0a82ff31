#pragma once
// The checker: reads a medium the way the menu will and says what the menu
// will show, stop at or quietly do wrong.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "checker/findings.h"
#include "checker/medium_files.h"

namespace pandor::check {

// The menu at a glance.
struct MenuFacts {
  std::optional<std::string> caption;  // settings line 4, UTF-8
  int records = 0;
  int groups = 0;
  std::map<std::string, int> picturesByFormat;
  uint64_t mediumBytes = 0;
};

struct CheckReport {
  bool checked = false;  // false: the medium couldn't be read at all (see failure)
  std::string failure;
  Findings findings;
  MenuFacts facts;
};

// The medium at `root` as it will be once the editor has saved `unsaved`.
CheckReport CheckMedium(const std::filesystem::path& root, const UnsavedFiles& unsaved = {});

}  // namespace pandor::check
