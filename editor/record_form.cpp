#include "editor/record_form.h"

#include <commctrl.h>

#include "platform/child_window.h"
#include "platform/object_window.h"
#include "platform/text.h"

namespace pandor {
namespace {

constexpr wchar_t kClassName[] = L"Pandor7EditorRecordForm";
constexpr UINT kCommitLater = WM_APP + 1;

// Offsets of the form's controls from its first id; each label stands right
// before its field, so that screen readers name the field by it.
enum Offset : int {
  kGroupLabel, kGroup, kRunFileLabel, kRunFile, kRunFileButton, kDisplayNameLabel, kDisplayName,
  kInstalledNameLabel, kInstalledName, kPictureLabel, kPictureName, kPictureButton, kDescriptionFileLabel,
  kDescriptionFile, kDescriptionLabel, kDescription, kPreviewLabel, kPreview, kNote, kCount
};

struct ControlPlace {
  Offset offset;
  const wchar_t* className;
  const wchar_t* text;
  DWORD style;
  Place place;  // at 96 DPI, in the form
};

constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;
constexpr int kLabelX = 8, kLabelWidth = 124, kFieldX = 136, kFieldWidth = 330, kButtonX = 472, kButtonWidth = 120;
constexpr int kRow = 30, kFieldHeight = 22;

constexpr int RowY(int row) { return 10 + row * kRow; }

const ControlPlace kControls[] = {
    {kGroupLabel, L"STATIC", L"&Gruppe:", SS_LEFT, {kLabelX, RowY(0) + 3, kLabelWidth, 18}},
    {kGroup, WC_COMBOBOXW, L"", WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, {kFieldX, RowY(0), kFieldWidth, 200}},
    {kRunFileLabel, L"STATIC", L"&Startdatei:", SS_LEFT, {kLabelX, RowY(1) + 3, kLabelWidth, 18}},
    {kRunFile, L"EDIT", L"", kEdit, {kFieldX, RowY(1), kFieldWidth, kFieldHeight}},
    {kRunFileButton, L"BUTTON", L"&Durchsuchen…", kButton, {kButtonX, RowY(1) - 1, kButtonWidth, 24}},
    {kDisplayNameLabel, L"STATIC", L"&Anzeigename:", SS_LEFT, {kLabelX, RowY(2) + 3, kLabelWidth, 18}},
    {kDisplayName, L"EDIT", L"", kEdit, {kFieldX, RowY(2), kFieldWidth, kFieldHeight}},
    {kInstalledNameLabel, L"STATIC", L"&Installierter Name:", SS_LEFT, {kLabelX, RowY(3) + 3, kLabelWidth, 18}},
    {kInstalledName, L"EDIT", L"", kEdit, {kFieldX, RowY(3), kFieldWidth, kFieldHeight}},
    {kPictureLabel, L"STATIC", L"&Bild:", SS_LEFT, {kLabelX, RowY(4) + 3, kLabelWidth, 18}},
    {kPictureName, L"EDIT", L"", kEdit, {kFieldX, RowY(4), kFieldWidth, kFieldHeight}},
    {kPictureButton, L"BUTTON", L"Bild &wählen…", kButton, {kButtonX, RowY(4) - 1, kButtonWidth, 24}},
    {kDescriptionFileLabel, L"STATIC", L"Beschreibungs&datei:", SS_LEFT, {kLabelX, RowY(5) + 3, kLabelWidth, 18}},
    {kDescriptionFile, L"EDIT", L"", kEdit, {kFieldX, RowY(5), kFieldWidth, kFieldHeight}},
    {kDescriptionLabel, L"STATIC", L"B&eschreibung:", SS_LEFT, {kLabelX, RowY(6) + 3, kLabelWidth, 18}},
    {kDescription, L"EDIT", L"",
     WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
     {kLabelX, RowY(7) - 6, 380, 220}},
    {kPreviewLabel, L"STATIC", L"Vorschau:", SS_LEFT, {400, RowY(6) + 3, 192, 18}},
    {kPreview, nullptr, nullptr, 0, {400, RowY(7) - 6, 192, 144}},
    {kNote, L"STATIC", L"", SS_LEFT, {400, RowY(7) + 144, 192, 76}},
};

bool IsField(int offset) {
  return offset == kGroup || offset == kRunFile || offset == kDisplayName || offset == kInstalledName ||
         offset == kPictureName || offset == kDescriptionFile || offset == kDescription;
}

std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

RecordForm::~RecordForm() { ReleaseObjectWindow(hwnd_); }

void RecordForm::Register(HINSTANCE instance) {
  RegisterObjectWindowClass<RecordForm>(instance, kClassName, LoadCursor(nullptr, IDC_ARROW));
}

HWND RecordForm::Create(HWND parent, const RECT& area, int firstId) {
  firstId_ = firstId;
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, L"Programm", WS_CHILD | WS_VISIBLE, area.left, area.top,
                  area.right - area.left, area.bottom - area.top, parent, nullptr, instance, this);
  shown_.assign(kCount, L"");
  for (const ControlPlace& control : kControls) {
    if (control.offset == kPreview) {
      picture_.Create(hwnd_, firstId + kPreview, control.place.ScaledRect());
      continue;
    }
    CreateChildWindow(hwnd_, control.className, control.text, control.style, control.place, firstId + control.offset);
  }
  ShowNothing();
  return hwnd_;
}

void RecordForm::EnableFields(bool enabled) {
  for (int offset = 0; offset < kCount; ++offset) {
    if (offset != kNote && offset != kPreview && Control(offset)) EnableWindow(Control(offset), enabled);
  }
}

void RecordForm::ShowRecord(const ProgramEntry& entry, const std::vector<std::string>& groups,
                            const std::wstring& description, bool descriptionEditable, const PictureSource& picture) {
  showing_ = true;
  EnableFields(true);
  // Only what differs is set: a control given its text anew lays it out
  // anew, and a picture is decoded anew, which an edit of the same record
  // would pay for every time.
  if (groups != groups_) {
    groups_ = groups;
    const HWND group = Control(kGroup);
    SendMessageW(group, CB_RESETCONTENT, 0, 0);
    SendMessageW(group, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
    for (const std::string& name : groups) {
      SendMessageW(group, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromAnsi(name).c_str()));
    }
    shown_[kGroup] = L"\n";  // the list's reset emptied the field
  }
  const std::pair<Offset, std::wstring> fields[] = {
      {kGroup, FromAnsi(entry.group)},
      {kRunFile, FromAnsi(entry.runFile)},
      {kDisplayName, FromAnsi(entry.displayName)},
      {kInstalledName, FromAnsi(entry.installedName)},
      {kPictureName, FromAnsi(entry.picture)},
      {kDescriptionFile, FromAnsi(entry.description)},
      {kDescription, description}};
  for (const auto& [offset, text] : fields) SetField(offset, text);
  SendMessageW(Control(kDescription), EM_SETREADONLY, !descriptionEditable, 0);
  if (picture.path != picturePath_ || picture.path.empty()) {
    picturePath_ = picture.path;
    pictureProblem_.clear();
    picture_.SetPicture(picture.path.empty() ? nullptr : picture.load(picture.path, pictureProblem_));
  }
  SetWindowTextW(Control(kNote), FromUtf8(picture.note + pictureProblem_).c_str());
  showing_ = false;
}

void RecordForm::SetField(int offset, const std::wstring& text) {
  std::wstring& shown = shown_[static_cast<size_t>(offset)];
  if (text == shown) return;
  shown = text;
  SetWindowTextW(Control(offset), text.c_str());
}

void RecordForm::ShowGroup(const std::string& ansiName, int programs) {
  ShowNothing();
  SetWindowTextW(Control(kNote), FromUtf8("Gruppe „" + ToUtf8(FromAnsi(ansiName)) + "“ mit " +
                                          std::to_string(programs) + (programs == 1 ? " Programm." : " Programmen.") +
                                          " F2 benennt sie um.")
                                     .c_str());
}

void RecordForm::ShowNothing() {
  showing_ = true;
  for (int offset = 0; offset < kCount; ++offset) {
    if (IsField(offset)) SetField(offset, L"");
  }
  picturePath_.clear();
  picture_.SetPicture(nullptr);
  SetWindowTextW(Control(kNote), L"");
  EnableFields(false);
  showing_ = false;
}

void RecordForm::Focus(RecordField field) {
  const Offset offsets[] = {kGroup, kRunFile, kDisplayName, kInstalledName, kPictureName, kDescriptionFile};
  SetFocus(Control(offsets[static_cast<size_t>(field)]));
}

void RecordForm::FocusDescription() { SetFocus(Control(kDescription)); }

void RecordForm::CommitPending() {
  const HWND focus = GetFocus();
  for (int offset = 0; offset < kCount; ++offset) {
    const HWND control = Control(offset);
    if (IsField(offset) && (focus == control || IsChild(control, focus))) Commit(offset);
  }
}

void RecordForm::Commit(int offset) {
  if (showing_ || !IsField(offset)) return;
  const std::wstring text = TextOf(Control(offset));
  if (text == shown_[static_cast<size_t>(offset)]) return;
  shown_[static_cast<size_t>(offset)] = text;
  switch (offset) {
    case kGroup: host_.FieldEdited(RecordField::kGroup, text); break;
    case kRunFile: host_.FieldEdited(RecordField::kRunFile, text); break;
    case kDisplayName: host_.FieldEdited(RecordField::kDisplayName, text); break;
    case kInstalledName: host_.FieldEdited(RecordField::kInstalledName, text); break;
    case kPictureName: host_.FieldEdited(RecordField::kPicture, text); break;
    case kDescriptionFile: host_.FieldEdited(RecordField::kDescription, text); break;
    case kDescription: host_.DescriptionEdited(text); break;
  }
}

LRESULT RecordForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const int offset = LOWORD(wParam) - firstId_;
      const int code = HIWORD(wParam);
      if (code == EN_KILLFOCUS || code == CBN_KILLFOCUS) Commit(offset);
      // The combo box shows the chosen entry's text only after this notification.
      if (code == CBN_SELENDOK) PostMessageW(hwnd_, kCommitLater, static_cast<WPARAM>(offset), 0);
      if (code == BN_CLICKED && offset == kRunFileButton) host_.ChooseRunFile();
      if (code == BN_CLICKED && offset == kPictureButton) host_.ChoosePicture();
      return 0;
    }
    case kCommitLater: Commit(static_cast<int>(wParam)); return 0;
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(hwnd_, &area);
      FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace pandor
