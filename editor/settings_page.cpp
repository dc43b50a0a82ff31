#include "editor/settings_page.h"

#include "platform/system_library.h"

#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>

#include <algorithm>

#include "editor/setting_notes.h"
#include "editor/startup_sound.h"
#include "menu/menu_error.h"
#include "menu/start_up_settings.h"
#include "menu/strict_integer.h"
#include "platform/ansi_text.h"
#include "platform/text.h"
#include "platform/windows_files.h"

namespace pandor {
namespace {

constexpr wchar_t kClassName[] = L"Pandor7SettingsPage";
constexpr UINT kShowErrorsMessage = WM_APP + 1;

// Pixels at 96 DPI; the rows' own places are in page_layout.h.
constexpr int kMargin = 8;
constexpr int kGroupCaption = 20;  // from a group box's top to its first row
constexpr int kGroupBottom = 6;
constexpr int kGroupGap = 6;
constexpr int kRightPadding = 8;  // between a group box's right side and its fields
constexpr int kWheelStep = 3 * kRowHeight;
constexpr int kRowGap = kRowHeight - kFieldHeight;  // under a row's fields
constexpr int kNoteGap = 2;                         // between the fields and their note

constexpr Place kTextField{kFieldLeft, 0, kToRightEdge, kFieldHeight};
constexpr Place kCheckBox{kLabelLeft, 2, 360, 17};
constexpr Place kFontName{kFieldLeft, 0, 220, kDropDownHeight};
constexpr Place kFontSize{kFieldLeft, 0, 50, kFieldHeight};
constexpr Place kFontSizeSpin{kFieldLeft + 50, 0, 17, kFieldHeight};
constexpr Place kIconStyle{kFieldLeft, 0, 220, kDropDownHeight};
constexpr Place kVersion{kFieldLeft, 0, 80, kFieldHeight};
constexpr Place kSetVersion{kFieldLeft + 86, 0, 130, kButtonHeight};
constexpr Place kSoundInfo{kFieldLeft, 4, kToRightEdge, 13};
constexpr Place kChooseSound{kFieldLeft, 0, 110, kButtonHeight};
constexpr Place kPlaySound{kFieldLeft + 116, 0, 90, kButtonHeight};
constexpr Place kRemoveSound{kFieldLeft + 212, 0, 90, kButtonHeight};
constexpr int kWelcomeHeight = 120;
constexpr Place kWelcome{kFieldLeft, 0, kToRightEdge, kWelcomeHeight};
constexpr Place kNote{kFieldLeft, 0, kToRightEdge, 0};  // as high as its text
constexpr int kLargestFontSize = 200;

constexpr COLORREF kNoteColour = RGB(160, 0, 0);

// A row's controls by their part of the row's ids.
constexpr int kMainPart = 0;
constexpr int kSecondPart = 1;
constexpr int kThirdPart = 2;
constexpr int kLabelPart = 3;
constexpr int kNotePart = 4;

constexpr DWORD kFocusable = WS_TABSTOP | WS_GROUP;

struct IconStyle {
  int value;
  const char* name;
};
constexpr IconStyle kIconStyles[] = {{1, "Dokumentseite (1)"}, {2, "Diskette (2)"}, {3, "CD (3)"}};

std::wstring WindowTextOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Sets a control's text only when it differs: the caret of the field being
// typed in stays where it is.
void SetWindowTextIfChanged(HWND window, const std::wstring& text) {
  if (WindowTextOf(window) != text) SetWindowTextW(window, text.c_str());
}

// Lines as the author sees them in the welcome text's field: CR LF, a lone CR
// or a lone LF each end one; the last line may be empty.
LineList FieldLines(const std::string& text) {
  LineList lines(1);
  for (size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '\r' || text[at] == '\n') {
      if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
      lines.emplace_back();
    } else {
      lines.back() += text[at];
    }
  }
  return lines;
}

std::string JoinedLines(const LineList& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
  return text;
}

bool IsFocusNotice(HWND control, int code) {
  wchar_t className[16] = L"";
  GetClassNameW(control, className, 16);
  if (lstrcmpiW(className, L"Edit") == 0) return code == EN_SETFOCUS;
  if (lstrcmpiW(className, L"ComboBox") == 0) return code == CBN_SETFOCUS;
  if (lstrcmpiW(className, L"Button") == 0) return code == BN_SETFOCUS;
  return false;
}

int CALLBACK AddFontFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM combo) {
  // Vertical fonts ("@MS Gothic") are for East Asian vertical text, not for a menu.
  if (font->lfFaceName[0] == L'@') return 1;
  const auto box = reinterpret_cast<HWND>(combo);
  if (SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(font->lfFaceName)) ==
      CB_ERR) {
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(font->lfFaceName));
  }
  return 1;
}

