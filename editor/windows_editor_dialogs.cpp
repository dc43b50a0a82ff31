#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>
#include <ole2.h>

#include "editor/editor_dialogs.h"
#include "platform/system_library.h"
#include "platform/text.h"

namespace pandor {
namespace {

// A filter as the file dialog takes it: name and patterns, each ended by a
// NUL, with a NUL after the last pair.
std::wstring FilterOf(FileKind kind) {
  const wchar_t* name = L"Klänge (*.wav)";
  const wchar_t* patterns = L"*.wav";
  if (kind == FileKind::kProgram) {
    name = L"Programme (*.exe; *.bat; *.cmd; *.msi)";
    patterns = L"*.exe;*.bat;*.cmd;*.msi";
  } else if (kind == FileKind::kPicture) {
    name = L"Bilder (*.bmp; *.jpg; *.ico; *.wmf; *.emf)";
    patterns = L"*.bmp;*.jpg;*.jpeg;*.ico;*.wmf;*.emf";
  }
  std::wstring filter;
  for (const wchar_t* part : {name, patterns, L"Alle Dateien", L"*.*"}) {
    filter += part;
    filter += L'\0';
  }
  return filter + L'\0';
}

}  // namespace

std::optional<std::wstring> WindowsEditorDialogs::ChooseFolder(HWND owner, const std::string& title) {
  const std::wstring caption = FromUtf8(title);
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.lpszTitle = caption.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  // The dialog of the new style needs OLE on the thread, started only now
  // (a second start only counts up).
  const auto startOle = Ole32().Function<decltype(&OleInitialize)>("OleInitialize");
  const auto freeMemory = Ole32().Function<decltype(&CoTaskMemFree)>("CoTaskMemFree");
  const auto browse = Shell32().Function<decltype(&SHBrowseForFolderW)>("SHBrowseForFolderW");
  const auto pathOf = Shell32().Function<decltype(&SHGetPathFromIDListW)>("SHGetPathFromIDListW");
  if (!startOle || !freeMemory || !browse || !pathOf) return std::nullopt;
  startOle(nullptr);
  PIDLIST_ABSOLUTE chosen = browse(&info);
  if (!chosen) return std::nullopt;
  std::wstring path(MAX_PATH, L'\0');
  const bool named = pathOf(chosen, path.data());
  freeMemory(chosen);
  if (!named) return std::nullopt;
  path.resize(wcslen(path.c_str()));
  return path;
}

std::optional<std::wstring> WindowsEditorDialogs::ChooseFile(HWND owner, FileKind kind) {
  const std::wstring filter = FilterOf(kind);
  std::wstring path(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
  const auto open = Comdlg32().Function<decltype(&GetOpenFileNameW)>("GetOpenFileNameW");
  if (!open || !open(&dialog)) return std::nullopt;
  path.resize(wcslen(path.c_str()));
  return path;
}

Answer WindowsEditorDialogs::Ask(HWND owner, const std::string& question, bool withCancel) {
  const int answer = MessageBoxW(owner, FromUtf8(question).c_str(), FromUtf8(kEditorTitle).c_str(),
                                 (withCancel ? MB_YESNOCANCEL : MB_YESNO) | MB_ICONQUESTION);
  return answer == IDYES ? Answer::kYes : answer == IDNO ? Answer::kNo : Answer::kCancel;
}

void WindowsEditorDialogs::Tell(HWND owner, const std::string& text) {
  MessageBoxW(owner, FromUtf8(text).c_str(), FromUtf8(kEditorTitle).c_str(), MB_OK | MB_ICONINFORMATION);
}

void WindowsEditorDialogs::Error(HWND owner, const std::string& text) {
  MessageBoxW(owner, FromUtf8(text).c_str(), FromUtf8(kEditorTitle).c_str(), MB_OK | MB_ICONERROR);
}

bool WindowsEditorDialogs::Start(const std::wstring& program, const std::wstring& folder) {
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace pandor
