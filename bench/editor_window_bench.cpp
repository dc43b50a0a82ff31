// How long the editor's window keeps the author waiting after an edit, while
// the checker brings the findings up to date on a thread of its own. Run by
// bench/editor.sh under Wine.
//
// editor_window_bench ROOT [RUNS]
// Opens an EditorWindow on the medium ROOT on a thread of its own, which runs
// the window's message loop as the editor does, and from this thread makes
// edits through the window as an author makes them, in rounds on the first
// program at the top level: its display name typed into its field and the
// field left; the program moved down; a program added (ROOT\programme\Neu.exe,
// written here, chosen in the file dialog); undo, three times. Each edit is
// timed from its command until the window's thread is back in its message
// loop with what the edit posted handled ("answered"), and until the window
// has painted. RUNS rounds (default 7) after one uncounted round, twice:
// the edits one after another, as an author works on, so that each comes
// while the check of the one before runs, and after each round how long the
// findings of its last edit take to arrive and the longest the window took
// to answer meanwhile (it is asked for the findings list's text every 5 ms);
// then each edit waiting for its findings before the next. Last, the parts
// of an edit's work apart (copying the menu, the model's change, the tree
// built and shown, ...), to show where its time goes. Medians in milliseconds.

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/bench_clock.h"
#include "editor/editor_dialogs.h"
#include "editor/editor_ids.h"
#include "editor/editor_window.h"
#include "editor/unsaved_files.h"
#include "platform/text.h"

namespace {

using namespace pandor;
using namespace pandor::editor_ids;
using bench::Now;

constexpr double kGoalMs = 100;
constexpr double kPatienceMs = 300000;
constexpr UINT kRun = WM_APP + 1;   // lParam: the task to run
constexpr UINT kMark = WM_APP + 2;  // lParam: the Mark to set
constexpr wchar_t kRunnerClass[] = L"Pandor7BenchRunner";

// The author's side of the dialogs: the program file to add is chosen, and
// every question is answered no; what the editor tells is kept.
class AuthorDialogs : public EditorDialogs {
 public:
  std::wstring programFile;
  std::vector<std::string> errors;

