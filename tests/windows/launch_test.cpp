// Starting programs and browsing the medium for real: App Paths keys in the
// test prefix's registry, the Windows shell, and copies of hello.exe that log
// which copy started and in which working folder.
//
// Usage: launch_tests <path of hello.exe>  (a Unix path is taken as Z:\...)

#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>
#include <shlwapi.h>
#include <tlhelp32.h>

#include <memory>
#include <string>
#include <vector>

#include "menu/menu_error.h"
#include "platform/app_paths_registry.h"
#include "platform/handle.h"
#include "platform/program_launcher.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "tests/windows/test_folder.h"

namespace pandor {
namespace {

constexpr char kAppPathsKey[] = "software\\microsoft\\windows\\currentversion\\app paths\\";
constexpr char kRunFile[] = "p7setup.exe";
constexpr char kInstalledName[] = "p7hello.exe";
constexpr DWORD kPatienceMs = 10000;
constexpr DWORD kPollMs = 50;

// ---------------------------------------------------------------------------
// Helpers

std::string HelloExe() {
  static const std::string path = [] {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring given;
    for (int i = 1; i < count; ++i) {
      if (std::wstring(args[i]).rfind(L"--gtest", 0) != 0) given = args[i];
    }
    LocalFree(args);
    if (given.empty()) return std::string();
    char ansi[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, given.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
    std::string result = ansi;
    if (!result.empty() && result[0] == '/') {  // Wine reaches the Unix file system through Z:
      for (char& c : result) c = c == '/' ? '\\' : c;
      result = "Z:" + result;
    }
    return result;
  }();
  return path;
}

std::string WithoutTrailingBackslash(std::string path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

// A path as one spelling: long names, lower case, no trailing backslash.
std::string Canonical(const std::string& path) {
  std::wstring wide = FromUtf8(path);
  std::wstring longName(32768, L'\0');
  const DWORD size = GetLongPathNameW(wide.c_str(), longName.data(), static_cast<DWORD>(longName.size()));
  if (size > 0 && size < longName.size()) wide = longName.substr(0, size);
  CharLowerBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return WithoutTrailingBackslash(ToUtf8(wide));
}

// Leaves junk on the stack below us, where the system keeps its buffers
// during the next calls: a call that uses a buffer it didn't fill then sees
// junk, not what an earlier call happened to leave there.
__attribute__((noinline)) void LitterTheStack() {
  volatile wchar_t junk[64 * 1024];
  for (volatile wchar_t& character : junk) character = L'~';
}

ULONGLONG CreationTime(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  return static_cast<ULONGLONG>(created.dwHighDateTime) << 32 | created.dwLowDateTime;
}

// The processes this test program has started (and that still run).
std::vector<DWORD> ChildProcesses() {
  static const ULONGLONG ourStart = CreationTime(GetCurrentProcess());
  std::vector<DWORD> children;
  const FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return children;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry)) {
    if (entry.th32ParentProcessID != GetCurrentProcessId()) continue;
    // Process ids are reused: one older than us was started by an earlier
    // holder of our id (Wine's desktop, say), not by us.
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, entry.th32ProcessID);
    if (!process) continue;
    if (CreationTime(process) >= ourStart) children.push_back(entry.th32ProcessID);
    CloseHandle(process);
  }
  return children;
}

// Gives the started programs time to end by themselves, then ends the rest,
// so that no test leaves a process behind.
void EndChildProcesses(DWORD patienceMs = kPatienceMs) {
  for (DWORD waited = 0; waited < patienceMs && !ChildProcesses().empty(); waited += kPollMs) Sleep(kPollMs);
  for (const DWORD id : ChildProcesses()) {
    const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (!process) continue;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, kPatienceMs);
    CloseHandle(process);
  }
}

// A registry key the test writes, removed with everything below it before and
// after; in the registry view of this program's own architecture unless
// another is named (KEY_WOW64_32KEY, KEY_WOW64_64KEY).
class ScratchKey {
 public:
  ScratchKey(HKEY root, std::string subKey, REGSAM view = 0) : root_(root), subKey_(std::move(subKey)), view_(view) {
    Delete();
    HKEY created = nullptr;
    RegCreateKeyExA(root_, subKey_.c_str(), 0, nullptr, 0, KEY_WRITE | view_, nullptr, &created, nullptr);
    key_.reset(created);
  }
  ~ScratchKey() {
    key_.reset();
    Delete();
  }
  ScratchKey(const ScratchKey&) = delete;
  ScratchKey& operator=(const ScratchKey&) = delete;

