#include "tests/checker/medium_folder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <iterator>

#include <unistd.h>

#include "checker/medium_files.h"
#include "menu/file_source.h"
#include "menu/menu_error.h"
#include "tests/menu/model_edits.h"
#include "tests/menu/test_bytes.h"

namespace pandor::testing {
namespace fs = std::filesystem;

MediumFolder::MediumFolder() {
  static std::atomic<int> counter{0};
  root_ = fs::temp_directory_path() / ("pandor7-check-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(root_);
  fs::create_directories(root_);
  WriteOptions(GoodOptions());
  WritePrograms(GoodPrograms());
  Write("autorun/startup.wav", GoodSound());
  Write("autorun.exe", "MZ");
  Write("autorun.inf", "[autorun]\r\nopen=autorun.exe\r\nicon=autorun.exe,0\r\n");
  Write("setup/rechner.exe", "MZ");
  Write("Spiele/Schach Setup.exe", "MZ");
  Write("autorun/rechner.txt", "Ein Rechner.\r\nMit zwei Zeilen.");
  Write("autorun/schach.jpg", PlainJpeg(32, 24));
}

MediumFolder::~MediumFolder() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

check::CheckReport MediumFolder::Check() const {
  static const std::string reference = [] {
    std::ifstream file(PANDOR7_SOURCE_DIR "/docs/menu-format.md");
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  }();
  ExpectOpensAndSavesUnchanged(root_);
  check::CheckReport report = check::CheckMedium(root_);
  for (const check::Finding& finding : report.findings.Sorted()) {
    EXPECT_NE(reference.find("<a id=\"" + finding.see + "\"></a>"), std::string::npos)
        << "no section " << finding.see << " in docs/menu-format.md";
  }
  return report;
}

void MediumFolder::Write(const std::string& relative, const std::string& bytes) {
  const fs::path path = root_ / fs::u8path(relative);
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

void MediumFolder::Remove(const std::string& relative) { fs::remove(root_ / fs::u8path(relative)); }

void MediumFolder::WriteOptions(const LineList& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  Write("autorun/options.dat", bytes);
}

void MediumFolder::WritePrograms(const std::vector<Record>& records) {
  std::string bytes;
  for (const Record& record : records) {
    for (const std::string& field : record) bytes += field + "\r\n";
  }
  Write("autorun/filelist.dat", bytes);
}

LineList MediumFolder::GoodOptions() {
  return {"5600.0", "16777215", "1", "0", "Test-CD", "Willkommen", "0", "16777215", "$00804020", "Viel Spa\xDF",
          "1", "Arial", "10", "0", "0", "1", "1", "[HELLO!]", "Sch\xF6n, dass Sie da sind."};
}

std::vector<Record> MediumFolder::GoodPrograms() {
  return {{"Werkzeuge", "setup\\rechner.exe", "Rechner", "rechner.exe", "", "rechner.txt"},
          {"", "Spiele\\Schach Setup.exe", "Schach", "", "schach.jpg", ""}};
}

std::string MediumFolder::GoodSound() {
  ByteWriter wave;
  wave.Bytes("RIFF").U32(4 + 24 + 8 + 8).Bytes("WAVE");
  wave.Bytes("fmt ").U32(16).U16(1).U16(1).U32(8000).U32(16000).U16(2).U16(16);
  return wave.Bytes("data").U32(8).Bytes(std::string(8, '\0')).Data();
}

void ExpectOpensAndSavesUnchanged(const fs::path& root) {
  const check::MediumFiles files(root);
  const MenuFolder folder = MenuFolderFor(std::string(check::kMediumRoot) + "autorun.exe");
  // A file that isn't there or can't be read is empty to the model and stays untouched.
  auto read = [&](const char* name) {
    const std::string path = folder.menuDir + name;
    try {
      return FileExists(files, path) ? files.ReadWhole(path) : std::string();
    } catch (const MenuError&) {
      return std::string();
    }
  };
  const std::string options = read(kOptionsFile);
  const std::string fileList = read(kFileListFile);
  const MenuModel model = ModelOf(options, fileList);
  EXPECT_EQ(model.settings.Bytes(), options) << root;
  EXPECT_EQ(model.programs.Bytes(), fileList) << root;
  EXPECT_EQ(RoundTripFault(model), "") << root;
}

std::vector<check::Finding> Of(const check::CheckReport& report, check::Severity severity) {
  std::vector<check::Finding> found;
  for (const check::Finding& finding : report.findings.Sorted()) {
    if (finding.severity == severity) found.push_back(finding);
  }
  return found;
}

std::vector<std::string> Places(const check::CheckReport& report, check::Severity severity) {
  std::vector<std::string> places;
  for (const check::Finding& finding : Of(report, severity)) {
    places.push_back(finding.file + ":" + std::to_string(finding.line));
  }
  return places;
}

}  // namespace pandor::testing
