#pragma once
// The editor's page of options.dat: every settings line as a labelled
// standard control, grouped as the menu window shows them, the start-up sound
// and the welcome text. The page holds no menu of its own: each change the
// author makes is one edit handed to the host, which keeps the menu and its
// undo steps and shows the page again.

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/colour_field.h"
#include "editor/page_layout.h"
#include "menu/settings_model.h"
#include "platform/handle.h"
#include "platform/object_window.h"

namespace pandor {

class SettingsPageHost {
 public:
  virtual ~SettingsPageHost() = default;
  // One undoable edit of options.dat: the editor calls `edit` on its copy and records the step.
  virtual void EditSettings(const std::function<void(SettingsModel&)>& edit) = 0;
  // The start-up sound as it will be saved as autorun\startup.wav; nullopt: none (deleted on saving).
  virtual const std::optional<std::string>& StartupSound() const = 0;
  virtual void SetStartupSound(std::optional<std::string> waveBytes) = 0;
  // An error box owned by the editor (German text, UTF-8).
  virtual void ShowError(const std::string& text) = 0;
  // The file dialog for a WAV file; none when the author cancels.
  virtual std::optional<std::wstring> ChooseSoundFile() = 0;
};

class SettingsPage {
 public:
  // The control ids the page takes, from Create's firstId up.
  static constexpr int kIdCount = 160;

  explicit SettingsPage(SettingsPageHost& host);
  ~SettingsPage();
  SettingsPage(const SettingsPage&) = delete;
  SettingsPage& operator=(const SettingsPage&) = delete;

  // Creates the page as a child of `parent` at `area` (client pixels, already scaled), control ids from `firstId` up.
  HWND Create(HWND parent, const RECT& area, int firstId);
  // Shows the model (after open, undo, or any edit); sends no edits back while doing so.
  void Show(const SettingsModel& settings);
  // A finding about options.dat line `line` (0-based, as SettingsLine): the page shows that line's control and
  // focuses it. Lines after 16 are the welcome text's.
  void FocusLine(int line);
  // Takes what the author typed into a field not yet left, as leaving it would: before saving.
  void CommitEdits();
  HWND Window() const { return hwnd_; }

 private:
  friend LRESULT CALLBACK ObjectWindowProc<SettingsPage>(HWND, UINT, WPARAM, LPARAM);

  // Pseudo lines of the page's own rows, for their control ids.
  static constexpr int kSoundRow = kIconStyleLine + 1;
  static constexpr int kWelcomeRow = kIconStyleLine + 2;
  static constexpr int kGroupBoxRow = kIconStyleLine + 3;
  static constexpr int kRowCount = kIconStyleLine + 3;

  struct Piece {
    HWND window;
    Place place;  // in the row
  };
  struct Row {
    std::vector<Piece> pieces;
    HWND note = nullptr;  // under the fields, shown when it has a text
    int height = kRowHeight;
  };
  struct Group {
    HWND box = nullptr;
    std::vector<Row> rows;
  };

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  // Building the rows, in the order of the tab key.
  void CreateControls();
  void BeginGroup(const char* caption);
  void BeginRow(int height = kRowHeight);
  HWND Add(const wchar_t* className, const std::wstring& text, DWORD style, const Place& place, int id);
  void AddNote(int row);
  void AddTextRow(SettingsLine line, const char* label);
  void AddColourRow(SettingsLine line, const char* label);
  void AddSwitchRow(SettingsLine line, const char* text);
  void AddFontNameRow();
  void AddFontSizeRow();
  void AddIconStyleRow();
  void AddVersionRow();
  void AddSoundRows();
  void AddWelcomeRow();

  void Layout();
  int NoteHeight(HWND note, int width) const;
  void ScrollTo(int position);
  void ScrollIntoView(HWND control);
  void OnVScroll(HWND from, int request);

  void Refresh();
  void ShowLine(const Settings& settings, SettingsLine line);
  void ShowVersion(const Settings& settings);
  void ShowSound();
  void SetNote(int row, const std::string& text);

  void OnCommand(HWND control, int id, int code);
  void Edit(const std::function<void(SettingsModel&)>& edit);
  void Commit(int row);
  void CommitText(SettingsLine line);
  void CommitFontSize();
  void CommitWelcome();
  // The text of a field as ANSI bytes; none, with the error told, when the code page lacks characters.
  std::optional<std::string> FieldBytes(int row);
  void Refuse(int row, const std::string& text);

  void ChooseSound();
  void ListenToSound();
  void StopPlaying();
  void RemoveSound();

  int Id(int row, int part) const { return firstId_ + row * kIdsPerRow + part; }
  static constexpr int kIdsPerRow = 8;

  SettingsPageHost& host_;
  HWND hwnd_ = nullptr;
  int firstId_ = 0;
  HFONT font_ = nullptr;  // the parent's, or ownFont_
  FontHandle ownFont_;
  SettingsModel shown_;
  bool showing_ = false;
  int scroll_ = 0;
  int contentHeight_ = 0;
  std::vector<Group> groups_;
  std::array<HWND, kRowCount> fields_{};  // each row's first control
  std::array<HWND, kRowCount> notes_{};
  std::array<bool, kRowCount> changed_{};  // by the author since it was last shown or taken
  std::array<ColourField, kIconStyleLine + 1> colours_;
  HWND setVersion_ = nullptr;
  HWND fontSizeSpin_ = nullptr;
  HWND soundInfo_ = nullptr;
  HWND chooseSound_ = nullptr;
  HWND playSound_ = nullptr;
  HWND removeSound_ = nullptr;
  std::vector<std::string> pendingErrors_;  // told once the focus has moved on
  std::string playing_;                     // the bytes PlaySound plays from
};

}  // namespace pandor
