// Times how long programs take from process start to their shown window with
// a filled tree, under Wine or Windows, and how much memory they hold then.
// Run by bench/startup.sh and bench/editor.sh.
//
// startup_timer RUNS PROGRAM ITEMS [--argument TEXT] [PROGRAM ITEMS [--argument TEXT] ...]
// Starts each PROGRAM (in its own folder, with TEXT as its one command-line
// argument where one is given) RUNS times, the programs taking turns and
// each round beginning with the next one, so that a slow moment of
// the machine falls on all of them alike. A start is done when the program
// shows a window whose tree view holds at least ITEMS items and has painted
// that window (see Ready). Half a second later the timer reads the program's
// working set and ends it. Prints the medians, the first program being the
// baseline of the ratios.
//
// Not WaitForInputIdle: Wine signals it at the first look into the message
// queue, which its own start-up takes before the program has made a window.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr double kPatienceMs = 60000;
constexpr DWORD kSettleMs = 300;
constexpr DWORD kOpenMs = 500;

struct Program {
  std::wstring path;
  std::wstring argument;  // none when empty
  long items = 0;
  std::vector<double> milliseconds;
  std::vector<double> workingSetMb;
};

struct Shown {
  DWORD processId = 0;
  HWND window = nullptr;
  HWND tree = nullptr;
};

BOOL CALLBACK FindTree(HWND child, LPARAM param) {
  wchar_t className[64] = L"";
  GetClassNameW(child, className, 64);
  if (lstrcmpW(className, WC_TREEVIEWW) != 0) return TRUE;
  reinterpret_cast<Shown*>(param)->tree = child;
  return FALSE;
}

// The process's visible top-level window that holds a tree view.
BOOL CALLBACK FindShownWindow(HWND window, LPARAM param) {
  auto* shown = reinterpret_cast<Shown*>(param);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != shown->processId || !IsWindowVisible(window)) return TRUE;
  EnumChildWindows(window, FindTree, param);
  if (!shown->tree) return TRUE;
  shown->window = window;
  return FALSE;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string Ascii(const std::wstring& text) {
  std::string ascii;
  for (wchar_t c : text) ascii += c < 128 ? static_cast<char>(c) : '?';
  return ascii;
}

// The program's folder and file name, and its argument's last part, for the report.
std::string Label(const Program& program) {
  const std::wstring& path = program.path;
  const size_t file = path.find_last_of(L"\\/");
  const size_t folder = file == std::wstring::npos || file == 0 ? std::wstring::npos : path.find_last_of(L"\\/", file - 1);
  std::string label = Ascii(path.substr(folder == std::wstring::npos ? 0 : folder + 1));
  if (!program.argument.empty()) label += " " + Ascii(program.argument.substr(program.argument.find_last_of(L"\\/") + 1));
  return label;
}

// The program's command line: its path and its argument, quoted as
// CommandLineToArgvW reads them (backslashes before a quote doubled).
std::wstring CommandLine(const Program& program) {
  std::wstring line = L"\"" + program.path + L"\"";
  if (program.argument.empty()) return line;
  line += L" \"";
  size_t backslashes = 0;
  for (wchar_t c : program.argument) {
    if (c == L'"') line.append(backslashes + 1, L'\\');
    backslashes = c == L'\\' ? backslashes + 1 : 0;
    line += c;
  }
  return line.append(backslashes, L'\\') + L"\"";
}

BOOL CALLBACK FindUnpainted(HWND child, LPARAM param) {
  if (!IsWindowVisible(child) || !GetUpdateRect(child, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(param) = true;
  return FALSE;
}

// Whether the window and its visible children have painted all there is.
bool Painted(HWND window) {
  bool unpainted = GetUpdateRect(window, nullptr, FALSE) != FALSE;
  if (!unpainted) EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
  return !unpainted;
}

// The program is up once its window shows with the tree filled and nothing
// in the window waits to be painted. The item count is a message to the
// tree, which the program's thread answers only from its message loop, so
// the start-up code has returned by then. What the program does after
// that (the start-up sound's play command) doesn't count.
bool Ready(const Program& program, Shown& shown) {
  shown.window = nullptr;
  shown.tree = nullptr;
  EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&shown));
  if (!shown.tree || SendMessageW(shown.tree, TVM_GETCOUNT, 0, 0) < program.items) return false;
  return Painted(shown.window);
}