  std::optional<std::wstring> ChooseFolder(HWND, const std::string&) override { return std::nullopt; }
  std::optional<std::wstring> ChooseFile(HWND, FileKind) override { return programFile; }
  Answer Ask(HWND, const std::string&, bool) override { return Answer::kNo; }
  void Tell(HWND, const std::string& text) override { errors.push_back(text); }
  void Error(HWND, const std::string& text) override { errors.push_back(text); }
  bool Start(const std::wstring&, const std::wstring&) override { return false; }
};

// When the window's thread came to a message posted after an edit, and when
// it had painted its windows after that.
struct Mark {
  HWND editor;
  HANDLE reached;
  double answered = 0;
  double painted = 0;
};

LRESULT CALLBACK RunnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRun) {
    (*reinterpret_cast<const std::function<void()>*>(lParam))();
    return 0;
  }
  if (message == kMark) {
    Mark& mark = *reinterpret_cast<Mark*>(lParam);
    mark.answered = Now();
    RedrawWindow(mark.editor, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    mark.painted = Now();
    SetEvent(mark.reached);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// The editor's window on a thread of its own, driven from the caller's.
// Counts the windows it is called for, in the int that `counter` points to.
BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
  ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

class EditorThread {
 public:
  EditorThread(std::wstring root, std::wstring programFile) : root_(std::move(root)) {
    dialogs_.programFile = std::move(programFile);
    thread_ = CreateThread(nullptr, 0, Main, this, 0, nullptr);
    HANDLE waits[] = {ready_, thread_};
    WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    if (!runner_) {
      WaitForSingleObject(thread_, INFINITE);
      throw std::runtime_error("the editor didn't open " + ToUtf8(root_) +
                               (dialogs_.errors.empty() ? "" : ": " + dialogs_.errors.front()));
    }
  }
  ~EditorThread() {
    if (runner_) {
      Run([this] {
        editor_.reset();
        DestroyWindow(runner_);
        PostQuitMessage(0);
      });
    }
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    CloseHandle(ready_);
    CloseHandle(reached_);
  }
  EditorThread(const EditorThread&) = delete;
  EditorThread& operator=(const EditorThread&) = delete;

  // Runs the task on the window's thread, from its message loop.
  void Run(const std::function<void()>& task) {
    SendMessageW(runner_, kRun, 0, reinterpret_cast<LPARAM>(&task));
  }

  // Milliseconds from the action (run on the window's thread) until that
  // thread is back in its loop with the messages the action posted handled,
  // and until it has painted.
  std::pair<double, double> Time(const std::function<void()>& action) {
    Mark mark{editor_->Handle(), reached_};
    const double start = Now();
    Run(action);
    PostMessageW(runner_, kMark, 0, reinterpret_cast<LPARAM>(&mark));
    WaitForSingleObject(reached_, INFINITE);
    if (!dialogs_.errors.empty()) throw std::runtime_error("the editor said: " + dialogs_.errors.front());
    return {mark.answered - start, mark.painted - start};
  }

  // Waits for the findings about the menu as it is now. Gives the
  // milliseconds from `since` until they came, and the longest the window
  // took to answer meanwhile.
  std::pair<double, double> WaitForFindings(double since) {
    const HWND list = editor_->FindingsList().Handle();
    double longest = 0;
    for (;;) {
      wchar_t text[64] = L"";
      const double asked = Now();
      GetWindowTextW(list, text, 64);  // a message to the window's thread
      const double now = Now();
      longest = std::max(longest, now - asked);
      if (lstrcmpW(text, L"Befunde") == 0) return {now - since, longest};
      if (now - since > kPatienceMs) throw std::runtime_error("no findings within five minutes");
      Sleep(5);
    }
  }

  EditorWindow& Editor() { return *editor_; }
  struct Opening {
    double create = 0;  // EditorWindow::Create, milliseconds
    double open = 0;    // EditorWindow::OpenMedium, milliseconds
    int windows = 0;        // the window's child windows then
    int hiddenWindows = 0;  // of them on hidden pages
  };
  const Opening& Opened() const { return opening_; }

 private:
  static DWORD WINAPI Main(void* self) { return static_cast<EditorThread*>(self)->Loop(); }

  DWORD Loop() {
    const bool opened = OpenEditor();
    if (!opened) editor_.reset();
    SetEvent(ready_);
    if (!opened) return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      if (editor_ && editor_->PreTranslateMessage(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    return 0;
  }

  // The window on the medium, and the runner of the tasks beside it.
  bool OpenEditor() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    EditorWindow::RegisterClasses(instance);
    editor_ = std::make_unique<EditorWindow>(instance, dialogs_, L".");
    double start = Now();
    if (!editor_->Create()) return false;
    opening_.create = Now() - start;
    ShowWindow(editor_->Handle(), SW_SHOW);
    SetForegroundWindow(editor_->Handle());
    start = Now();
    if (!editor_->OpenMedium(root_)) return false;
    opening_.open = Now() - start;
    // The windows below it, and those on pages not shown (the settings page).
    EnumChildWindows(editor_->Handle(), CountWindow, reinterpret_cast<LPARAM>(&opening_.windows));
    for (HWND page = GetWindow(editor_->Handle(), GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT)) {
      if (!IsWindowVisible(page)) EnumChildWindows(page, CountWindow, reinterpret_cast<LPARAM>(&opening_.hiddenWindows));
    }
    WNDCLASSW runnerClass{};
    runnerClass.lpfnWndProc = RunnerProc;
    runnerClass.hInstance = instance;
    runnerClass.lpszClassName = kRunnerClass;
    RegisterClassW(&runnerClass);
    runner_ = CreateWindowExW(0, kRunnerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    return runner_ != nullptr;
  }

  std::wstring root_;
  AuthorDialogs dialogs_;
  std::unique_ptr<EditorWindow> editor_;
  Opening opening_;
  HWND runner_ = nullptr;
  HANDLE thread_ = nullptr;
  HANDLE ready_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HANDLE reached_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
};

// The form's field after the label with that text.
HWND FieldAfter(HWND editor, const wchar_t* label) {
  for (HWND page = GetWindow(editor, GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT)) {
    if (const HWND found = FindWindowExW(page, nullptr, L"STATIC", label)) return GetWindow(found, GW_HWNDNEXT);
  }
  throw std::runtime_error("no field " + ToUtf8(label));
}

// The programs at the top level; at least two.
std::vector<int> TopLevelPrograms(const MenuTree& tree) {
  std::vector<int> programs;
  for (int node : tree.TopLevel()) {
    if (!tree.Node(node).IsGroup()) programs.push_back(node);
  }
  if (programs.size() < 2) throw std::runtime_error("fewer than two programs at the top level");
  return programs;
}

void WriteProgramFile(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  const bool ok = file != INVALID_HANDLE_VALUE && WriteFile(file, "MZ", 2, &written, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  if (!ok) throw std::runtime_error("can't write " + ToUtf8(path));
}

// An edit's timings over the rounds, in milliseconds.
struct Kind {
  const char* name;
  std::vector<double> answered, painted;
  std::vector<double> findings, longestAnswer;  // when each edit waited for its findings
};

double Slowest(const std::vector<double>& values) { return *std::max_element(values.begin(), values.end()); }

void PrintKind(const Kind& kind) {
  const double painted = bench::Median(kind.painted);
  std::printf("  %-28s answered %6.1f ms, painted %6.1f ms (slowest %6.1f ms), %s", kind.name,
              bench::Median(kind.answered), painted, Slowest(kind.painted),
              painted <= kGoalMs ? "within the goal" : "above the goal");
  if (!kind.findings.empty()) {
    std::printf("; findings after %.1f ms, the window answering within %.1f ms meanwhile (slowest %.1f ms)",
                bench::Median(kind.findings), bench::Median(kind.longestAnswer), Slowest(kind.longestAnswer));
  }
  std::printf("\n");
}

// The work of an edit, part by part, each run alone on the window's thread
// as an edit runs it: where an edit's time goes.
void PrintParts(EditorThread& thread, int first, int second, int runs) {
  EditorWindow& editor = thread.Editor();
  const HWND window = editor.Handle();
  const auto now = [&editor]() -> const EditedMenu& { return editor.Document().Menu(); };
  const int record = ProgramListModel::RecordOf(editor.Tree(), first);
  bool other = false;
  struct Part {
    const char* name;
    std::function<double()> once;  // milliseconds
    std::vector<double> milliseconds;
  };
  std::vector<Part> parts{
      {"a copy of the menu (each edit makes one)",
       [&] {
         std::optional<EditedMenu> copy;
         const double start = Now();
         copy.emplace(now());
         return Now() - start;
       }, {}},
      {"the program moved down in the model",
       [&] {
         EditedMenu copy = now();
         const double start = Now();
         copy.model.programs.MoveDown(first);
         return Now() - start;
       }, {}},
      {"a program added in the model",
       [&] {
         EditedMenu copy = now();
         const double start = Now();
         copy.model.programs.AddProgram(ProgramEntry{"", "programme\\Neu.exe", "Neu", "Neu.exe", "", ""});
         return Now() - start;
       }, {}},
      {"the menu tree built",
       [&] {
         std::optional<MenuTree> tree;
         const double start = Now();
         tree.emplace(now().model.programs.Tree());
         return Now() - start;
       }, {}},
      {"FilesToSave after a display name's edit",
       [&] {
         EditedMenu copy = now();
         copy.model.programs.SetField(record, RecordField::kDisplayName, "Umbenannt");
         const double start = Now();
         const size_t files = FilesToSave(copy, now()).size();
         const double elapsed = Now() - start;
         if (files != 1) throw std::runtime_error("the display name's edit changes no file");
         return elapsed;
       }, {}},
      {"UnsavedFilesOf (a check's request)",
       [&] {
         std::optional<check::UnsavedFiles> files;
         const double start = Now();
         files.emplace(UnsavedFilesOf(now()));
         return Now() - start;
       }, {}},
      {"the tree view filled again and painted",
       [&] {
         const double start = Now();
         editor.TreeView().Show(editor.Tree(), first);
         RedrawWindow(editor.TreeView().Handle(), nullptr, nullptr, RDW_UPDATENOW);
         return Now() - start;
       }, {}},
      {"another program selected, shown and painted",
       [&] {
         other = !other;
         const double start = Now();
         editor.TreeView().Select(other ? second : first);
         RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
         return Now() - start;
       }, {}},
  };
  std::string failure;
  for (int run = 0; run < runs; ++run) {
    for (size_t turn = 0; turn < parts.size(); ++turn) {
      Part& part = parts[(static_cast<size_t>(run) + turn) % parts.size()];
      thread.Run([&] {
        try {
          part.milliseconds.push_back(part.once());
        } catch (const std::exception& error) {
          failure = error.what();
        }
      });
      if (!failure.empty()) throw std::runtime_error(failure);
    }
  }
  std::printf("where an edit's time goes, each part alone, medians:\n");
  for (const Part& part : parts) std::printf("  %-46s %7.2f ms\n", part.name, bench::Median(part.milliseconds));
}

// Rounds of edits on the first program at the top level: its display name
// typed and left, moved down, a program added, three times undo. With
// `waitEach`, each edit waits for its findings before the next; else the
// edits follow one another and only each round's last one waits. Gives the
// arrivals of those last findings and the longest answer meanwhile.
std::pair<std::vector<double>, std::vector<double>> RunRounds(EditorThread& thread, int first, int runs, bool waitEach,
                                                              std::vector<Kind>& kinds) {
  EditorWindow& editor = thread.Editor();
  const HWND window = editor.Handle();
  const HWND tree = editor.TreeView().Handle();
  const HWND displayName = FieldAfter(window, L"&Anzeigename:");
  const auto command = [window](int id) { return [window, id] { SendMessageW(window, WM_COMMAND, id, 0); }; };
  std::vector<double> arrivals, longestAnswers;
  for (int round = 0; round <= runs; ++round) {
    thread.Time([&] {
      SetFocus(tree);
      editor.TreeView().Select(first);
    });
    const std::wstring name = L"Umbenannt " + std::to_wstring(round);
    const std::vector<std::pair<Kind*, std::function<void()>>> edits{
        {&kinds[0],
         [&] {
           SetFocus(displayName);
           SetWindowTextW(displayName, name.c_str());
           SetFocus(tree);
         }},
        {&kinds[1], command(kMoveDown)},
        {&kinds[2], command(kAddProgram)},
        {&kinds[3], command(kUndo)},
        {&kinds[3], command(kUndo)},
        {&kinds[3], command(kUndo)},
    };
    for (size_t i = 0; i < edits.size(); ++i) {
      Kind& kind = *edits[i].first;
      const double start = Now();
      const auto [answered, painted] = thread.Time(edits[i].second);
      const bool last = i + 1 == edits.size();
      std::pair<double, double> findings{0, 0};
      if (waitEach || last) findings = thread.WaitForFindings(start);
      if (round == 0) continue;  // the uncounted round
      kind.answered.push_back(answered);
      kind.painted.push_back(painted);
      if (waitEach) {
        kind.findings.push_back(findings.first);
        kind.longestAnswer.push_back(findings.second);
      } else if (last) {
        arrivals.push_back(findings.first);
        longestAnswers.push_back(findings.second);
      }
    }
  }
  if (editor.Document().History().Unsaved()) throw std::runtime_error("undo didn't take every edit back");
  return {arrivals, longestAnswers};
}

std::vector<Kind> Kinds() {
  return {{"display name typed and left", {}, {}, {}, {}},
          {"program moved down", {}, {}, {}, {}},
          {"program added", {}, {}, {}, {}},
          {"undo", {}, {}, {}, {}}};
}

int Measure(const std::wstring& root, int runs) {
  CreateDirectoryW((root + L"\\programme").c_str(), nullptr);
  const std::wstring newProgram = root + L"\\programme\\Neu.exe";
  WriteProgramFile(newProgram);

  EditorThread thread(root, newProgram);
  EditorWindow& editor = thread.Editor();
  thread.WaitForFindings(Now());
  wchar_t findings[128] = L"";
  GetDlgItemTextW(editor.Handle(), kFindingsLabel, findings, 128);
  const EditorThread::Opening& opened = thread.Opened();
  std::printf("%d records, %zu items at the top level; the window made in %.1f ms with %d child windows (%d of them "
              "on hidden pages), the medium opened in it in %.1f ms\n",
              editor.Document().Menu().model.programs.RecordCount(), editor.Tree().TopLevel().size(), opened.create,
              opened.windows, opened.hiddenWindows, opened.open);
  std::printf("the checker's findings: %s\n", ToUtf8(findings).substr(1).c_str());
  // The same again after each round's undo.
  const int first = TopLevelPrograms(editor.Tree())[0], second = TopLevelPrograms(editor.Tree())[1];

  std::vector<Kind> kinds = Kinds();
  const auto [arrivals, longestAnswers] = RunRounds(thread, first, runs, false, kinds);
  std::printf("edits one after another, so that a check runs from the edit before; %d rounds after one uncounted "
              "round, medians:\n", runs);
  for (const Kind& kind : kinds) PrintKind(kind);
  std::printf("  findings of each round's last edit after %.1f ms (%.1f to %.1f), the window answering within %.1f ms "
              "meanwhile (slowest %.1f ms): %s\n",
              bench::Median(arrivals), *std::min_element(arrivals.begin(), arrivals.end()), Slowest(arrivals),
              bench::Median(longestAnswers), Slowest(longestAnswers),
              bench::Median(longestAnswers) <= kGoalMs ? "within the goal" : "above the goal");

  kinds = Kinds();
  RunRounds(thread, first, runs, true, kinds);
  std::printf("each edit after the findings of the one before (no check running when it starts):\n");
  for (const Kind& kind : kinds) PrintKind(kind);
  PrintParts(thread, first, second, runs);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: editor_window_bench ROOT [RUNS]\n");
    return 2;
  }
  try {
    return Measure(argv[1], argc > 2 ? std::max(1, _wtoi(argv[2])) : 7);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
}
