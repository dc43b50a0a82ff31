// How long the editor takes to open a menu and to save it, against reading
// and writing the same two files plainly, in the same run. Run by
// bench/editor.sh under Wine.
//
// editor_document_bench ROOT [RUNS]
// ROOT: a medium with a menu (autorun\options.dat, autorun\filelist.dat).
// Each round (RUNS, default 15, after one uncounted round that fills the
// file cache) takes these in turn, each round beginning with the next one:
// reading both files whole with CreateFileW and ReadFile; opening the medium
// (MediumDocument::Open); writing both files' bytes back with CreateFileW,
// WriteFile and FlushFileBuffers; saving (MediumDocument::Save) after an edit
// that changes both files, the caption in options.dat and a display name in
// filelist.dat, so that both are written, each with its backup. The backups
// are removed again, untimed. Also times parts of opening and saving
// (ReadMenuModel, a copy of the opened menu and giving one back,
// FilesToSave), to show where the time goes. Prints medians in milliseconds and the ratios to the plain
// reading and writing.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bench/bench_clock.h"
#include "editor/medium_document.h"
#include "menu/menu_error.h"
#include "menu/settings.h"
#include "platform/handle.h"
#include "platform/text.h"
#include "platform/windows_files.h"

namespace {

using namespace pandor;
using bench::Now;

constexpr const wchar_t* kMenuFiles[] = {L"\\autorun\\options.dat", L"\\autorun\\filelist.dat"};

std::string ReadPlainly(const std::wstring& path) {
  const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size)) throw MenuError("can't read " + ToUtf8(path));
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size()) {
    throw MenuError("can't read " + ToUtf8(path));
  }
  return bytes;
}

void WritePlainly(const std::wstring& path, const std::string& bytes) {
  const FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                    nullptr));
  DWORD written = 0;
  if (!file || !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size() || !FlushFileBuffers(file.get())) {
    throw MenuError("can't write " + ToUtf8(path));
  }
}

