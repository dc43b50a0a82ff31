// The editor's file commands: new, open, save, preview, writing a medium.
#include <windows.h>
#include <shellapi.h>

#include "editor/editor_window.h"
#include "editor/folder_copy.h"
#include "editor/unsaved_files.h"
#include "menu/locale_text.h"
#include "menu/medium_label.h"
#include "menu/menu_error.h"
#include "menu/settings.h"
#include "platform/file_replacement.h"
#include "platform/system_library.h"
#include "platform/text.h"

namespace pandor {
namespace {

constexpr wchar_t kMenuProgramName[] = L"autorun.exe";

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The medium's label: the menu's caption, as make-medium.sh chooses it.
std::string LabelOf(const SettingsModel& settings) {
  const LineList& lines = settings.File().Lines();
  return lines.size() > kCaptionLine ? AnsiToUtf8(lines[kCaptionLine]) : "";
}

}  // namespace

void EditorWindow::UseDocument(MediumDocument document) {
  document_.emplace(std::move(document));
  tree_ = document_->Menu().model.programs.Tree();
  startupSound_ = document_->BytesOf(kStartupSoundPath);
  ShowState(tree_.Empty() ? -1 : tree_.TopLevel().front());
}

bool EditorWindow::OpenMedium(const std::wstring& root) {
  if (!IsFolder(root)) {
    dialogs_.Error(hwnd_, "„" + ToUtf8(root) + "“ ist kein Ordner.");
    return false;
  }
  if (!MediumDocument::HoldsMenu(root)) {
    const std::string question = "Im Ordner „" + ToUtf8(root) +
                                 "“ liegt noch kein Menü. Soll dort ein neues angelegt werden? Geschrieben wird es "
                                 "erst beim Speichern.";
    if (dialogs_.Ask(hwnd_, question, false) != Answer::kYes) return false;
    UseDocument(MediumDocument::New(root));
    SetStatus("Neues Menü. Fügen Sie Programme hinzu und speichern Sie mit Strg+S.");
    return true;
  }
  try {
    UseDocument(MediumDocument::Open(root));
  } catch (const MenuError& error) {
    dialogs_.Error(hwnd_, error.what());
    return false;
  }
  SetStatus("Geöffnet: " + ToUtf8(root));
  return true;
}

void EditorWindow::NewMenu() {
  if (!ConfirmLeaving()) return;
  const std::optional<std::wstring> folder =
      dialogs_.ChooseFolder(hwnd_, "Wählen Sie den leeren Ordner, der das Medium werden soll.");
  if (!folder) return;
  if (MediumDocument::HoldsMenu(*folder)) {
    dialogs_.Error(hwnd_, "Im Ordner „" + ToUtf8(*folder) + "“ liegt schon ein Menü. Öffnen Sie es mit Strg+O.");
    return;
  }
  UseDocument(MediumDocument::New(*folder));
  SetStatus("Neues Menü. Fügen Sie Programme hinzu und speichern Sie mit Strg+S.");
}

void EditorWindow::OpenChosen() {
  if (!ConfirmLeaving()) return;
  const std::optional<std::wstring> folder =
      dialogs_.ChooseFolder(hwnd_, "Wählen Sie den Ordner des Mediums (den Ordner, der „autorun“ enthält).");
  if (folder) OpenMedium(*folder);
}

bool EditorWindow::Save() {
  if (!document_) return false;
  CommitFields();
  try {
    const std::wstring backup = document_->Save();
    SetStatus(backup.empty() ? "Gespeichert." : "Gespeichert. Die vorige Fassung liegt in „" + ToUtf8(backup) + "“.");
  } catch (const MenuError& error) {
    dialogs_.Error(hwnd_, std::string("Das Menü wurde nicht gespeichert; die Dateien sind, wie sie waren.\n\n") +
                              error.what());
    return false;
  }
  UpdateCaption();
  return true;
}

bool EditorWindow::ConfirmLeaving() {
  if (!document_) return true;
  CommitFields();
  if (!document_->History().Unsaved()) return true;
  switch (dialogs_.Ask(hwnd_, "Das Menü „" + ToUtf8(document_->Name()) + "“ hat ungespeicherte Änderungen. Speichern?",
                       true)) {
    case Answer::kYes: return Save();
    case Answer::kNo: return true;
    case Answer::kCancel: return false;
  }
  return false;
}

std::optional<std::wstring> EditorWindow::MenuProgram() {
  const std::wstring program = programFolder_ + L"\\" + kMenuProgramName;
  if (IsFile(program)) return program;
  dialogs_.Error(hwnd_, "Das Menüprogramm „autorun.exe“ fehlt neben dem Editor (in „" + ToUtf8(programFolder_) +
                            "“). Vorschau und Schreiben eines Mediums brauchen es: legen Sie es aus dem Paket "
                            "dorthin.");
  return std::nullopt;
}

void EditorWindow::Preview() {
  if (!document_) return;
  CommitFields();
  const std::optional<std::wstring> program = MenuProgram();
  if (!program) return;
  // The menu as it stands, saved or not, in a medium of its own: the menu
  // program and the menu folder, with the unsaved files written into it.
  wchar_t temporary[MAX_PATH];
  GetTempPathW(MAX_PATH, temporary);
  static int previews = 0;
  const std::wstring folder = std::wstring(temporary) + L"Pandor 7 Vorschau\\" +
                              std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++previews);
  try {
    CopyFolder(document_->PathOf("autorun"), folder + L"\\autorun");
    std::vector<FileReplacement> unsaved;
    for (const auto& [path, bytes] : UnsavedFilesOf(document_->Menu())) {
      if (path.rfind("autorun/", 0) != 0) continue;
      std::wstring target = folder + L"\\" + FromUtf8(path);
      for (wchar_t& c : target) c = c == L'/' ? L'\\' : c;
      unsaved.push_back(FileReplacement{target, bytes ? std::make_shared<const std::string>(*bytes) : nullptr});
    }
    ReplaceFiles(unsaved, folder + L"\\ersetzt");
    if (!CopyFileW(program->c_str(), (folder + L"\\" + kMenuProgramName).c_str(), FALSE)) {
      throw MenuError("Das Menüprogramm kann nicht in „" + ToUtf8(folder) + "“ kopiert werden: " +
                      SystemErrorText(GetLastError()));
    }
  } catch (const MenuError& error) {
    dialogs_.Error(hwnd_, std::string("Die Vorschau kann nicht gezeigt werden.\n\n") + error.what());
    return;
  }
  previewFolder_ = folder;
  if (!dialogs_.Start(folder + L"\\" + kMenuProgramName, folder)) {
    dialogs_.Error(hwnd_, "Das Menüprogramm kann nicht gestartet werden: " + SystemErrorText(GetLastError()));
    return;
  }
  SetStatus("Die Vorschau zeigt das Menü, wie es jetzt ist. Programme startet sie nicht vom Medium.");
}

