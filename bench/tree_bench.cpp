// How long the menu tree keeps the window busy: opening the main window on
// large menus, and a group click, the information panel's toggle and the
// tree's own keys on trees of odd shapes, each against the same on a
// five-program menu in the same run. Opening is making the window and running
// its start-up (the tree filled), before it is shown, against making a plain
// window with a five-item tree view. Run by bench/tree_speed.sh under Wine.
//
// tree_bench [RUNS] [SHAPE...]
// SHAPE: mixed, huge, groups, chain (default: all). Each action is timed from
// the input until the window has handled it and repainted; the figures are the
// medians of RUNS runs (default 3), in milliseconds.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/windows/menu_fixture.h"
#include "tests/windows/tree_shapes.h"
#include "tests/windows/window_input.h"

namespace {

using pandor::MainWindow;
using pandor::testing::MenuFixture;
using pandor::testing::ProgramRecord;

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void FinishDrawing(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

// Milliseconds from the input until the window has handled it and drawn.
double TimeAction(MainWindow& window, const std::function<void()>& action) {
  const double start = Now();
  action();
  pandor::testing::Pump(window);
  FinishDrawing(window.Handle());
  return Now() - start;
}

// The slowest of each kind of action on one menu, and the opening.
struct Figures {
  double open = 0;
  double click = 0;
  double toggle = 0;
  double key = 0;
};

Figures Measure(const std::vector<ProgramRecord>& programs) {
  Figures figures;
  MenuFixture menu;
  menu.WritePrograms(programs);
  const double start = Now();
  if (!menu.Open()) return figures;
  figures.open = Now() - start;
  MainWindow* window = &menu.Window();
  window->Show();
  pandor::testing::Pump(*window);
  FinishDrawing(window->Handle());

  const HWND tree = menu.Controls().tvMenu;
  const HTREEITEM group = TreeView_GetRoot(tree);
  auto slowest = [&](double& figure, const std::function<void()>& action) {
    figure = std::max(figure, TimeAction(*window, action));
  };
  auto click = [&] { pandor::testing::ClickTreeItem(*window, group); };
  auto toggle = [&] { window->sbtnExpandClick(); };
  auto key = [&](UINT virtualKey) { return [&, virtualKey] { pandor::testing::PressKey(*window, tree, virtualKey); }; };

  slowest(figures.click, click);  // opens the group with everything in it
  slowest(figures.click, click);  // closes it
  slowest(figures.click, click);
  // The toggle with the group open and its first program selected.
  TreeView_SelectItem(tree, TreeView_GetChild(tree, group));
  slowest(figures.toggle, toggle);
  slowest(figures.toggle, toggle);
  TreeView_SelectItem(tree, group);
  for (UINT virtualKey : {VK_LEFT, VK_RIGHT, VK_LEFT, VK_MULTIPLY, VK_LEFT}) slowest(figures.key, key(virtualKey));
  return figures;
}

Figures MedianFigures(const std::vector<ProgramRecord>& programs, int runs) {
  std::vector<double> open, click, toggle, key;
  for (int run = 0; run < runs; ++run) {
    const Figures f = Measure(programs);
    open.push_back(f.open);
    click.push_back(f.click);
    toggle.push_back(f.toggle);
    key.push_back(f.key);
  }
  return {Median(open), Median(click), Median(toggle), Median(key)};
}

// A bare window of the main window's size with a five-item tree view: what
// any program pays to make such a window.
double PlainWindowWithFiveItems() {
  const double start = Now();
  const HWND window = CreateWindowExW(0, L"STATIC", L"Fenster", WS_POPUP | WS_CAPTION | WS_SYSMENU, 100, 100, 627, 343,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  const HWND tree = CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE, 16, 72, 305, 161, window, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
  for (const wchar_t* text : {L"Spiele", L"Liesmich", L"Werkzeuge", L"Notizen", L"Handbuch"}) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(text);
    SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
  }
  const double elapsed = Now() - start;
  DestroyWindow(window);
  return elapsed;
}

void PrintRow(const char* shape, const Figures& f, const Figures& base, double plain) {
  std::printf("%-38s %8.1f %8.1f %8.1f %8.1f   %7.2f %7.1f %7.1f %7.1f\n", shape, f.open, f.click, f.toggle, f.key,
              f.open / plain, f.click / base.click, f.toggle / base.toggle, f.key / base.key);
}

}  // namespace

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  MainWindow::RegisterClasses(GetModuleHandleW(nullptr));
  SetCursorPos(0, 0);

  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  const std::map<std::string, std::pair<const char*, std::vector<ProgramRecord>>> shapes{
      {"mixed", {"10,000 programs, 50 groups + 1/3 own", pandor::testing::MixedMenu(10000, 50)}},
      {"huge", {"one group of 10,000", pandor::testing::HugeGroup(10000)}},
      {"groups", {"5,000 groups of two", pandor::testing::ManyGroups(5000, 2)}},
      {"chain", {"chain of groups 3,000 deep", pandor::testing::DeepChain(3000)}},
  };
  std::vector<std::string> chosen;
  for (int i = 2; i < argc; ++i) chosen.push_back(argv[i]);
  if (chosen.empty()) chosen = {"mixed", "huge", "groups", "chain"};

  std::printf("medians of %d runs, milliseconds; ratios against the five-program menu of this run\n", runs);
  // The first window of a process pays for setting up the window system.
  PlainWindowWithFiveItems();
  std::vector<double> plain;
  for (int run = 0; run < runs; ++run) plain.push_back(PlainWindowWithFiveItems());
  const double plainOpen = Median(plain);
  std::printf("plain window with a tree view of five items: %.2f\n", plainOpen);
  Measure(pandor::testing::FiveProgramMenu());  // so is the first main window
  const Figures base = MedianFigures(pandor::testing::FiveProgramMenu(), runs);
  std::printf("%-38s %8s %8s %8s %8s   %7s %7s %7s %7s\n", "menu", "open", "click", "toggle", "key", "open x",
              "click x", "toggle x", "key x");
  PrintRow("five programs", base, base, plainOpen);
  for (const std::string& name : chosen) {
    const auto shape = shapes.find(name);
    if (shape == shapes.end()) {
      std::fprintf(stderr, "unknown shape %s\n", name.c_str());
      return 2;
    }
    PrintRow(shape->second.first, MedianFigures(shape->second.second, runs), base, plainOpen);
    std::fflush(stdout);
  }
  return 0;
}
