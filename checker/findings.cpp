#include "checker/findings.h"

#include <algorithm>

namespace pandor::check {

void Findings::Error(std::string file, int line, std::string message, std::string see,
                     std::optional<std::string> shows) {
  Add({Severity::kError, std::move(file), line, std::move(message), std::move(shows), std::move(see)});
}

void Findings::Warning(std::string file, int line, std::string message, std::string see,
                       std::optional<std::string> shows) {
  Add({Severity::kWarning, std::move(file), line, std::move(message), std::move(shows), std::move(see)});
}

void Findings::Note(std::string file, std::string message, std::string see) {
  Add({Severity::kNote, std::move(file), 0, std::move(message), std::nullopt, std::move(see)});
}

bool Findings::HasErrors() const {
  return std::any_of(findings_.begin(), findings_.end(),
                     [](const Finding& finding) { return finding.severity == Severity::kError; });
}

std::vector<Finding> Findings::Sorted() const {
  std::vector<Finding> sorted = findings_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Finding& a, const Finding& b) {
    if (a.file.empty() != b.file.empty()) return b.file.empty();
    if (a.file != b.file) return a.file < b.file;
    return a.line < b.line;
  });
  return sorted;
}

}  // namespace pandor::check