  bool Created() const { return static_cast<bool>(key_); }
  // valueName nullptr is the key's default value.
  bool Set(const char* valueName, DWORD type, const std::string& bytes) const {
    return RegSetValueExA(key_.get(), valueName, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
  }

 private:
  // SHDeleteKey takes no view: it deletes below the key's parent opened in it.
  void Delete() const {
    const size_t cut = subKey_.find_last_of('\\');
    HKEY opened = nullptr;
    if (cut == std::string::npos) {
      SHDeleteKeyA(root_, subKey_.c_str());
    } else if (RegOpenKeyExA(root_, subKey_.substr(0, cut).c_str(), 0, KEY_ALL_ACCESS | view_, &opened) ==
               ERROR_SUCCESS) {
      const RegistryKey parent(opened);
      SHDeleteKeyA(parent.get(), subKey_.substr(cut + 1).c_str());
    }
  }

  HKEY root_;
  std::string subKey_;
  REGSAM view_;
  RegistryKey key_;
};

std::string Sz(const std::string& text) { return text + '\0'; }

struct ShellCall {
  HWND owner;
  std::string verb;
  std::string file;
  std::string workingFolder;
};

// Writes down every request; passes it on to a real shell when given one.
class RecordingShell : public Shell {
 public:
  explicit RecordingShell(Shell* real = nullptr) : real_(real) {}
  INT_PTR Execute(HWND owner, const std::string& verb, const std::string& file,
                  const std::string& workingFolder) override {
    calls.push_back({owner, verb, file, workingFolder});
    return real_ ? real_->Execute(owner, verb, file, workingFolder) : 42;
  }
  std::vector<ShellCall> calls;

 private:
  Shell* real_;
};

struct Started {
  std::string program;
  std::string folder;
};

// ---------------------------------------------------------------------------
// A medium with hello.exe as its run file, the same program installed under
// its installed name, and the log the copies write when started.

class LaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(HelloExe().empty()) << "usage: launch_tests <path of hello.exe>";
    medium_ = root_.MakeFolder("medium");
    installed_ = root_.MakeFolder("installed");
    ASSERT_TRUE(CopyFileA(HelloExe().c_str(), (medium_ + kRunFile).c_str(), FALSE)) << HelloExe();
    ASSERT_TRUE(CopyFileA(HelloExe().c_str(), (installed_ + kInstalledName).c_str(), FALSE));
    log_ = root_.Path() + "launch.log";
    SetEnvironmentVariableA("PANDOR7_LAUNCH_LOG", log_.c_str());
    SetEnvironmentVariableA("PANDOR7_TEST_ROOT", WithoutTrailingBackslash(root_.Path()).c_str());
  }

  void TearDown() override {
    EndChildProcesses();
    SetEnvironmentVariableA("PANDOR7_LAUNCH_LOG", nullptr);
    SetEnvironmentVariableA("PANDOR7_TEST_ROOT", nullptr);
  }

  // The installed name's App Paths key, removed again when the test ends.
  ScratchKey& Register(const std::string& installedName = kInstalledName) {
    keys_.push_back(std::make_unique<ScratchKey>(HKEY_LOCAL_MACHINE, kAppPathsKey + installedName));
    EXPECT_TRUE(keys_.back()->Created());
    return *keys_.back();
  }

  INT_PTR Launch(const std::string& runFile = kRunFile, const std::string& installedName = kInstalledName) {
    return LaunchProgram(shell_, registry_, nullptr, medium_, runFile, installedName);
  }

  // Waits until `count` programs have logged their start and everything this
  // test started has ended, then reads the log.
  std::vector<Started> StartedPrograms(size_t count = 1) {
    std::vector<Started> started;
    for (DWORD waited = 0; waited <= kPatienceMs; waited += kPollMs) {
      started = ReadLog();
      if (started.size() >= count && ChildProcesses().empty()) break;
      Sleep(kPollMs);
    }
    return started;
  }

  void ExpectStarted(const std::vector<Started>& started, const std::string& program) {
    ASSERT_EQ(started.size(), 1u) << "programs started";
    EXPECT_EQ(Canonical(started[0].program), Canonical(program));
    EXPECT_EQ(Canonical(started[0].folder), Canonical(medium_));
  }

  std::vector<Started> ReadLog() const {
    std::vector<Started> started;
    const std::string text = testing::ReadFileBytes(log_);
    size_t begin = 0;
    for (size_t end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
      const std::string line = text.substr(begin, end - begin);
      const size_t bar = line.find('|');
      started.push_back({line.substr(0, bar), bar == std::string::npos ? "" : line.substr(bar + 1)});
    }
    return started;
  }

  testing::TestFolder root_;
  std::string medium_;
  std::string installed_;
  std::string log_;
  WindowsShell windowsShell_;
  RecordingShell shell_{&windowsShell_};
  AppPathsRegistry registry_;
  std::vector<std::unique_ptr<ScratchKey>> keys_;
};

