// The editor driven through its window as an author uses it: a menu made
// from an empty folder, edits and undo, saving (whole or not at all, the
// old version kept), the preview, writing a medium, and media that open and
// save unchanged.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "checker/medium_check.h"
#include "editor/editor_ids.h"
#include "editor/unsaved_files.h"
#include "platform/text.h"
#include "tests/windows/editor_driver.h"
#include "tests/windows/picture_files.h"
#include "tests/windows/sound_sink.h"
#include "tests/windows/window_probe.h"

namespace pandor::testing {
namespace {

using namespace editor_ids;

std::vector<std::string> AboveNotes(const check::CheckReport& report) {
  std::vector<std::string> found;
  for (const check::Finding& finding : report.findings.Sorted()) {
    if (finding.severity != check::Severity::kNote) found.push_back(finding.file + ":" + std::to_string(finding.line) + " " + finding.message);
  }
  return found;
}

std::string ProgramFile() { return "MZ"; }

// The scenario of an author's first menu. With PANDOR7_EDITOR_MEDIUM set (an
// empty folder), the menu is made there, for the end-to-end test to start it.
TEST_F(EditorTest, MakesAWholeMenuFromAnEmptyFolderThatTheCheckerPasses) {
  const char* kept = std::getenv("PANDOR7_EDITOR_MEDIUM");
  const std::string root = kept ? std::string(kept) + "\\" : medium_.Path();
  TestFolder outside;
  const std::string picture = outside.Write(
      "Schreibblock.bmp",
      BitmapFile(Quadrants(400, 300, RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)),
                 BitmapLayout::kRgb24));
  const std::string sound = outside.Write("start.wav", WaveFile(std::string(800, '\x90')));
  const auto write = [&root](const std::string& relative, const std::string& bytes) {
    CreateDirectoryW(Wide(root + "werkzeuge").c_str(), nullptr);
    const HANDLE file = CreateFileW(Wide(root + relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  };
  write("werkzeuge\\rechner.exe", ProgramFile());
  write("editor.exe", ProgramFile());
  const std::wstring rootFolder = Wide(root.substr(0, root.size() - 1));

  dialogs_.folders.push_back(rootFolder);
  Command(kNew);
  ASSERT_TRUE(editor_->HasMedium());

  // A group, whose first program becomes the calculator.
  Command(kAddGroup);
  RenameSelection(L"Werkzeuge");
  editor_->TreeView().Select(editor_->Tree().Node(editor_->Tree().TopLevel()[0]).children[0]);
  PumpMessages();
  dialogs_.files.push_back(rootFolder + L"\\werkzeuge\\rechner.exe");
  SendMessageW(GetWindow(Field(L"&Startdatei:"), GW_HWNDNEXT), BM_CLICK, 0, 0);
  PumpMessages();
  Type(Field(L"&Anzeigename:"), L"Rechner");
  Type(Field(L"&Installierter Name:"), L"rechner.exe");

  // A second program at the top level, its name from its file, with a
  // description and a picture from outside the medium.
  TreeView_SelectItem(editor_->TreeView().Handle(), nullptr);
  dialogs_.files.push_back(rootFolder + L"\\editor.exe");
  Command(kAddProgram);
  Type(Field(L"B&eschreibung:"), L"Schreibt Texte.\r\nAuch Briefe für Bürger.");
  dialogs_.files.push_back(Wide(picture));
  SendMessageW(GetWindow(Field(L"&Bild:"), GW_HWNDNEXT), BM_CLICK, 0, 0);
  PumpMessages();

  // The start-up sound, chosen on the settings page.
  Command(kSettings);
  dialogs_.files.push_back(Wide(sound));
  SendMessageW(Titled(L"Klang &wählen…"), BM_CLICK, 0, 0);
  PumpMessages();

  ASSERT_EQ(dialogs_.errors, std::vector<std::string>{});
  EXPECT_EQ(TreeTexts(), (std::vector<std::string>{"Werkzeuge", "  Rechner", "editor"}));
  Command(kSave);
  ASSERT_EQ(dialogs_.errors, std::vector<std::string>{});

  const auto onMedium = [&root](const std::string& relative) { return ReadFileBytes(root + relative); };
  EXPECT_EQ(onMedium("autorun\\filelist.dat"),
            "Werkzeuge\r\nwerkzeuge\\rechner.exe\r\nRechner\r\nrechner.exe\r\n\r\n\r\n"
            "\r\neditor.exe\r\neditor\r\neditor.exe\r\nschreibblock.bmp\r\neditor.txt\r\n");
  EXPECT_EQ(onMedium("autorun\\editor.txt"), "Schreibt Texte.\r\nAuch Briefe f\xFCr B\xFCrger.");
  EXPECT_EQ(onMedium("autorun\\schreibblock.bmp"), ReadFileBytes(picture));
  EXPECT_EQ(onMedium("autorun\\startup.wav"), ReadFileBytes(sound));
  const check::CheckReport report = check::CheckMedium(std::filesystem::u8path(root));
  EXPECT_EQ(AboveNotes(report), std::vector<std::string>{});
  EXPECT_EQ(WindowText(editor_->Handle()).find('*'), std::string::npos) << "saved, so not marked unsaved";
}

TEST_F(EditorTest, AMenuOpenedAndSavedUnchangedStaysByteForByteAndNothingIsWritten) {
  // Lines the menu reads strictly but that don't parse, an incomplete last
  // record, LF and lone CR line ends, bytes after a NUL, a file it doesn't use.
  const std::string options = "5600.0\n16777215x\r\n1\r\r\n0\r\nDemo\r\n";
  const std::string list = "G\r\na.exe\r\nA\r\na.exe\r\n\r\n\r\nG\nb.exe\r\nB\r\n";
  medium_.Write("autorun\\options.dat", options + std::string(1, '\0') + "Rest");
  medium_.Write("autorun\\filelist.dat", list);
  medium_.Write("autorun\\notizen.txt", "nur für mich");
  ASSERT_TRUE(editor_->OpenMedium(Root()));
  Command(kSave);
  EXPECT_EQ(FileOnMedium("autorun\\options.dat"), options + std::string(1, '\0') + "Rest");
  EXPECT_EQ(FileOnMedium("autorun\\filelist.dat"), list);
  EXPECT_EQ(StatusText(GetDlgItem(editor_->Handle(), kStatusBar)), "Gespeichert.");
  EXPECT_EQ(TreeTexts(), (std::vector<std::string>{"G", "  A"}));
}

TEST_F(EditorTest, TheDemoMediumOpensAndAnEditAndItsUndoLeaveNothingToSave) {
  ASSERT_TRUE(editor_->OpenMedium(HostPath(PANDOR7_DEMO_MEDIUM)));
  const std::vector<std::string> tree = TreeTexts();
  EXPECT_GE(tree.size(), 5u);
  Command(kMoveDown);
  EXPECT_NE(TreeTexts(), tree);
  EXPECT_NE(WindowText(editor_->Handle()).find('*'), std::string::npos);
  Command(kUndo);
  EXPECT_EQ(TreeTexts(), tree);
  EXPECT_FALSE(editor_->Document().History().Unsaved());
  EXPECT_EQ(WindowText(editor_->Handle()).find('*'), std::string::npos);

  Command(kRedo);
  const std::vector<std::string> moved = TreeTexts();
  EXPECT_NE(moved, tree);
  EXPECT_TRUE(editor_->Document().History().Unsaved());
  Command(kRedo);  // nothing more to redo
  EXPECT_EQ(TreeTexts(), moved);
  Command(kUndo);
  EXPECT_EQ(TreeTexts(), tree);
}

// What the menu survives, the editor opens, shows, edits and saves unchanged
// without a hang: 3,000 groups each in the one before, 10,000 programs, a
// description of 34 MB, a damaged picture.
TEST_F(EditorTest, HostileMediaOpenAndEditWithoutHangingAndSaveUnchanged) {
  std::string list;
  for (int i = 0; i < 3000; ++i) {
    const std::string group = i == 0 ? "" : "Ebene " + std::to_string(i - 1);
    list += group + "\r\np.exe\r\nEbene " + std::to_string(i) + "\r\np.exe\r\nkaputt.jpg\r\nriesig.txt\r\n";
  }
  for (int i = 0; i < 7000; ++i) list += "\r\np.exe\r\nProgramm " + std::to_string(i) + "\r\np.exe\r\n\r\n\r\n";
  medium_.Write("autorun\\options.dat", "5600.0\r\n");
  medium_.Write("autorun\\filelist.dat", list);
  medium_.Write("autorun\\riesig.txt", std::string(34 << 20, 'x'));  // one line
  medium_.Write("autorun\\kaputt.jpg", "\xFF\xD8\xFF\xE0 nicht mehr");
  ASSERT_TRUE(editor_->OpenMedium(Root()));

  const MenuTree& tree = editor_->Tree();
  int deepest = tree.TopLevel().front();
  while (!tree.Node(deepest).children.empty()) deepest = tree.Node(deepest).children.front();
  editor_->TreeView().Select(deepest);
  PumpMessages();
  EXPECT_EQ(WindowText(Field(L"&Anzeigename:")), "Ebene 2999");
  EXPECT_FALSE(IsWindowEnabled(Field(L"B&eschreibung:")) && !(GetWindowLongW(Field(L"B&eschreibung:"), GWL_STYLE) & ES_READONLY))
      << "a description of 34 MB is shown in part, read-only";
  Command(kMoveDown);
  Command(kUndo);
  Command(kSave);
  EXPECT_EQ(dialogs_.errors, std::vector<std::string>{});
  EXPECT_EQ(FileOnMedium("autorun\\filelist.dat"), list);
}

TEST_F(EditorTest, ANewMenuWithoutProgramsUndoesItsSettingsStepByStep) {
  dialogs_.folders.push_back(Root());
  Command(kNew);
  Command(kSettings);
  Type(Field(L"Fenster&\u00fcberschrift:"), L"Meine CD");
  EXPECT_NE(editor_->Document().Menu().model.settings.Bytes().find("Meine CD"), std::string::npos);
  Command(kUndo);
  Command(kUndo);  // nothing left to undo: the new menu as it was made
  EXPECT_EQ(editor_->Document().Menu().model.settings.Bytes().find("Meine CD"), std::string::npos);
  EXPECT_TRUE(editor_->Tree().Empty());
  EXPECT_EQ(dialogs_.errors, std::vector<std::string>{});
}

struct SmallMenu : EditorTest {
  void SetUp() override {
    EditorTest::SetUp();
    medium_.Write("autorun\\options.dat", "5600.0\r\n");
    medium_.Write("autorun\\filelist.dat",
                  "Spiele\r\nschach.exe\r\nSchach\r\nschach.exe\r\n\r\n\r\n"
                  "Spiele\r\ndame.exe\r\nDame\r\ndame.exe\r\n\r\n\r\n"
                  "\r\nsetup.exe\r\nEinrichten\r\nsetup.exe\r\n\r\n\r\n");
    ASSERT_TRUE(editor_->OpenMedium(Root()));
  }
  void SelectText(const std::string& ansi) {
    editor_->TreeView().Select(editor_->Tree().FindFirstInDisplayOrder(ansi));
    PumpMessages();
  }
};

TEST_F(SmallMenu, TreeEditsAreTheMenusAndUndoTakesThemBackOneByOne) {
  SelectText("Dame");
  Command(kMoveUp);
  EXPECT_EQ(TreeTexts(), (std::vector<std::string>{"Spiele", "  Dame", "  Schach", "Einrichten"}));
  Command(kOutOfGroup);
  EXPECT_EQ(TreeTexts(), (std::vector<std::string>{"Spiele", "  Schach", "Dame", "Einrichten"}));
  SelectText("Spiele");
  RenameSelection(L"Brettspiele");
  EXPECT_EQ(TreeTexts(), (std::vector<std::string>{"Brettspiele", "  Schach", "Dame", "Einrichten"}));
  SelectText("Einrichten");
  SendMessageW(editor_->TreeView().Handle(), WM_KEYDOWN, VK_DELETE, 0);
  PumpMessages();
  EXPECT_EQ(TreeTexts(), (std::vector<std::string>{"Brettspiele", "  Schach", "Dame"}));

  for (const std::vector<std::string>& before :
       {std::vector<std::string>{"Brettspiele", "  Schach", "Dame", "Einrichten"},
        std::vector<std::string>{"Spiele", "  Schach", "Dame", "Einrichten"},
        std::vector<std::string>{"Spiele", "  Dame", "  Schach", "Einrichten"},
        std::vector<std::string>{"Spiele", "  Schach", "  Dame", "Einrichten"}}) {
    Command(kUndo);
    EXPECT_EQ(TreeTexts(), before);
  }
  EXPECT_FALSE(editor_->Document().History().Unsaved());
}

TEST_F(SmallMenu, TheGroupFieldMovesTheProgramAndTheDisplayNameOfAGroupRenamesIt) {
  SelectText("Einrichten");
  Type(Field(L"&Gruppe:"), L"Spiele");
  EXPECT_EQ(TreeTexts(), (std::vector<std::string>{"Spiele", "  Schach", "  Dame", "  Einrichten"}));
  SelectText("Schach");
  Type(Field(L"&Anzeigename:"), L"Schach 3D");
  EXPECT_EQ(TreeTexts(), (std::vector<std::string>{"Spiele", "  Schach 3D", "  Dame", "  Einrichten"}));
}

TEST_F(SmallMenu, TextTheCodePageCannotHoldIsPointedOutAndNotTaken) {
  SelectText("Dame");
  Type(Field(L"&Anzeigename:"), L"Dame \x0141\x00F3d\x017A");  // "Łódź": ó fits Windows-1252, Ł and ź don't
  ASSERT_EQ(dialogs_.errors.size(), 1u);
  EXPECT_NE(dialogs_.errors[0].find("\xC5\x81"), std::string::npos) << dialogs_.errors[0];
  EXPECT_EQ(editor_->Document().Menu().model.programs.Record(1).displayName, "Dame");
  EXPECT_EQ(WindowText(Field(L"&Anzeigename:")), "Dame");
  EXPECT_FALSE(editor_->Document().History().Unsaved());
}

TEST_F(SmallMenu, SavingKeepsThePreviousVersionOutsideTheMediumAndAFailedSaveChangesNothing) {
  SelectText("Dame");
  Type(Field(L"&Anzeigename:"), L"Mühle");
  Command(kSettings);
  Type(Field(L"Fenster&überschrift:"), L"Spielesammlung");

  // filelist.dat held open without sharing: it can't be replaced.
  const HANDLE held = CreateFileW(Wide(medium_.Path() + "autorun\\filelist.dat").c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Command(kSave);
  CloseHandle(held);
  ASSERT_EQ(dialogs_.errors.size(), 1u);
  EXPECT_NE(dialogs_.errors[0].find("filelist.dat"), std::string::npos) << dialogs_.errors[0];
  EXPECT_EQ(FileOnMedium("autorun\\options.dat"), "5600.0\r\n");
  EXPECT_TRUE(editor_->Document().History().Unsaved());

  Command(kSave);
  ASSERT_EQ(dialogs_.errors.size(), 1u) << dialogs_.errors.back();
  EXPECT_NE(FileOnMedium("autorun\\filelist.dat").find("M\xFChle"), std::string::npos);
  const std::string status = StatusText(GetDlgItem(editor_->Handle(), kStatusBar));
  const size_t quote = status.find("„");
  ASSERT_NE(quote, std::string::npos) << status;
  const std::string backup = status.substr(quote + 3, status.rfind("“") - quote - 3);
  EXPECT_EQ(backup.find(medium_.Path()), std::string::npos) << "the backup lies outside the medium";
  EXPECT_EQ(ReadFileBytes(backup + "\\options.dat"), "5600.0\r\n");
  EXPECT_NE(ReadFileBytes(backup + "\\filelist.dat").find("Dame"), std::string::npos);
}

TEST_F(SmallMenu, ClosingWithUnsavedChangesAsksAndCancelKeepsTheWindow) {
  SelectText("Dame");
  Command(kRemove);
  dialogs_.answers.assign({Answer::kCancel});
  SendMessageW(editor_->Handle(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(IsWindow(editor_->Handle()));
  ASSERT_EQ(dialogs_.questions.size(), 1u);
  EXPECT_NE(dialogs_.questions[0].find("ungespeicherte"), std::string::npos);
}

TEST_F(SmallMenu, ThePreviewShowsTheUnsavedMenuInTheRealMenuProgram) {
  SelectText("Schach");
  Type(Field(L"&Anzeigename:"), L"Schach 3D");
  Command(kPreview);
  ASSERT_EQ(dialogs_.errors, std::vector<std::string>{});
  ASSERT_EQ(dialogs_.started.size(), 1u);
  const std::string folder = ToUtf8(editor_->PreviewFolder());
  EXPECT_EQ(ToUtf8(dialogs_.started[0]), folder + "\\autorun.exe");
  EXPECT_EQ(ReadFileBytes(folder + "\\autorun.exe"), ReadFileBytes(ToUtf8(HostPath(PANDOR7_MENU_PROGRAM_FOLDER)) + "\\autorun.exe"));
  EXPECT_NE(ReadFileBytes(folder + "\\autorun\\filelist.dat").find("Schach 3D"), std::string::npos);
  EXPECT_EQ(FileOnMedium("autorun\\filelist.dat").find("Schach 3D"), std::string::npos) << "nothing saved";
}

TEST_F(SmallMenu, FindingsComeWithoutSavingAndLeadToTheirField) {
  WaitForFindings();
  // The settings end after the version line: the checker says so about options.dat.
  bool aboutSettings = false;
  for (const check::Finding& finding : editor_->FindingsList().Findings()) {
    aboutSettings = aboutSettings || finding.file == "autorun/options.dat";
  }
  EXPECT_TRUE(aboutSettings);

  SelectText("Dame");
  Type(Field(L"&Startdatei:"), L"");
  WaitForFindings();
  const std::vector<check::Finding>& findings = editor_->FindingsList().Findings();
  const auto runFile = std::find_if(findings.begin(), findings.end(), [](const check::Finding& f) {
    return f.file == "autorun/filelist.dat" && f.line == 8;
  });
  ASSERT_NE(runFile, findings.end());
  const HWND list = editor_->FindingsList().Handle();
  LVITEMW selected{};
  selected.stateMask = selected.state = LVIS_SELECTED | LVIS_FOCUSED;
  SelectText("Schach");
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(runFile - findings.begin()), reinterpret_cast<LPARAM>(&selected));
  NMHDR doubleClick{list, static_cast<UINT_PTR>(kFindingsList), static_cast<UINT>(NM_DBLCLK)};
  SendMessageW(editor_->Handle(), WM_NOTIFY, kFindingsList, reinterpret_cast<LPARAM>(&doubleClick));
  PumpMessages();
  EXPECT_EQ(GetFocus(), Field(L"&Startdatei:"));
  EXPECT_EQ(WindowText(Field(L"&Anzeigename:")), "Dame");
}

TEST_F(SmallMenu, AProgramFromOutsideTheMediumIsCopiedInAndNamedByItsVersionInformation) {
  // The menu program itself has version information: its FileDescription names it.
  const std::wstring program = HostPath(PANDOR7_MENU_PROGRAM_FOLDER) + L"\\autorun.exe";
  SelectText("Einrichten");
  dialogs_.files.push_back(program);
  dialogs_.answers.assign({Answer::kYes});  // copy it onto the medium
  Command(kAddProgram);
  ASSERT_EQ(dialogs_.errors, std::vector<std::string>{});
  ASSERT_EQ(dialogs_.questions.size(), 1u);
  const ProgramEntry added = editor_->Document().Menu().model.programs.Record(3);
  EXPECT_EQ(added.group, "");
  EXPECT_EQ(added.runFile, "programme\\autorun.exe");
  EXPECT_EQ(added.displayName, "Velmar Pandor 7 Autostart-Men\xFC");
  EXPECT_EQ(added.installedName, "autorun.exe");
  EXPECT_EQ(FileOnMedium("programme\\autorun.exe"), ReadFileBytes(ToUtf8(program)));
  EXPECT_EQ(TreeTexts().back(), "Velmar Pandor 7 Autostart-Men\xC3\xBC");
}

TEST_F(SmallMenu, TabGoesFromTheTreeThroughItsButtonsToTheFormsFieldsInTheirOrder) {
  SelectText("Schach");
  SetFocus(editor_->TreeView().Handle());
  std::vector<std::string> reached;
  for (int i = 0; i < 12; ++i) {
    MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    editor_->PreTranslateMessage(tab);
    PumpMessages();
    wchar_t name[64] = L"";
    GetClassNameW(GetFocus(), name, 64);
    reached.push_back(ToUtf8(name) + " " + WindowText(GetFocus()));
  }
  EXPECT_EQ(reached, (std::vector<std::string>{
                         "Button Pro&gramm\xE2\x80\xA6", "Button &Neue Gruppe", "Button &Entfernen",
                         "Button Nach &oben", "Button Nach &unten", "Button Umbenennen", "SysTabControl32 Seiten",
                         "Edit Spiele" /* the combo box's own edit */, "Edit schach.exe", "Button &Durchsuchen\xE2\x80\xA6", "Edit Schach",
                         "Edit schach.exe"}));
}

TEST_F(SmallMenu, WritingAMediumGivesTheLayoutOfAUsbStick) {
  TestFolder stick;
  std::wstring target = Wide(stick.Path());
  target.pop_back();
  dialogs_.folders.push_back(target);
  WaitForFindings();
  dialogs_.answers.assign({Answer::kYes});  // the menu has errors: write it anyway
  Command(kWriteMedium);
  ASSERT_EQ(dialogs_.errors, std::vector<std::string>{});
  EXPECT_EQ(ReadFileBytes(stick.Path() + "autorun\\filelist.dat"), FileOnMedium("autorun\\filelist.dat"));
  EXPECT_EQ(ReadFileBytes(stick.Path() + "autorun.exe"),
            ReadFileBytes(ToUtf8(HostPath(PANDOR7_MENU_PROGRAM_FOLDER)) + "\\autorun.exe"));
  EXPECT_EQ(ReadFileBytes(stick.Path() + "autorun.inf"),
            "[autorun]\r\nopen=autorun.exe\r\nicon=autorun.exe,0\r\nlabel=PANDOR7\r\n");
}

}  // namespace
}  // namespace pandor::testing
