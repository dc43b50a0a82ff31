#pragma once
// The form beside the tree: the fields of the selected program's record
// (group, run file, display name, installed name, picture, description
// file), its description text and its picture as the menu's preview shows
// it. A field's change is handed on when the field is left.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "menu/program_entry.h"
#include "platform/picture.h"
#include "platform/picture_view.h"

namespace pandor {

class RecordFormHost {
 public:
  virtual ~RecordFormHost() = default;
  // The author changed a field's text (as typed, not yet ANSI).
  virtual void FieldEdited(RecordField field, const std::wstring& text) = 0;
  virtual void DescriptionEdited(const std::wstring& text) = 0;
  virtual void ChooseRunFile() = 0;
  virtual void ChoosePicture() = 0;
};

class RecordForm {
 public:
  explicit RecordForm(RecordFormHost& host) : host_(host) {}
  ~RecordForm();
  static void Register(HINSTANCE instance);
  HWND Create(HWND parent, const RECT& area, int firstId);
  HWND Window() const { return hwnd_; }

  // The record's picture: its path, loaded only when it isn't the one shown
  // (`load` gives the picture, or none and the reason in `problem`); a note
  // on the record's files.
  struct PictureSource {
    std::string path;
    std::function<std::unique_ptr<Picture>(const std::string& path, std::string& problem)> load;
    std::string note;
  };
  // A program's record; the groups the group field offers. A description
  // too long to edit here is shown in part, read-only.
  void ShowRecord(const ProgramEntry& entry, const std::vector<std::string>& groups, const std::wstring& description,
                  bool descriptionEditable, const PictureSource& picture);
  // A group that only its programs name: its name, nothing to edit here.
  void ShowGroup(const std::string& ansiName, int programs);
  void ShowNothing();
  void Focus(RecordField field);
  void FocusDescription();
  // Hands on the change of the field that has the focus, if any.
  void CommitPending();

 private:
  template <typename T>
  friend LRESULT CALLBACK ObjectWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Commit(int control);
  void EnableFields(bool enabled);
  void SetField(int offset, const std::wstring& text);
  HWND Control(int offset) const { return GetDlgItem(hwnd_, firstId_ + offset); }

  RecordFormHost& host_;
  HWND hwnd_ = nullptr;
  int firstId_ = 0;
  PictureView picture_;
  std::vector<std::wstring> shown_;  // each field's text as shown, by control
  std::vector<std::string> groups_;  // as the group field's list holds them
  std::string picturePath_;          // of the picture shown
  std::string pictureProblem_;       // why it couldn't be shown
  bool showing_ = false;
};

}  // namespace pandor