// ---------------------------------------------------------------------------
// An installed copy wins over the medium's run file

TEST_F(LaunchTest, RegisteredCopyStartsThoughTheRunFileExists) {
  ASSERT_TRUE(Register().Set("Path", REG_SZ, Sz(installed_)));

  EXPECT_GT(Launch(), 32);

  ExpectStarted(StartedPrograms(), installed_ + kInstalledName);
  EXPECT_EQ(shell_.calls.size(), 1u) << "the run file must not be opened as well";
}

// Wine's 64-bit prefixes make the 32-bit view's App Paths key a registry
// link to the 64-bit one, where 64-bit Windows keeps the two views apart.
// While this lives, the 32-bit view has a key of its own, so that a copy
// registered in one view can't be seen from the other. Nothing to do where
// Windows has one view only (a 32-bit Windows, a win32 prefix).
class SeparateAppPathsViews {
 public:
  SeparateAppPathsViews() {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kLinkKey, REG_OPTION_OPEN_LINK, KEY_ALL_ACCESS | KEY_WOW64_64KEY,
                      &opened) != ERROR_SUCCESS)
      return;
    const RegistryKey link(opened);
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExW(link.get(), L"SymbolicLinkValue", nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_LINK)
      return;
    target_.assign(size, '\0');
    RegQueryValueExW(link.get(), L"SymbolicLinkValue", nullptr, &type, reinterpret_cast<BYTE*>(target_.data()), &size);
    // RegDeleteKey would follow the link to the 64-bit key; the link itself
    // goes through its open handle.
    using DeleteKey = LONG(WINAPI*)(HANDLE);
    const auto deleteKey = reinterpret_cast<DeleteKey>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtDeleteKey")));
    separated_ = deleteKey && deleteKey(link.get()) == 0 && Create(0);
  }
  ~SeparateAppPathsViews() {
    if (target_.empty()) return;
    SHDeleteKeyW(HKEY_LOCAL_MACHINE, kLinkKey);
    if (!Create(REG_OPTION_CREATE_LINK)) return;
    HKEY opened = nullptr;
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, kLinkKey, REG_OPTION_OPEN_LINK, KEY_ALL_ACCESS | KEY_WOW64_64KEY, &opened);
    const RegistryKey link(opened);
    RegSetValueExW(link.get(), L"SymbolicLinkValue", 0, REG_LINK, reinterpret_cast<const BYTE*>(target_.data()),
                   static_cast<DWORD>(target_.size()));
  }
  SeparateAppPathsViews(const SeparateAppPathsViews&) = delete;
  SeparateAppPathsViews& operator=(const SeparateAppPathsViews&) = delete;

  // Whether the views were one key and now are two.
  bool Separated() const { return separated_; }

 private:
  static constexpr wchar_t kLinkKey[] = L"Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\App Paths";

  static bool Create(DWORD options) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kLinkKey, 0, nullptr, options, KEY_ALL_ACCESS | KEY_WOW64_64KEY,
                        nullptr, &created, nullptr) != ERROR_SUCCESS)
      return false;
    RegCloseKey(created);
    return true;
  }

  std::string target_;  // the link's target, as stored
  bool separated_ = false;
};