// A folder of files, such as a backup that saving made.
void RemoveFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((folder + L"\\" + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

struct Measure {
  const char* name;
  std::function<double()> once;  // milliseconds of one run
  std::vector<double> milliseconds;
};

class DocumentBench {
 public:
  explicit DocumentBench(std::wstring root) : root_(std::move(root)) {}

  double ReadBoth() const {
    const double start = Now();
    size_t bytes = 0;
    for (const wchar_t* file : kMenuFiles) bytes += ReadPlainly(root_ + file).size();
    const double elapsed = Now() - start;
    if (bytes == 0) throw MenuError("the menu files are empty");
    return elapsed;
  }

  double Open() const {
    std::optional<MediumDocument> document;
    const double start = Now();
    document.emplace(MediumDocument::Open(root_));
    return Now() - start;  // not the time to give the menu back
  }

  double WriteBoth() const {
    std::vector<std::string> bytes;
    for (const wchar_t* file : kMenuFiles) bytes.push_back(ReadPlainly(root_ + file));
    const double start = Now();
    for (size_t i = 0; i < bytes.size(); ++i) WritePlainly(root_ + kMenuFiles[i], bytes[i]);
    return Now() - start;
  }

  double Save() {
    MediumDocument document = EditedDocument();
    const double start = Now();
    const std::wstring backup = document.Save();
    const double elapsed = Now() - start;
    if (backup.empty()) throw MenuError("saving kept no backup");
    RemoveFolder(backup);
    return elapsed;
  }

  // The parts: reading into the model, the copy of it an edit makes, and
  // finding what to save.
  double ReadModel() const {
    std::optional<MenuModel> model;
    const double start = Now();
    model.emplace(ReadMenuModel(WindowsFiles(), MenuFolderFor(ToUtf8(root_) + "\\autorun.exe")));
    return Now() - start;
  }

  double CopyMenu() const {
    const MediumDocument document = MediumDocument::Open(root_);
    std::optional<EditedMenu> copy;
    const double start = Now();
    copy.emplace(document.Menu());
    return Now() - start;
  }

  double GiveBackMenu() const {
    const MediumDocument document = MediumDocument::Open(root_);
    std::optional<EditedMenu> copy(document.Menu());
    const double start = Now();
    copy.reset();
    return Now() - start;
  }

  double FindFilesToSave() {
    const MediumDocument document = EditedDocument();
    const double start = Now();
    const size_t files = FilesToSave(document.Menu(), document.History().Saved()).size();
    const double elapsed = Now() - start;
    if (files != 2) throw MenuError("the edit doesn't change both files");
    return elapsed;
  }

 private:
  // The medium opened, with an edit of both files that no earlier round made.
  MediumDocument EditedDocument() {
    MediumDocument document = MediumDocument::Open(root_);
    EditedMenu next = document.Menu();
    const std::string mark = " " + std::to_string(++edits_);
    next.model.settings.SetText(kCaptionLine, "Editor-Messung" + mark);
    next.model.programs.SetField(0, RecordField::kDisplayName, "Programm" + mark);
    document.History().Push(std::move(next));
    return document;
  }

  std::wstring root_;
  int edits_ = 0;
};

void PrintRatio(const char* name, const Measure& measured, const Measure& baseline, double goal) {
  const double ms = bench::Median(measured.milliseconds), base = bench::Median(baseline.milliseconds);
  std::printf("%s: %.2f ms (%.2f to %.2f), %.2f x %s (goal %.1f x: %s)\n", name, ms,
              *std::min_element(measured.milliseconds.begin(), measured.milliseconds.end()),
              *std::max_element(measured.milliseconds.begin(), measured.milliseconds.end()), ms / base,
              baseline.name, goal, ms <= goal * base ? "met" : "missed");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: editor_document_bench ROOT [RUNS]\n");
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 15;
  DocumentBench bench(argv[1]);
  std::vector<Measure> measures{
      {"reading plainly", [&] { return bench.ReadBoth(); }, {}},
      {"MediumDocument::Open", [&] { return bench.Open(); }, {}},
      {"writing plainly", [&] { return bench.WriteBoth(); }, {}},
      {"MediumDocument::Save", [&] { return bench.Save(); }, {}},
      {"ReadMenuModel", [&] { return bench.ReadModel(); }, {}},
      {"a copy of the menu", [&] { return bench.CopyMenu(); }, {}},
      {"a copy given back", [&] { return bench.GiveBackMenu(); }, {}},
      {"FilesToSave", [&] { return bench.FindFilesToSave(); }, {}},
  };
  try {
    for (Measure& measure : measures) measure.once();
    for (int run = 0; run < runs; ++run) {
      for (size_t turn = 0; turn < measures.size(); ++turn) {
        Measure& measure = measures[(static_cast<size_t>(run) + turn) % measures.size()];
        measure.milliseconds.push_back(measure.once());
      }
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  RemoveDirectoryW((BackupsFolder() + L"\\" + MediumDocument::Open(argv[1]).Name()).c_str());

  const auto median = [&](size_t i) { return bench::Median(measures[i].milliseconds); };
  std::printf("runs %d (interleaved, after one uncounted round), medians\n", runs);
  std::printf("reading both files plainly (CreateFileW, ReadFile): %.2f ms\n", median(0));
  PrintRatio("MediumDocument::Open", measures[1], measures[0], 2);
  std::printf("  parts: ReadMenuModel %.2f ms; a copy of the opened menu %.2f ms, giving one back %.2f ms\n", median(4),
              median(5), median(6));
  std::printf("writing both files plainly (CreateFileW, WriteFile, FlushFileBuffers): %.2f ms\n", median(2));
  PrintRatio("MediumDocument::Save, both files with their backups", measures[3], measures[2], 2);
  std::printf("  parts: FilesToSave %.2f ms\n", median(7));
  return 0;
}
