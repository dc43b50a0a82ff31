#pragma once
// A medium in a temporary folder, written by a checker test.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "checker/medium_check.h"
#include "menu/line_list.h"

namespace pandor::testing {

using Record = std::array<std::string, 6>;  // group, run file, name, installed name, picture, description

class MediumFolder {
 public:
  // A complete medium: valid settings, two programs with their files, a start-up sound.
  MediumFolder();
  ~MediumFolder();
  MediumFolder(const MediumFolder&) = delete;
  MediumFolder& operator=(const MediumFolder&) = delete;

  // relative: "/" between parts; bytes as they go on the medium.
  void Write(const std::string& relative, const std::string& bytes);
  void Remove(const std::string& relative);
  void WriteOptions(const LineList& lines);  // CR LF after each
  void WritePrograms(const std::vector<Record>& records);

  // Valid settings: lines 0 to 16, the marker and a welcome line.
  static LineList GoodOptions();
  static std::vector<Record> GoodPrograms();
  // A short PCM sound.
  static std::string GoodSound();

  // Every finding must point to a section the reference has, and the
  // editor's model must open and save the menu files unchanged.
  check::CheckReport Check() const;
  const std::filesystem::path& Root() const { return root_; }

 private:
  std::filesystem::path root_;
};

// The menu files of the medium at `root` (those there are), opened in the
// editor's model and written back, are byte for byte what they were.
void ExpectOpensAndSavesUnchanged(const std::filesystem::path& root);

// The findings of one severity, in the report's order.
std::vector<check::Finding> Of(const check::CheckReport& report, check::Severity severity);
// "file:line" of each finding of the severity, for compact comparisons.
std::vector<std::string> Places(const check::CheckReport& report, check::Severity severity);

}  // namespace pandor::testing
