// Building the menu tree from large program lists: the group search must not
// make the build quadratic.
#include <benchmark/benchmark.h>

#include <string>

#include "menu/menu_tree.h"

namespace {

// filelist.dat with `records` programs spread over `groups` groups, every
// tenth program standing at the top level.
std::string ProgramListFile(int records, int groups) {
  std::string file;
  for (int i = 0; i < records; ++i) {
    const bool grouped = i % 10 != 0;
    const std::string name = "Programm " + std::to_string(i);
    file += (grouped ? "Gruppe " + std::to_string(i % groups) : "") + "\r\n";
    file += "setup\\" + name + ".exe\r\n" + name + "\r\n" + name + ".exe\r\n" + name + ".jpg\r\n" + name + ".txt\r\n";
  }
  return file;
}

// What start-up does with the file's bytes: cut them into lines and build
// the tree (and, as the loop goes round, release it again).
void BuildMenuTree(benchmark::State& state) {
  const std::string file = ProgramListFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    pandor::MenuTree tree;
    tree.Build(pandor::SplitLines(file));
    benchmark::DoNotOptimize(tree.Nodes().data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The same in its two parts, to tell where the time goes: cutting the file
// into lines (one string each)...
void SplitProgramList(benchmark::State& state) {
  const std::string file = ProgramListFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    pandor::LineList lines = pandor::SplitLines(file);
    benchmark::DoNotOptimize(lines.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// ...and building the nodes from lines already in memory (copying them in
// is left out of the time).
void BuildNodesOnly(benchmark::State& state) {
  const pandor::LineList lines =
      pandor::SplitLines(ProgramListFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
  for (auto _ : state) {
    state.PauseTiming();
    pandor::LineList copy = lines;
    pandor::MenuTree tree;
    state.ResumeTiming();
    tree.Build(std::move(copy));
    benchmark::DoNotOptimize(tree.Nodes().data());
    state.PauseTiming();
    tree.Clear();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Five repetitions of each; the report gives their mean, median and spread.
void ListSizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgNames({"records", "groups"})
      ->Args({1000, 5})
      ->Args({10000, 5})
      ->Args({100000, 5})
      ->Args({1000, 500})
      ->Args({10000, 5000})
      ->Args({100000, 50000})
      ->Repetitions(5)
      ->ReportAggregatesOnly(true)
      ->Unit(benchmark::kMillisecond);
}

BENCHMARK(BuildMenuTree)->Apply(ListSizes);
BENCHMARK(SplitProgramList)->Apply(ListSizes);
BENCHMARK(BuildNodesOnly)->Apply(ListSizes);

}  // namespace

BENCHMARK_MAIN();