void AddInstalledFonts(HWND combo) {
  LOGFONTW all{};
  all.lfCharSet = DEFAULT_CHARSET;
  const HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &all, AddFontFamily, reinterpret_cast<LPARAM>(combo), 0);
  ReleaseDC(nullptr, screen);
}

}  // namespace

SettingsPage::SettingsPage(SettingsPageHost& host) : host_(host) {}

SettingsPage::~SettingsPage() {
  StopPlaying();
  if (hwnd_) {
    const HWND window = hwnd_;
    ReleaseObjectWindow(window);
    hwnd_ = nullptr;
    DestroyWindow(window);
  }
}

HWND SettingsPage::Create(HWND parent, const RECT& area, int firstId) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  RegisterObjectWindowClass<SettingsPage>(instance, kClassName, LoadCursor(nullptr, IDC_ARROW));
  firstId_ = firstId;
  font_ = reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0));
  if (!font_) {
    // The font of message boxes, at the screen's resolution.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    ownFont_.reset(CreateFontIndirectW(&metrics.lfMessageFont));
    font_ = ownFont_ ? ownFont_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, L"Einstellungen",
                  WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_CLIPCHILDREN, area.left, area.top, area.right - area.left,
                  area.bottom - area.top, parent, nullptr, instance, this);
  if (!hwnd_) return nullptr;
  CreateControls();
  Refresh();
  return hwnd_;
}

// ---------------------------------------------------------------- building

void SettingsPage::CreateControls() {
  BeginGroup("Datei options.dat");
  AddVersionRow();
  BeginGroup("Fenster");
  AddTextRow(kCaptionLine, "Fenster&überschrift:");
  AddColourRow(kBackgroundColourLine, "&Hintergrundfarbe:");
  AddColourRow(kDescriptionColourLine, "Farbe der &Beschreibung:");
  AddSwitchRow(kInfoPanelShownLine, "&Infos beim Start eingeklappt");
  BeginGroup("Banner");
  AddTextRow(kBannerTextLine, "Banner&text:");
  AddColourRow(kBannerTextColourLine, "Farbe des Bannerte&xts:");
  AddColourRow(kBannerShadowColourLine, "Sch&attenfarbe:");
  AddColourRow(kBannerPanelColourLine, "Banner&farbe:");
  BeginGroup("Statuszeile");
  AddTextRow(kStatusTextLine, "Status&zeile:");
  AddSwitchRow(kTickerSwitchLine, "&Lauftext: der Text erscheint Zeichen für Zeichen");
  BeginGroup("Menü");
  AddFontNameRow();
  AddFontSizeRow();
  AddColourRow(kMenuFontColourLine, "Sch&riftfarbe:");
  AddIconStyleRow();
  AddSwitchRow(kHoverEffectsLine, "Hover-Farben der &Knöpfe");
  BeginGroup("Startklang (autorun\\startup.wav)");
  AddSoundRows();
  BeginGroup("Begrüßungstext");
  AddWelcomeRow();
}

