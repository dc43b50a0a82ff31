// How long pandor7-check takes: a generated medium of 10,000 programs without
// pictures (run files and descriptions present), and the demo medium when
// PANDOR7_DEMO_MEDIUM names it. The baseline, measured in the same run, is
// reading every file of the same medium once: what no check can go below.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "checker/medium_check.h"

namespace {
namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// A third of the programs at the top level, the rest in 50 groups.
fs::path GeneratedMedium(int programs) {
  const fs::path root = fs::temp_directory_path() / ("pandor7-check-bench-" + std::to_string(programs));
  if (fs::exists(root / "autorun" / "filelist.dat")) return root;
  std::string options = "5600.0\r\n16777215\r\n1\r\n0\r\nBench\r\nWillkommen\r\n0\r\n0\r\n0\r\nStatus\r\n1\r\n"
                        "Arial\r\n10\r\n0\r\n0\r\n1\r\n1\r\n[HELLO!]\r\nHallo\r\n";
  std::string list;
  for (int i = 0; i < programs; ++i) {
    const std::string name = "Programm " + std::to_string(i);
    const std::string run = "programme\\teil" + std::to_string(i % 20) + "\\setup" + std::to_string(i) + ".exe";
    list += (i % 3 == 0 ? "" : "Gruppe " + std::to_string(i % 50)) + "\r\n" + run + "\r\n" + name + "\r\n" + "p" +
            std::to_string(i) + ".exe\r\n\r\ninfo" + std::to_string(i) + ".txt\r\n";
    WriteFile(root / "programme" / ("teil" + std::to_string(i % 20)) / ("setup" + std::to_string(i) + ".exe"), "MZ");
    WriteFile(root / "autorun" / ("info" + std::to_string(i) + ".txt"), "Beschreibung von " + name + "\r\n");
  }
  WriteFile(root / "autorun" / "options.dat", options);
  WriteFile(root / "autorun" / "filelist.dat", list);
  WriteFile(root / "autorun.exe", "MZ");
  WriteFile(root / "autorun.inf", "[autorun]\r\nopen=autorun.exe\r\n");
  return root;
}

void CheckMedium(benchmark::State& state, const fs::path& root) {
  for (auto _ : state) {
    const pandor::check::CheckReport report = pandor::check::CheckMedium(root);
    benchmark::DoNotOptimize(report.facts.records);
  }
}

void ReadEveryFile(benchmark::State& state, const fs::path& root) {
  for (auto _ : state) {
    size_t bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream file(entry.path(), std::ios::binary);
      bytes += std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>()).size();
    }
    benchmark::DoNotOptimize(bytes);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path generated = GeneratedMedium(10000);
  benchmark::RegisterBenchmark("Check/10000_programs", CheckMedium, generated)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("ReadEveryFile/10000_programs", ReadEveryFile, generated)->Unit(benchmark::kMillisecond);
  if (const char* demo = std::getenv("PANDOR7_DEMO_MEDIUM")) {
    benchmark::RegisterBenchmark("Check/demo", CheckMedium, fs::path(demo))->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ReadEveryFile/demo", ReadEveryFile, fs::path(demo))->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