bool KeyExists(const std::string& subKey, REGSAM view) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_READ | view, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

// A 64-bit Windows keeps 32- and 64-bit programs' registry views apart, for a
// 64-bit program and for a 32-bit one under WOW64 alike.
bool RegistryHasTwoViews() {
#ifdef _WIN64
  return true;
#else
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

// Setup programs register their copy in the view of their own architecture.
// The menu finds it in either view, whichever architecture it is built for:
// with two views, each test sees its key in the view it wrote only.
class RegistryViewTest : public LaunchTest, public ::testing::WithParamInterface<REGSAM> {};

TEST_P(RegistryViewTest, FindsACopyRegisteredInEitherView) {
  const SeparateAppPathsViews views;
  const std::string subKey = kAppPathsKey + std::string(kInstalledName);
  const REGSAM otherView = GetParam() == KEY_WOW64_32KEY ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
  const ScratchKey key(HKEY_LOCAL_MACHINE, subKey, GetParam());
  ASSERT_TRUE(key.Created());
  ASSERT_TRUE(key.Set("Path", REG_SZ, Sz(installed_)));
  if (RegistryHasTwoViews()) {
    ASSERT_FALSE(KeyExists(subKey, otherView)) << "the other view sees the key (views separated: " << views.Separated()
                                               << ")";
  }

  EXPECT_EQ(registry_.InstalledFolder(kInstalledName), installed_);
  EXPECT_GT(Launch(), 32);
  ExpectStarted(StartedPrograms(), installed_ + kInstalledName);
}

INSTANTIATE_TEST_SUITE_P(LaunchTest, RegistryViewTest, ::testing::Values(KEY_WOW64_32KEY, KEY_WOW64_64KEY),
                         [](const ::testing::TestParamInfo<REGSAM>& info) {
                           return std::string(info.param == KEY_WOW64_32KEY ? "View32" : "View64");
                         });

// The forms a registered "Path" is found in: each names the installed folder.
struct StoredPath {
  const char* name;
  DWORD type;
  std::string (*bytes)(const std::string& installedFolder);
};

class StoredPathTest : public LaunchTest, public ::testing::WithParamInterface<StoredPath> {};

TEST_P(StoredPathTest, StartsTheInstalledCopy) {
  ASSERT_TRUE(Register().Set("Path", GetParam().type, GetParam().bytes(installed_)));

  // Asked directly too: the shell would expand variables in a file name itself.
  EXPECT_EQ(registry_.InstalledFolder(kInstalledName), installed_);
  EXPECT_GT(Launch(), 32);

  ExpectStarted(StartedPrograms(), installed_ + kInstalledName);
}

INSTANTIATE_TEST_SUITE_P(
    LaunchTest, StoredPathTest,
    ::testing::Values(
        StoredPath{"WithTrailingBackslash", REG_SZ, [](const std::string& folder) { return Sz(folder); }},
        StoredPath{"WithoutTrailingBackslash", REG_SZ,
                   [](const std::string& folder) { return Sz(WithoutTrailingBackslash(folder)); }},
        StoredPath{"WithoutClosingNul", REG_SZ, [](const std::string& folder) { return folder; }},
        StoredPath{"WithSeveralClosingNuls", REG_SZ,
                   [](const std::string& folder) { return folder + std::string(3, '\0'); }},
        StoredPath{"ExpandableWithVariable", REG_EXPAND_SZ,
                   [](const std::string&) { return Sz("%PANDOR7_TEST_ROOT%\\installed"); }}),
    [](const ::testing::TestParamInfo<StoredPath>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Otherwise the medium's run file opens

enum class Registration { kNone, kKeyWithoutPath, kEmptyPath, kZeroLengthPath, kPathButCopyGone };

struct MediumCase {
  const char* name;
  Registration registration;
  const char* installedName;
  size_t shellRequests;  // the installed copy is tried first when a folder is registered
};

class RunFileTest : public LaunchTest, public ::testing::WithParamInterface<MediumCase> {};

TEST_P(RunFileTest, StartsTheMediumsRunFile) {
  switch (GetParam().registration) {
    case Registration::kNone:
      break;
    case Registration::kKeyWithoutPath:
      ASSERT_TRUE(Register().Set("", REG_SZ, Sz(installed_ + kInstalledName)));  // the default value only
      break;
    case Registration::kEmptyPath:
      ASSERT_TRUE(Register().Set("Path", REG_SZ, Sz("")));
      break;
    case Registration::kZeroLengthPath:
      ASSERT_TRUE(Register().Set("Path", REG_SZ, ""));
      break;
    case Registration::kPathButCopyGone:
      ASSERT_TRUE(Register().Set("Path", REG_SZ, Sz(installed_)));
      ASSERT_TRUE(DeleteFileA((installed_ + kInstalledName).c_str()));
      break;
  }

  EXPECT_GT(Launch(kRunFile, GetParam().installedName), 32);

  ExpectStarted(StartedPrograms(), medium_ + kRunFile);
  EXPECT_EQ(shell_.calls.size(), GetParam().shellRequests);
}

INSTANTIATE_TEST_SUITE_P(
    LaunchTest, RunFileTest,
    ::testing::Values(MediumCase{"NoInstalledName", Registration::kNone, "", 1},
                      MediumCase{"NotRegistered", Registration::kNone, kInstalledName, 1},
                      MediumCase{"KeyWithoutPath", Registration::kKeyWithoutPath, kInstalledName, 1},
                      MediumCase{"EmptyPath", Registration::kEmptyPath, kInstalledName, 1},
                      MediumCase{"ZeroLengthPath", Registration::kZeroLengthPath, kInstalledName, 1},
                      MediumCase{"RegisteredCopyGone", Registration::kPathButCopyGone, kInstalledName, 2}),
    [](const ::testing::TestParamInfo<MediumCase>& info) { return std::string(info.param.name); });

TEST_F(LaunchTest, DocumentRunFileOpensInItsApplication) {
  const std::string viewer = root_.MakeFolder("viewer") + "p7viewer.exe";
  ASSERT_TRUE(CopyFileA(HelloExe().c_str(), viewer.c_str(), FALSE));
  const ScratchKey extension(HKEY_CLASSES_ROOT, ".p7doc");
  const ScratchKey documentType(HKEY_CLASSES_ROOT, "Pandor7.TestDocument");  // goes last, with all below it
  const ScratchKey command(HKEY_CLASSES_ROOT, "Pandor7.TestDocument\\shell\\open\\command");
  ASSERT_TRUE(extension.Set(nullptr, REG_SZ, Sz("Pandor7.TestDocument")));
  ASSERT_TRUE(command.Set(nullptr, REG_SZ, Sz("\"" + viewer + "\" \"%1\"")));
  root_.Write("medium\\liesmich.p7doc", "Hallo");

  EXPECT_GT(Launch("liesmich.p7doc", ""), 32);

  ExpectStarted(StartedPrograms(), viewer);
}

// A medium root deeper than MAX_PATH, as a medium copied into deep folders
// has: its run file starts, in its folder.
TEST_F(LaunchTest, RunFileOfAMediumDeeperThanMaxPathStartsInItsFolder) {
  std::string deep = medium_;
  while (deep.size() <= MAX_PATH) deep = root_.MakeFolder(deep.substr(root_.Path().size()) + "Ordner mit einem langen Namen");
  ASSERT_TRUE(CopyFileW(FromUtf8(HelloExe()).c_str(), FromUtf8(deep + kRunFile).c_str(), FALSE)) << deep;

  LitterTheStack();
  EXPECT_GT(LaunchProgram(shell_, registry_, nullptr, deep, kRunFile, ""), 32);

  const std::vector<Started> started = StartedPrograms();
  ASSERT_EQ(started.size(), 1u) << "programs started";
  EXPECT_EQ(Canonical(started[0].program), Canonical(deep + kRunFile));
  EXPECT_EQ(Canonical(started[0].folder), Canonical(deep));
}

// ---------------------------------------------------------------------------
// Nothing to start: one failed result for the caller to report

TEST_F(LaunchTest, RegisteredCopyGoneAndRunFileMissingFailsOnce) {
  ASSERT_TRUE(Register().Set("Path", REG_SZ, Sz(installed_)));
  ASSERT_TRUE(DeleteFileA((installed_ + kInstalledName).c_str()));
  ASSERT_TRUE(DeleteFileA((medium_ + kRunFile).c_str()));

  EXPECT_LE(Launch(), 32);

  EXPECT_TRUE(StartedPrograms(0).empty());
  ASSERT_EQ(shell_.calls.size(), 2u);
  EXPECT_EQ(shell_.calls[1].file, medium_ + kRunFile);
}

TEST_F(LaunchTest, UnregisteredAndRunFileMissingFails) {
  ASSERT_TRUE(DeleteFileA((medium_ + kRunFile).c_str()));

  EXPECT_LE(Launch(), 32);

  EXPECT_TRUE(StartedPrograms(0).empty());
}

// A "Path" that isn't a string is an error, and nothing starts, not even the
// run file that is there.
struct WrongType {
  const char* name;
  DWORD type;
  std::string bytes;
};

class WrongTypeTest : public LaunchTest, public ::testing::WithParamInterface<WrongType> {};

TEST_P(WrongTypeTest, IsReportedAndStartsNothing) {
  ASSERT_TRUE(Register().Set("Path", GetParam().type, GetParam().bytes));

  try {
    Launch();
    ADD_FAILURE() << "expected the data type to be reported";
  } catch (const MenuError& error) {
    EXPECT_STREQ(error.what(), "Ungültiger Datentyp für 'Path'");
  }

  EXPECT_TRUE(shell_.calls.empty());
  EXPECT_TRUE(StartedPrograms(0).empty());
}

INSTANTIATE_TEST_SUITE_P(LaunchTest, WrongTypeTest,
                         ::testing::Values(WrongType{"Dword", REG_DWORD, std::string("\x01\0\0\0", 4)},
                                           WrongType{"Binary", REG_BINARY, "C:\\"},
                                           WrongType{"MultiString", REG_MULTI_SZ, std::string("C:\\\0\0", 5)}),
                         [](const ::testing::TestParamInfo<WrongType>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Browsing the medium

TEST(BrowseMediumTest, AsksTheShellToExploreTheMediumRoot) {
  RecordingShell shell;
  const HWND owner = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));

  BrowseMedium(shell, owner, "D:\\");

  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].owner, owner);
  EXPECT_EQ(shell.calls[0].verb, "explore");
  EXPECT_EQ(shell.calls[0].file, "D:\\");
  EXPECT_EQ(shell.calls[0].workingFolder, "D:\\");
}

struct WindowSearch {
  std::vector<DWORD> processes;
  std::vector<std::pair<HWND, std::string>> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<WindowSearch*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  for (const DWORD wanted : search.processes) {
    if (wanted != process || !IsWindowVisible(window)) continue;
    char title[MAX_PATH] = {};
    GetWindowTextA(window, title, sizeof title);
    search.found.emplace_back(window, title);
  }
  return TRUE;
}

// The visible top-level windows, with their titles, of the processes this test started.
std::vector<std::pair<HWND, std::string>> ChildWindows() {
  WindowSearch search{ChildProcesses(), {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST(BrowseMediumTest, OpensAFileBrowserOnTheMedium) {
  testing::TestFolder medium;
  const std::string folder = WithoutTrailingBackslash(medium.Path());
  const std::string folderName = folder.substr(folder.find_last_of('\\') + 1);
  WindowsShell shell;

  BrowseMedium(shell, nullptr, medium.Path());

  bool shown = false;
  std::vector<std::pair<HWND, std::string>> windows;
  for (DWORD waited = 0; waited <= kPatienceMs && !shown; waited += kPollMs) {
    windows = ChildWindows();
    for (const auto& window : windows) shown = shown || lstrcmpiA(window.second.c_str(), folderName.c_str()) == 0;
    if (!shown) Sleep(kPollMs);
  }
  // Close the browser as a user would; its process lingers for seconds after
  // the window has gone, so it is ended then.
  for (const auto& window : windows) PostMessageA(window.first, WM_CLOSE, 0, 0);
  for (DWORD waited = 0; waited <= kPatienceMs && !ChildWindows().empty(); waited += kPollMs) Sleep(kPollMs);
  EndChildProcesses(0);

  EXPECT_TRUE(shown) << "no file browser window titled " << folderName;
}

}  // namespace
}  // namespace pandor
