#pragma once
// What the checker has to say about a medium, finding by finding.

#include <optional>
#include <string>
#include <vector>

namespace pandor::check {

enum class Severity { kError, kWarning, kNote };

struct Finding {
  Severity severity = Severity::kNote;
  std::string file;  // relative to the medium root, with "/"; empty for the medium as a whole
  int line = 0;      // 1-based; 0 where no line applies
  std::string message;             // German, UTF-8
  std::optional<std::string> shows;  // the text the menu shows, byte for byte (UTF-8)
  std::string see;                   // anchor in docs/menu-format.md
};

class Findings {
 public:
  void Add(Finding finding) { findings_.push_back(std::move(finding)); }
  void Error(std::string file, int line, std::string message, std::string see,
             std::optional<std::string> shows = std::nullopt);
  void Warning(std::string file, int line, std::string message, std::string see,
               std::optional<std::string> shows = std::nullopt);
  void Note(std::string file, std::string message, std::string see);

  bool HasErrors() const;
  // In file and line order; the medium as a whole last; otherwise as found.
  std::vector<Finding> Sorted() const;

 private:
  std::vector<Finding> findings_;
};

}  // namespace pandor::check
