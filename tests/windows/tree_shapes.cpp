#include "tests/windows/tree_shapes.h"

namespace pandor::testing {
namespace {

ProgramRecord Program(const std::string& group, const std::string& name) {
  return {group, name + ".exe", name, "", "", ""};
}

}  // namespace

std::vector<ProgramRecord> HugeGroup(int programs) {
  std::vector<ProgramRecord> records;
  for (int n = 1; n <= programs; ++n) records.push_back(Program("Gruppe", "Programm " + std::to_string(n)));
  return records;
}

std::vector<ProgramRecord> ManyGroups(int groups, int each) {
  std::vector<ProgramRecord> records;
  for (int g = 1; g <= groups; ++g) {
    const std::string group = "Gruppe " + std::to_string(g);
    for (int n = 1; n <= each; ++n)
      records.push_back(Program(group, "Programm " + std::to_string(g) + "." + std::to_string(n)));
  }
  return records;
}

std::vector<ProgramRecord> DeepChain(int depth) {
  std::vector<ProgramRecord> records;
  std::string group = "Kette";
  for (int n = 1; n <= depth; ++n) {
    const std::string name = "Glied " + std::to_string(n);
    records.push_back(Program(group, name));
    group = name;
  }
  return records;
}

std::vector<ProgramRecord> MixedMenu(int programs, int groups) {
  std::vector<ProgramRecord> records;
  for (int n = 0; n < programs; ++n) {
    const std::string group = n % 3 == 0 ? "" : "Gruppe " + std::to_string(n % groups + 1);
    records.push_back(Program(group, "Programm " + std::to_string(n + 1)));
  }
  return records;
}

std::vector<ProgramRecord> FiveProgramMenu() {
  return {Program("Spiele", "Schach"), Program("Spiele", "Dame"), Program("", "Liesmich"),
          Program("Werkzeuge", "Rechner"), Program("", "Notizen")};
}

}  // namespace pandor::testing
