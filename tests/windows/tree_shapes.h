#pragma once
// Program lists of odd shapes for the tree tests and the tree benchmark: one
// huge group, thousands of small groups, a chain of groups nested thousands
// deep, a large mixed menu and a small everyday one.

#include <string>
#include <vector>

#include "tests/windows/menu_fixture.h"

namespace pandor::testing {

// Group "Gruppe" holding "Programm 1" to "Programm <programs>".
std::vector<ProgramRecord> HugeGroup(int programs);
// Groups "Gruppe 1" to "Gruppe <groups>", each holding <each> programs named
// "Programm <group>.<n>".
std::vector<ProgramRecord> ManyGroups(int groups, int each);
// "Kette" holds "Glied 1", which holds "Glied 2", and so on: each record's
// group is the display name of the record before it.
std::vector<ProgramRecord> DeepChain(int depth);
// A third of the programs ungrouped, the rest spread over <groups> groups.
std::vector<ProgramRecord> MixedMenu(int programs, int groups);
// Five programs: two groups and two programs of their own.
std::vector<ProgramRecord> FiveProgramMenu();

}  // namespace pandor::testing