void SettingsPage::BeginGroup(const char* caption) {
  Group group;
  // Transparent, so that the page, which clips its children, still paints the box's inside.
  group.box = CreateChildWindow(hwnd_, L"BUTTON", FromUtf8(caption).c_str(), BS_GROUPBOX, Place{0, 0, 0, 0},
                                Id(kGroupBoxRow, static_cast<int>(groups_.size())), WS_EX_TRANSPARENT);
  SendMessageW(group.box, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  groups_.push_back(std::move(group));
}

void SettingsPage::BeginRow(int height) {
  Row row;
  row.height = height;
  groups_.back().rows.push_back(std::move(row));
}

HWND SettingsPage::Add(const wchar_t* className, const std::wstring& text, DWORD style, const Place& place, int id) {
  const DWORD exStyle = lstrcmpiW(className, L"EDIT") == 0 ? WS_EX_CLIENTEDGE : 0;
  const HWND control = CreateChildWindow(hwnd_, className, text.c_str(), style, Place{0, 0, 0, 0}, id, exStyle);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  groups_.back().rows.back().pieces.push_back(Piece{control, place});
  const int row = (id - firstId_) / kIdsPerRow;
  if ((id - firstId_) % kIdsPerRow == kMainPart && row < kRowCount) fields_[static_cast<size_t>(row)] = control;
  return control;
}

void SettingsPage::AddNote(int row) {
  const HWND note = Add(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, kNote, Id(row, kNotePart));
  // The note lies under the fields, where Layout puts it; it isn't one of them.
  Row& current = groups_.back().rows.back();
  current.pieces.pop_back();
  current.note = note;
  notes_[static_cast<size_t>(row)] = note;
}

void SettingsPage::AddTextRow(SettingsLine line, const char* label) {
  BeginRow();
  Add(L"STATIC", FromUtf8(label), SS_LEFT, kLabelPlace, Id(line, kLabelPart));
  Add(L"EDIT", L"", ES_AUTOHSCROLL | kFocusable, kTextField, Id(line, kMainPart));
  AddNote(line);
}

void SettingsPage::AddColourRow(SettingsLine line, const char* label) {
  BeginRow();
  const AddRowControl add = [this](const wchar_t* className, const std::wstring& text, DWORD style,
                                   const Place& place, int id) { return Add(className, text, style, place, id); };
  colours_[line].Create(FromUtf8(label), Id(line, kMainPart), add);
  fields_[line] = colours_[line].Choice();
  AddNote(line);
}

void SettingsPage::AddSwitchRow(SettingsLine line, const char* text) {
  BeginRow();
  Add(L"BUTTON", FromUtf8(text), BS_AUTOCHECKBOX | BS_NOTIFY | kFocusable, kCheckBox, Id(line, kMainPart));
  AddNote(line);
}

void SettingsPage::AddFontNameRow() {
  BeginRow();
  Add(L"STATIC", L"&Schriftart:", SS_LEFT, kLabelPlace, Id(kMenuFontNameLine, kLabelPart));
  const HWND combo = Add(L"COMBOBOX", L"", CBS_DROPDOWN | CBS_SORT | CBS_AUTOHSCROLL | WS_VSCROLL | kFocusable,
                         kFontName, Id(kMenuFontNameLine, kMainPart));
  AddInstalledFonts(combo);
  AddNote(kMenuFontNameLine);
}

void SettingsPage::AddFontSizeRow() {
  BeginRow();
  Add(L"STATIC", FromUtf8("Schriftgr&öße in Punkt:"), SS_LEFT, kLabelPlace, Id(kMenuFontSizeLine, kLabelPart));
  Add(L"EDIT", L"", ES_AUTOHSCROLL | kFocusable, kFontSize, Id(kMenuFontSizeLine, kMainPart));
  fontSizeSpin_ = Add(UPDOWN_CLASSW, L"", UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                      kFontSizeSpin, Id(kMenuFontSizeLine, kSecondPart));
  SendMessageW(fontSizeSpin_, UDM_SETRANGE32, 0, kLargestFontSize);
  AddNote(kMenuFontSizeLine);
}

void SettingsPage::AddIconStyleRow() {
  BeginRow();
  Add(L"STATIC", L"S&ymbolstil der Programme:", SS_LEFT, kLabelPlace, Id(kIconStyleLine, kLabelPart));
  const HWND combo =
      Add(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | kFocusable, kIconStyle, Id(kIconStyleLine, kMainPart));
  for (const IconStyle& style : kIconStyles) {
    const auto item = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromUtf8(style.name).c_str()));
    SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(item), style.value);
  }
  AddNote(kIconStyleLine);
}

