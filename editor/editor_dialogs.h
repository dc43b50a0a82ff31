#pragma once
// What the editor asks of the author and of Windows outside its own window:
// file and folder dialogs, questions, messages and starting the preview.
// Behind an interface, so that tests drive the editor without a modal box.

#include <windows.h>

#include <optional>
#include <string>

namespace pandor {

enum class FileKind { kProgram, kPicture, kSound };
enum class Answer { kYes, kNo, kCancel };

class EditorDialogs {
 public:
  virtual ~EditorDialogs() = default;
  virtual std::optional<std::wstring> ChooseFolder(HWND owner, const std::string& title) = 0;
  virtual std::optional<std::wstring> ChooseFile(HWND owner, FileKind kind) = 0;
  // Yes or no, and cancel too when `withCancel`; texts UTF-8.
  virtual Answer Ask(HWND owner, const std::string& question, bool withCancel) = 0;
  virtual void Tell(HWND owner, const std::string& text) = 0;
  virtual void Error(HWND owner, const std::string& text) = 0;
  // Starts the program in the folder without waiting for it; false when it can't.
  virtual bool Start(const std::wstring& program, const std::wstring& folder) = 0;
};

// The dialogs of Windows.
class WindowsEditorDialogs : public EditorDialogs {
 public:
  std::optional<std::wstring> ChooseFolder(HWND owner, const std::string& title) override;
  std::optional<std::wstring> ChooseFile(HWND owner, FileKind kind) override;
  Answer Ask(HWND owner, const std::string& question, bool withCancel) override;
  void Tell(HWND owner, const std::string& text) override;
  void Error(HWND owner, const std::string& text) override;
  bool Start(const std::wstring& program, const std::wstring& folder) override;
};

// The editor's title in its window and boxes.
constexpr const char* kEditorTitle = "Pandor 7 Editor";

}  // namespace pandor
