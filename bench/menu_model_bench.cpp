// Opening and saving a 10,000-program menu in the editor's model, against
// reading and writing the same two files plainly (the baselines, measured in
// the same run), and one edit with the tree the editor then shows.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "menu/menu_model.h"

namespace {
namespace fs = std::filesystem;

struct Menu {
  std::string options;
  std::string fileList;
};

// A third of the programs at the top level, the rest in 50 groups.
const Menu& GeneratedMenu() {
  static const Menu menu = [] {
    Menu m;
    m.options = "5600.0\r\n16777215\r\n1\r\n0\r\nBench\r\nWillkommen\r\n0\r\n0\r\n0\r\nStatus\r\n1\r\n"
                "Arial\r\n10\r\n0\r\n0\r\n1\r\n1\r\n[HELLO!]\r\nHallo\r\n";
    for (int i = 0; i < 10000; ++i) {
      const std::string name = "Programm " + std::to_string(i);
      m.fileList += (i % 3 == 0 ? "" : "Gruppe " + std::to_string(i % 50)) + "\r\nprogramme\\setup" +
                    std::to_string(i) + ".exe\r\n" + name + "\r\np" + std::to_string(i) + ".exe\r\n\r\ninfo" +
                    std::to_string(i) + ".txt\r\n";
    }
    return m;
  }();
  return menu;
}

const fs::path& Folder() {
  static const fs::path folder = [] {
    const fs::path path = fs::temp_directory_path() / "pandor7-model-bench";
    fs::create_directories(path);
    return path;
  }();
  return folder;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::string bytes(static_cast<size_t>(fs::file_size(path)), '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

void WriteFile(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

void WriteMenu(const Menu& menu) {
  WriteFile(Folder() / "options.dat", menu.options);
  WriteFile(Folder() / "filelist.dat", menu.fileList);
}

// The baselines of opening: the files' bytes, and their lines as the menu cuts them.
void ReadPlainly(benchmark::State& state) {
  WriteMenu(GeneratedMenu());
  for (auto _ : state) {
    Menu read{ReadFile(Folder() / "options.dat"), ReadFile(Folder() / "filelist.dat")};
    benchmark::DoNotOptimize(read.fileList.data());
  }
}

void ReadAsTheMenuDoes(benchmark::State& state) {
  WriteMenu(GeneratedMenu());
  for (auto _ : state) {
    const pandor::LineList options = pandor::SplitLines(ReadFile(Folder() / "options.dat"));
    const pandor::LineList fileList = pandor::SplitLines(ReadFile(Folder() / "filelist.dat"));
    benchmark::DoNotOptimize(fileList.data());
  }
}

// Read, held in the model, and the tree the editor shows built.
void OpenInModel(benchmark::State& state) {
  WriteMenu(GeneratedMenu());
  for (auto _ : state) {
    const pandor::MenuModel model{pandor::SettingsModel(ReadFile(Folder() / "options.dat")),
                                  pandor::ProgramListModel(ReadFile(Folder() / "filelist.dat"))};
    const pandor::MenuTree tree = model.programs.Tree();
    benchmark::DoNotOptimize(tree.Nodes().data());
  }
}

void WritePlainly(benchmark::State& state) {
  for (auto _ : state) WriteMenu(GeneratedMenu());
}

void SaveFromModel(benchmark::State& state) {
  const pandor::MenuModel model{pandor::SettingsModel(GeneratedMenu().options),
                                pandor::ProgramListModel(GeneratedMenu().fileList)};
  for (auto _ : state) WriteMenu(Menu{model.settings.Bytes(), model.programs.Bytes()});
}

// An edit the window waits for: a program moved into another group, and the
// tree built again (copying the model, as an undo step does, included).
void EditAndBuildTree(benchmark::State& state) {
  pandor::MenuModel model{pandor::SettingsModel(GeneratedMenu().options),
                          pandor::ProgramListModel(GeneratedMenu().fileList)};
  for (auto _ : state) {
    const pandor::MenuModel undo = model;
    const pandor::MenuTree before = model.programs.Tree();
    model.programs.MoveToGroup(before.FindFirstInDisplayOrder("Programm 4999"), "Gruppe 7");
    const pandor::MenuTree after = model.programs.Tree();
    benchmark::DoNotOptimize(after.Nodes().data());
    benchmark::DoNotOptimize(undo.programs.RecordCount());
  }
}

void Repeated(benchmark::internal::Benchmark* benchmark) {
  benchmark->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
}

BENCHMARK(ReadPlainly)->Apply(Repeated);
BENCHMARK(ReadAsTheMenuDoes)->Apply(Repeated);
BENCHMARK(OpenInModel)->Apply(Repeated);
BENCHMARK(WritePlainly)->Apply(Repeated);
BENCHMARK(SaveFromModel)->Apply(Repeated);
BENCHMARK(EditAndBuildTree)->Apply(Repeated);

}  // namespace

// glibc gives large blocks back to the system when they are freed, and which
// ones it keeps depends on what ran before: each loop would then pay for
// fresh pages or not by chance. The memory stays with the process, as it does
// with an editor that holds its menu, so that all five measure the same way.
int main(int argc, char** argv) {
  mallopt(M_MMAP_THRESHOLD, 256 << 20);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