void EditorWindow::WriteMedium() {
  if (!document_) return;
  CommitFields();
  if (document_->History().Unsaved()) {
    if (dialogs_.Ask(hwnd_, "Geschrieben wird das gespeicherte Menü. Jetzt speichern?", false) != Answer::kYes) return;
    if (!Save()) return;
  }
  for (const check::Finding& finding : findings_.Findings()) {
    if (finding.severity != check::Severity::kError) continue;
    if (dialogs_.Ask(hwnd_, "Die Prüfung findet Fehler im Menü (siehe Befunde). Trotzdem schreiben?", false) !=
        Answer::kYes) {
      return;
    }
    break;
  }
  const std::wstring root = document_->Root();
  const bool hasProgram = IsFile(root + L"\\" + kMenuProgramName);
  std::optional<std::wstring> program;
  if (!hasProgram && !(program = MenuProgram())) return;
  const std::optional<std::wstring> target =
      dialogs_.ChooseFolder(hwnd_, "Wählen Sie den USB-Stick oder den Ordner, in den das Medium geschrieben wird.");
  if (!target) return;
  if (LiesIn(*target, root)) {
    dialogs_.Error(hwnd_, "Der Ordner „" + ToUtf8(*target) + "“ liegt im Medium selbst. Wählen Sie einen anderen.");
    return;
  }
  if (!FolderIsEmpty(*target) &&
      dialogs_.Ask(hwnd_, "„" + ToUtf8(*target) + "“ ist nicht leer. Trotzdem hineinschreiben (gleichnamige Dateien "
                          "werden ersetzt)?", false) != Answer::kYes) {
    return;
  }
  const std::string label = LabelOf(document_->Menu().model.settings);
  try {
    CopyFolder(root, *target);
    if (program && !CopyFileW(program->c_str(), (*target + L"\\" + kMenuProgramName).c_str(), FALSE)) {
      throw MenuError("„autorun.exe“ kann nicht geschrieben werden: " + SystemErrorText(GetLastError()));
    }
    if (!IsFile(root + L"\\autorun.inf")) {
      ReplaceFiles({FileReplacement{*target + L"\\autorun.inf", std::make_shared<const std::string>(AutorunInf(label))}},
                   BackupsFolder() + L"\\" + document_->Name() + L"\\autorun.inf");
    }
  } catch (const MenuError& error) {
    dialogs_.Error(hwnd_, std::string("Das Medium wurde nicht vollständig geschrieben.\n\n") + error.what());
    return;
  }
  SetStatus("Das Medium steht in „" + ToUtf8(*target) + "“.");
}

void EditorWindow::DropFiles(HDROP drop) {
  const auto query = Shell32().Function<decltype(&DragQueryFileW)>("DragQueryFileW");
  const auto finish = Shell32().Function<decltype(&DragFinish)>("DragFinish");
  if (!query || !finish) return;
  std::vector<std::wstring> paths;
  const UINT count = query(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(query(drop, i, nullptr, 0) + 1, L'\0');
    path.resize(query(drop, i, path.data(), static_cast<UINT>(path.size())));
    paths.push_back(path);
  }
  finish(drop);
  if (paths.size() == 1 && IsFolder(paths.front())) {
    if (ConfirmLeaving()) OpenMedium(paths.front());
    return;
  }
  if (!document_) {
    dialogs_.Error(hwnd_, "Öffnen Sie zuerst ein Medium; dann nimmt der Editor Programme auf, die Sie hierher ziehen.");
    return;
  }
  for (const std::wstring& path : paths) {
    if (IsFile(path)) AddProgram(path);
  }
}

}  // namespace pandor