// The version line has one right text: shown as it stands, and set to it by
// the button where it differs.
void SettingsPage::AddVersionRow() {
  BeginRow();
  Add(L"STATIC", L"For&matversion:", SS_LEFT, kLabelPlace, Id(kVersionLine, kLabelPart));
  Add(L"EDIT", L"", ES_AUTOHSCROLL | ES_READONLY | kFocusable, kVersion, Id(kVersionLine, kMainPart));
  setVersion_ = Add(L"BUTTON", FromUtf8("Auf „" + std::string(kSettingsVersion) + "“ setzen"),
                    BS_PUSHBUTTON | BS_NOTIFY | kFocusable, kSetVersion, Id(kVersionLine, kSecondPart));
  AddNote(kVersionLine);
}

void SettingsPage::AddSoundRows() {
  BeginRow();
  Add(L"STATIC", L"Klang:", SS_LEFT | SS_NOPREFIX, kLabelPlace, Id(kSoundRow, kLabelPart));
  soundInfo_ = Add(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, kSoundInfo, Id(kSoundRow, kNotePart));
  BeginRow();
  chooseSound_ = Add(L"BUTTON", FromUtf8("Klang &wählen…"), BS_PUSHBUTTON | BS_NOTIFY | kFocusable, kChooseSound,
                     Id(kSoundRow, kMainPart));
  playSound_ = Add(L"BUTTON", FromUtf8("A&nhören"), BS_PUSHBUTTON | BS_NOTIFY | kFocusable, kPlaySound,
                   Id(kSoundRow, kSecondPart));
  removeSound_ = Add(L"BUTTON", L"K&ein Klang", BS_PUSHBUTTON | BS_NOTIFY | kFocusable, kRemoveSound,
                     Id(kSoundRow, kThirdPart));
  AddSwitchRow(kSoundLoopLine, "Klang wie&derholen, solange das Menü offen ist");
}

void SettingsPage::AddWelcomeRow() {
  BeginRow(kWelcomeHeight + kRowGap);
  Add(L"STATIC", FromUtf8("Be&grüßungstext:"), SS_LEFT, kLabelPlace, Id(kWelcomeRow, kLabelPart));
  Add(L"EDIT", L"", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | kFocusable, kWelcome,
      Id(kWelcomeRow, kMainPart));
  AddNote(kWelcomeRow);
}

// ---------------------------------------------------------------- layout and scrolling

int SettingsPage::NoteHeight(HWND note, int width) const {
  const std::wstring text = WindowTextOf(note);
  if (text.empty()) return 0;
  RECT area{0, 0, width, 0};
  const HDC dc = GetDC(note);
  const HGDIOBJ old = SelectObject(dc, font_);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(note, dc);
  return area.bottom + Scaled(kRowGap);
}

