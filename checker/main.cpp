// pandor7-check [--json] MEDIUM_ROOT: what the menu will make of a medium.
// Exit status: 0 without errors, 1 with errors, 2 when it couldn't check.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "checker/medium_check.h"
#include "checker/report_output.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

constexpr char kUsage[] = "Aufruf: pandor7-check [--json] MEDIENORDNER\n";

int Run(const std::vector<std::filesystem::path>& arguments) {
  bool json = false;
  std::vector<std::filesystem::path> roots;
  for (const std::filesystem::path& argument : arguments) {
    if (argument == "--json") {
      json = true;
    } else if (argument == "--help" || argument == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else {
      roots.push_back(argument);
    }
  }
  if (roots.size() != 1) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const pandor::check::CheckReport report = pandor::check::CheckMedium(roots.front());
  const std::string output = json ? pandor::check::FormatJson(report) : pandor::check::FormatText(report);
  std::fwrite(output.data(), 1, output.size(), report.checked || json ? stdout : stderr);
  if (!report.checked) return 2;
  return report.findings.HasErrors() ? 1 : 0;
}

}  // namespace

#ifdef _WIN32
// Wide arguments, so that any folder name reaches the checker whole; the
// report is UTF-8, which the console is told.
int wmain(int argc, wchar_t** argv) {
  SetConsoleOutputCP(CP_UTF8);
  return Run(std::vector<std::filesystem::path>(argv + 1, argv + argc));
}
#else
int main(int argc, char** argv) { return Run(std::vector<std::filesystem::path>(argv + 1, argv + argc)); }
#endif