// One start of the program; false, with a message, when it didn't come up.
bool TimeOneStart(Program& program) {
  const std::wstring folder = program.path.substr(0, program.path.find_last_of(L"\\/") + 1);
  std::wstring commandLine = CommandLine(program);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(program.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
    std::fprintf(stderr, "%s: can't start it (error %lu)\n", Label(program).c_str(), GetLastError());
    return false;
  }
  const auto elapsedMs = [&] {
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
  };

  // Looking a thousand times a second costs the program little: each look
  // is a handful of calls to the window server.
  Shown shown{process.dwProcessId};
  bool ok = false;
  double readyMs = 0;
  while (!ok) {
    ok = Ready(program, shown);
    readyMs = elapsedMs();
    if (ok || WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0 || readyMs > kPatienceMs) break;
  }
  if (ok) {
    // The memory the menu holds while it is open, its start-up sound playing,
    // not only at the moment it first stood.
    Sleep(kOpenMs);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    program.milliseconds.push_back(readyMs);
    program.workingSetMb.push_back(static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0));
  } else {
    std::fprintf(stderr, "%s: no window with %ld tree items within %.0f ms\n", Label(program).c_str(),
                 program.items, readyMs);
  }

  // Ended outright: under Wine without a window manager a window that closes
  // itself waits up to two seconds for the X server, which would only make
  // the benchmark longer.
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 20000);
  // The window server and the X server tidy up after it before the next start.
  Sleep(kSettleMs);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<Program> programs;
  for (int i = 2; i < argc;) {
    if (i + 1 >= argc || lstrcmpW(argv[i], L"--argument") == 0) {
      programs.clear();
      break;
    }
    Program program;
    program.path = argv[i];
    program.items = std::wcstol(argv[i + 1], nullptr, 10);
    i += 2;
    if (i + 1 < argc && lstrcmpW(argv[i], L"--argument") == 0) {
      program.argument = argv[i + 1];
      i += 2;
    }
    programs.push_back(program);
  }
  if (programs.empty()) {
    std::fprintf(stderr, "usage: startup_timer RUNS PROGRAM ITEMS [--argument TEXT] [PROGRAM ITEMS [--argument TEXT] ...]\n");
    return 2;
  }
  const int runs = std::max(1, _wtoi(argv[1]));

  // A first round that isn't counted brings every file into the cache.
  for (Program& program : programs) {
    if (!TimeOneStart(program)) return 1;
    program.milliseconds.clear();
    program.workingSetMb.clear();
  }
  for (int run = 0; run < runs; ++run) {
    for (size_t turn = 0; turn < programs.size(); ++turn) {
      if (!TimeOneStart(programs[(run + turn) % programs.size()])) return 1;
    }
  }

  const double baseline = Median(programs.front().milliseconds);
  const double baselineMemory = Median(programs.front().workingSetMb);
  std::printf("runs %d (interleaved, after one uncounted round)\n", runs);
  for (const Program& program : programs) {
    const double ms = Median(program.milliseconds);
    const double mb = Median(program.workingSetMb);
    std::printf("%s: median %.1f ms (%.1f to %.1f), %.2f x the baseline; working set %.1f MB, %+.1f MB\n",
                Label(program).c_str(), ms,
                *std::min_element(program.milliseconds.begin(), program.milliseconds.end()),
                *std::max_element(program.milliseconds.begin(), program.milliseconds.end()), ms / baseline, mb,
                mb - baselineMemory);
  }
  return 0;
}