void SettingsPage::Layout() {
  RECT client;
  GetClientRect(hwnd_, &client);
  const int right = client.right - Scaled(kMargin + kRightPadding);
  const int fieldLeft = Scaled(kFieldLeft);
  int windows = 0;
  for (const Group& group : groups_) {
    windows += 1;
    for (const Row& row : group.rows) windows += static_cast<int>(row.pieces.size()) + (row.note ? 1 : 0);
  }
  HDWP positions = BeginDeferWindowPos(windows);
  const auto place = [&](HWND window, int left, int top, int width, int height, bool shown) {
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (positions) positions = DeferWindowPos(positions, window, nullptr, left, top, width, height, flags);
  };
  int y = Scaled(kMargin);
  for (const Group& group : groups_) {
    const int boxTop = y;
    y += Scaled(kGroupCaption);
    for (const Row& row : group.rows) {
      for (const Piece& piece : row.pieces) {
        const int left = Scaled(piece.place.left);
        const int width = piece.place.width == kToRightEdge ? right - left : Scaled(piece.place.width);
        place(piece.window, left, y + Scaled(piece.place.top) - scroll_, width, Scaled(piece.place.height), true);
      }
      y += Scaled(row.height);
      if (row.note) {
        // Right under the fields; the row grows by the note.
        const int height = NoteHeight(row.note, right - fieldLeft);
        place(row.note, fieldLeft, y - Scaled(kRowGap - kNoteGap) - scroll_, right - fieldLeft, height, height > 0);
        y += height;
      }
    }
    y += Scaled(kGroupBottom);
    place(group.box, Scaled(kMargin), boxTop - scroll_, client.right - 2 * Scaled(kMargin), y - boxTop, true);
    y += Scaled(kGroupGap);
  }
  if (positions) EndDeferWindowPos(positions);
  contentHeight_ = y;
  // A page grown shorter (a note gone) doesn't stay scrolled beyond its end.
  const int lowest = std::max(0, contentHeight_ - static_cast<int>(client.bottom));
  if (scroll_ > lowest) {
    scroll_ = lowest;
    Layout();
    return;
  }

  SCROLLINFO scroll{};
  scroll.cbSize = sizeof scroll;
  scroll.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  scroll.nMax = contentHeight_ - 1;
  scroll.nPage = static_cast<UINT>(client.bottom);
  scroll.nPos = scroll_;
  SetScrollInfo(hwnd_, SB_VERT, &scroll, TRUE);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void SettingsPage::ScrollTo(int position) {
  RECT client;
  GetClientRect(hwnd_, &client);
  position = std::max(0, std::min(position, contentHeight_ - static_cast<int>(client.bottom)));
  if (position == scroll_) return;
  scroll_ = position;
  Layout();
}

void SettingsPage::ScrollIntoView(HWND control) {
  RECT client;
  RECT rect;
  GetClientRect(hwnd_, &client);
  GetWindowRect(control, &rect);
  // With the note under it, which says what is odd about the line.
  const size_t row = static_cast<size_t>(GetDlgCtrlID(control) - firstId_) / kIdsPerRow;
  if (row < notes_.size() && notes_[row] && IsWindowVisible(notes_[row])) {
    RECT note;
    GetWindowRect(notes_[row], &note);
    rect.bottom = std::max(rect.bottom, note.bottom);
  }
  MapWindowPoints(HWND_DESKTOP, hwnd_, reinterpret_cast<POINT*>(&rect), 2);
  // A row's room around it, so that its label or group caption shows too.
  const int margin = Scaled(kRowHeight);
  if (rect.top < margin) {
    ScrollTo(scroll_ + rect.top - margin);
  } else if (rect.bottom > client.bottom - margin) {
    ScrollTo(scroll_ + rect.bottom - client.bottom + margin);
  }
}

void SettingsPage::OnVScroll(HWND from, int request) {
  if (from == fontSizeSpin_) {
    if (request == SB_ENDSCROLL) CommitFontSize();
    return;
  }
  RECT client;
  GetClientRect(hwnd_, &client);
  SCROLLINFO scroll{};
  scroll.cbSize = sizeof scroll;
  scroll.fMask = SIF_TRACKPOS;
  GetScrollInfo(hwnd_, SB_VERT, &scroll);
  switch (request) {
    case SB_LINEUP: ScrollTo(scroll_ - Scaled(kRowHeight)); break;
    case SB_LINEDOWN: ScrollTo(scroll_ + Scaled(kRowHeight)); break;
    case SB_PAGEUP: ScrollTo(scroll_ - client.bottom); break;
    case SB_PAGEDOWN: ScrollTo(scroll_ + client.bottom); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(contentHeight_); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollTo(scroll.nTrackPos); break;
  }
}

// ---------------------------------------------------------------- showing the model

void SettingsPage::Show(const SettingsModel& settings) {
  shown_ = settings;
  Refresh();
}

void SettingsPage::Refresh() {
  if (!hwnd_) return;
  showing_ = true;
  const Settings settings = shown_.AsSettings();
  ShowVersion(settings);
  for (const StartUpSetting& setting : StartUpSettings(true)) ShowLine(settings, setting.line);
  LineList welcome = settings.WelcomeLines();
  SetWindowTextIfChanged(fields_[kWelcomeRow], FromAnsi(JoinedLines(welcome)));
  SetNote(kWelcomeRow, WelcomeNote(settings));
  ShowSound();
  changed_.fill(false);
  showing_ = false;
  Layout();
}

void SettingsPage::ShowLine(const Settings& settings, SettingsLine line) {
  const StartUpSetting setting = *StartUpSettingOf(line);
  static const std::string kMissing;
  const std::string& text = line < settings.LineCount() ? settings.Text(line) : kMissing;
  const std::optional<int32_t> integer = ParseStrictInteger(text);
  const HWND field = fields_[line];
  switch (setting.kind) {
    case SettingKind::kText: SetWindowTextIfChanged(field, FromAnsi(text)); break;
    case SettingKind::kSwitchOne:
    case SettingKind::kSwitchZero:
      SendMessageW(field, BM_SETCHECK, text == SwitchText(setting.kind, true) ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case SettingKind::kColour:
      colours_[line].Show(integer ? std::optional<IntegerColour>(IntegerColour{static_cast<uint32_t>(*integer)})
                                  : std::nullopt);
      break;
    case SettingKind::kInteger:
      if (line == kIconStyleLine) {
        int item = -1;
        for (int i = 0; i < static_cast<int>(std::size(kIconStyles)); ++i) {
          if (integer == kIconStyles[i].value) item = i;
        }
        SendMessageW(field, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
      } else {
        SetWindowTextIfChanged(field, FromAnsi(text));
      }
      break;
  }
  SetNote(line, SettingNote(settings, setting));
}

void SettingsPage::ShowVersion(const Settings& settings) {
  const std::string version = settings.Empty() ? std::string() : settings.Text(kVersionLine);
  SetWindowTextIfChanged(fields_[kVersionLine], FromAnsi(version));
  const bool right = version == kSettingsVersion;
  if (right && GetFocus() == setVersion_) SetFocus(fields_[kVersionLine]);
  EnableWindow(setVersion_, !right);
  SetNote(kVersionLine, VersionNote(settings));
}

void SettingsPage::ShowSound() {
  const std::optional<std::string>& sound = host_.StartupSound();
  SetWindowTextW(soundInfo_, FromUtf8(DescribeStartupSound(sound)).c_str());
  const HWND focus = GetFocus();
  if (!sound && (focus == playSound_ || focus == removeSound_)) SetFocus(chooseSound_);
  EnableWindow(playSound_, sound.has_value());
  EnableWindow(removeSound_, sound.has_value());
}

void SettingsPage::SetNote(int row, const std::string& text) {
  SetWindowTextIfChanged(notes_[static_cast<size_t>(row)], FromUtf8(text));
}

// ---------------------------------------------------------------- the author's edits

void SettingsPage::OnCommand(HWND control, int id, int code) {
  if (showing_ || id < firstId_ || id >= firstId_ + kIdCount) return;
  if (IsFocusNotice(control, code)) {
    ScrollIntoView(control);
    return;
  }
  const int row = (id - firstId_) / kIdsPerRow;
  const int part = (id - firstId_) % kIdsPerRow;
  if (row == kVersionLine) {
    if (control == setVersion_ && code == BN_CLICKED) {
      Edit([](SettingsModel& model) { model.SetText(kVersionLine, kSettingsVersion); });
    }
    return;
  }
  if (row == kSoundRow) {
    if (code != BN_CLICKED) return;
    if (part == kMainPart) ChooseSound();
    if (part == kSecondPart) ListenToSound();
    if (part == kThirdPart) RemoveSound();
    return;
  }
  const std::optional<StartUpSetting> setting = StartUpSettingOf(row);
  // Typed fields are taken when the author leaves them.
  if (row == kWelcomeRow || row == kMenuFontSizeLine || (setting && setting->kind == SettingKind::kText)) {
    if (code == EN_CHANGE || code == CBN_EDITCHANGE || code == CBN_SELCHANGE) changed_[row] = true;
    const bool left = (control == fields_[kMenuFontNameLine]) ? code == CBN_KILLFOCUS : code == EN_KILLFOCUS;
    if (left) Commit(row);
    return;
  }
  if (!setting) return;
  // A choice from an open list is one edit, made when the list closes (the
  // selection follows the arrow keys while it is open).
  if (code == CBN_SELCHANGE && SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0)) return;
  if (code == CBN_CLOSEUP) code = CBN_SELCHANGE;
  switch (setting->kind) {
    case SettingKind::kSwitchOne:
    case SettingKind::kSwitchZero:
      if (code == BN_CLICKED) {
        const bool on = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
        Edit([line = setting->line, on](SettingsModel& model) { model.SetSwitch(line, on); });
      }
      break;
    case SettingKind::kColour:
      if (const std::optional<IntegerColour> colour = colours_[row].Command(control, code)) {
        Edit([line = setting->line, colour](SettingsModel& model) { model.SetColour(line, *colour); });
      }
      break;
    case SettingKind::kInteger:
      if (code == CBN_SELCHANGE) {
        const auto item = SendMessageW(control, CB_GETCURSEL, 0, 0);
        if (item < 0) break;
        const auto value = static_cast<int32_t>(SendMessageW(control, CB_GETITEMDATA, static_cast<WPARAM>(item), 0));
        const std::string& before = kIconStyleLine < shown_.File().Count() ? shown_.File().Line(kIconStyleLine) : "";
        if (ParseStrictInteger(before) == value) break;
        Edit([value](SettingsModel& model) { model.SetInteger(kIconStyleLine, value); });
      }
      break;
    case SettingKind::kText: break;
  }
}

void SettingsPage::Edit(const std::function<void(SettingsModel&)>& edit) {
  host_.EditSettings(edit);
  // The page shows the edit whether or not the host shows the page again.
  edit(shown_);
  Refresh();
}

void SettingsPage::CommitEdits() {
  for (int row = 0; row < kRowCount; ++row) {
    if (changed_[static_cast<size_t>(row)]) Commit(row);
  }
}

void SettingsPage::Commit(int row) {
  if (!changed_[static_cast<size_t>(row)]) return;
  if (row == kWelcomeRow) {
    CommitWelcome();
  } else if (row == kMenuFontSizeLine) {
    CommitFontSize();
  } else {
    CommitText(static_cast<SettingsLine>(row));
  }
}

std::optional<std::string> SettingsPage::FieldBytes(int row) {
  const AnsiText text = ToAnsi(WindowTextOf(fields_[static_cast<size_t>(row)]));
  if (text.Complete()) return text.bytes;
  Refuse(row, UnrepresentableMessage(text.unrepresentable));
  return std::nullopt;
}

void SettingsPage::Refuse(int row, const std::string& text) {
  SetNote(row, text);
  Layout();
  // Told once the focus has gone where the author sent it: a message box in
  // the middle of a focus change would take the focus away.
  pendingErrors_.push_back(text);
  PostMessageW(hwnd_, kShowErrorsMessage, 0, 0);
}

void SettingsPage::CommitText(SettingsLine line) {
  const std::optional<std::string> bytes = FieldBytes(line);
  if (!bytes) return;
  if (bytes->find_first_of("\r\n") != std::string::npos) {
    Refuse(line, "Eine Einstellung steht auf einer Zeile: der Text darf keinen Zeilenumbruch enthalten. Er wurde "
                 "nicht übernommen.");
    return;
  }
  changed_[line] = false;
  const std::string before = line < static_cast<int>(shown_.File().Count()) ? shown_.File().Line(line) : "";
  if (*bytes == before) return;
  Edit([line, text = *bytes](SettingsModel& model) { model.SetText(line, text); });
}

void SettingsPage::CommitFontSize() {
  if (!changed_[kMenuFontSizeLine]) return;
  const std::optional<std::string> bytes = FieldBytes(kMenuFontSizeLine);
  if (!bytes) return;
  const std::optional<int32_t> size = ParseStrictInteger(*bytes);
  if (!size) {
    Refuse(kMenuFontSizeLine, "Die Schriftgröße ist eine ganze Zahl von Punkten, etwa 10; 0 gibt die Größe, die die "
                              "Schrift von sich aus hat. Der Text wurde nicht übernommen.");
    return;
  }
  changed_[kMenuFontSizeLine] = false;
  Edit([value = *size](SettingsModel& model) { model.SetInteger(kMenuFontSizeLine, value); });
}

void SettingsPage::CommitWelcome() {
  const std::optional<std::string> bytes = FieldBytes(kWelcomeRow);
  if (!bytes) return;
  changed_[kWelcomeRow] = false;
  LineList lines = FieldLines(*bytes);
  if (lines == LineList{""}) lines.clear();  // an empty field: no welcome text
  if (lines == shown_.WelcomeLines()) return;
  Edit([lines](SettingsModel& model) { model.SetWelcomeLines(lines); });
}

// ---------------------------------------------------------------- the start-up sound

void SettingsPage::ChooseSound() {
  const std::optional<std::wstring> chosen = host_.ChooseSoundFile();
  if (!chosen) return;
  const std::wstring& path = *chosen;
  const std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);

  std::string bytes;
  try {
    bytes = WindowsFiles().ReadWhole(ToUtf8(path));
  } catch (const MenuError& error) {
    host_.ShowError(error.what());
    return;
  }
  const std::string refusal = WaveRefusal(ReadWaveFile(bytes));
  if (!refusal.empty()) {
    host_.ShowError("Die Datei „" + ToUtf8(name) + "“ " + refusal +
                    ": das Menü könnte sie nicht öffnen. Der Klang wurde nicht übernommen.");
    return;
  }
  StopPlaying();
  host_.SetStartupSound(std::move(bytes));
  ShowSound();
}

void SettingsPage::ListenToSound() {
  const std::optional<std::string>& sound = host_.StartupSound();
  if (!sound) return;
  StopPlaying();
  // A copy of its own: the sound plays on while the host's may change.
  playing_ = *sound;
  if (const auto play = Winmm().Function<decltype(&PlaySoundW)>("PlaySoundW")) {
    play(reinterpret_cast<LPCWSTR>(playing_.data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
  }
}

void SettingsPage::StopPlaying() {
  if (playing_.empty()) return;
  if (const auto play = Winmm().Function<decltype(&PlaySoundW)>("PlaySoundW")) play(nullptr, nullptr, 0);
  playing_.clear();
}

void SettingsPage::RemoveSound() {
  StopPlaying();
  host_.SetStartupSound(std::nullopt);
  ShowSound();
}

// ---------------------------------------------------------------- messages

void SettingsPage::FocusLine(int line) {
  if (line < kVersionLine) return;
  const HWND field = line > kIconStyleLine ? fields_[kWelcomeRow] : fields_[static_cast<size_t>(line)];
  if (!field) return;
  ScrollIntoView(field);
  SetFocus(field);
}

LRESULT SettingsPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // No exception leaves the window procedure; what an edit throws is told.
  try {
    return Dispatch(message, wParam, lParam);
  } catch (const std::exception& error) {
    host_.ShowError(error.what());
    return 0;
  }
}

LRESULT SettingsPage::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_VSCROLL:
      OnVScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      ScrollTo(scroll_ - MulDiv(GET_WHEEL_DELTA_WPARAM(wParam), Scaled(kWheelStep), WHEEL_DELTA));
      return 0;
    case WM_SIZE:
      if (!groups_.empty()) Layout();
      return 0;
    case WM_SETFOCUS:
      // The page passes the focus on to its first field.
      if (fields_[kCaptionLine]) SetFocus(fields_[kCaptionLine]);
      return 0;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_CTLCOLORSTATIC: {
      const auto control = reinterpret_cast<HWND>(lParam);
      for (const ColourField& field : colours_) {
        if (const HBRUSH brush = field.SwatchBrush(control)) return reinterpret_cast<LRESULT>(brush);
      }
      if (std::find(notes_.begin(), notes_.end(), control) != notes_.end()) {
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, kNoteColour);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    }
    case kShowErrorsMessage: {
      const std::vector<std::string> errors = std::move(pendingErrors_);
      pendingErrors_.clear();
      for (const std::string& error : errors) host_.ShowError(error);
      return 0;
    }
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace pandor
