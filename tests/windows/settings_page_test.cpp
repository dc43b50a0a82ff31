// The editor's settings page, created in-process on a visible host window and
// driven through its controls as an author would: typing and leaving fields,
// clicking check boxes and buttons, choosing in combo boxes, choosing a wave
// file in the real file dialog. A recording host keeps the menu's options.dat
// and shows the page again after every edit, as the editor does.
#include <gtest/gtest.h>

#include <utility>
#include <windows.h>
#include <commctrl.h>

#include <cctype>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "editor/dialog_focus.h"
#include "editor/settings_page.h"
#include "menu/new_menu.h"
#include "platform/ansi_text.h"
#include "platform/child_window.h"
#include "platform/control_hook.h"
#include "platform/text.h"
#include "tests/windows/dialog_driver.h"
#include "tests/windows/sound_sink.h"
#include "tests/windows/test_folder.h"

namespace pandor {
namespace {

using testing::HostWindow;
using testing::TestFolder;

constexpr int kFirstId = 1000;

class RecordingHost : public SettingsPageHost {
 public:
  void EditSettings(const std::function<void(SettingsModel&)>& edit) override {
    edit(model);
    ++edits;
    if (page) page->Show(model);
  }
  const std::optional<std::string>& StartupSound() const override { return sound; }
  void SetStartupSound(std::optional<std::string> waveBytes) override { sound = std::move(waveBytes); }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  std::optional<std::wstring> ChooseSoundFile() override { return std::exchange(soundFile, std::nullopt); }

  SettingsModel model;
  std::optional<std::wstring> soundFile;  // the file dialog's answer, once
  std::optional<std::string> sound;
  int edits = 0;
  std::vector<std::string> errors;
  SettingsPage* page = nullptr;
};

std::string TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return ToUtf8(text);
}

std::string ClassOf(HWND window) {
  char name[32] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// The page's children in z-order, which is the order they were made in.
std::vector<HWND> Children(HWND page) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) children.push_back(child);
  return children;
}

// A page the test owns, on one host window that stays shown for the whole
// program (hiding a shown window costs Wine seconds).
class SettingsPageTest : public ::testing::Test {
 protected:
  static HWND Host() {
    static HostWindow* host = [] {
      auto* window = new HostWindow(nullptr, true);
      // As the editor's top window does: labels' letters reach their fields.
      HookControl(window->Handle(), AnswerNextDialogControl, 0, 0);
      return window;
    }();
    return host->Handle();
  }
  static LRESULT CALLBACK AnswerNextDialogControl(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                  DWORD_PTR) {
    if (message != WM_NEXTDLGCTL) return CallNextHook(window, message, wParam, lParam);
    MoveDialogFocus(window, wParam, lParam);
    return 0;
  }

  void Open(const SettingsModel& model) {
    host_.page = nullptr;
    page_.reset();  // a page opened before goes with its window
    page_ = std::make_unique<SettingsPage>(host_);
    host_.model = model;
    host_.page = page_.get();
    SetWindowPos(Host(), nullptr, 0, 0, Scaled(600), Scaled(520), SWP_NOZORDER | SWP_NOACTIVATE);
    SetForegroundWindow(Host());
    SetActiveWindow(Host());
    ASSERT_NE(page_->Create(Host(), RECT{0, 0, Scaled(560), Scaled(470)}, kFirstId), nullptr);
    page_->Show(host_.model);
    Pump();
  }
  void Open(const std::string& optionsBytes) { Open(SettingsModel(optionsBytes)); }
  void SetUp() override { Open(NewMenuModel().settings); }

  // A child of the page by its text ("&Lauftext…": a check box, a button, a note).
  HWND Titled(const std::string& text) const {
    for (HWND child : Children(page_->Window())) {
      if (TextOf(child) == text) return child;
    }
    ADD_FAILURE() << "no control " << text;
    return nullptr;
  }
  HWND TitledStarting(const std::string& start) const {
    for (HWND child : Children(page_->Window())) {
      if (TextOf(child).rfind(start, 0) == 0) return child;
    }
    return nullptr;
  }
  // The control a label names: the window right after it, as screen readers take it.
  HWND Labelled(const std::string& label) const {
    const HWND static_ = Titled(label);
    EXPECT_EQ(ClassOf(static_), "Static") << label;
    return static_ ? GetWindow(static_, GW_HWNDNEXT) : nullptr;
  }

  void Type(HWND field, const std::wstring& text) {
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
    for (wchar_t character : text) SendMessageW(field, WM_CHAR, character, 1);
    Pump();
  }
  // The focus goes on to another field, as a click or the tab key sends it.
  void Leave() {
    SetFocus(Titled("Hover-Farben der &Knöpfe"));
    Pump();
  }
  void Click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
    Pump();
  }
  // A choice in a combo box, announced as the combo box announces the user's.
  void Choose(HWND combo, const std::string& item) {
    const auto index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(FromUtf8(item).c_str()));
    ASSERT_NE(index, CB_ERR) << item;
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(page_->Window(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    Pump();
  }

  const std::string& Line(int line) const { return host_.model.File().Line(static_cast<size_t>(line)); }

  bool NoteShown(const std::string& start) const {
    const HWND note = TitledStarting(start);
    return note && IsWindowVisible(note);
  }

  RecordingHost host_;
  std::unique_ptr<SettingsPage> page_;
};

TEST_F(SettingsPageTest, TypedTextIsOneEditOfItsLineWhenTheFieldIsLeft) {
  const HWND caption = Labelled("Fenster&überschrift:");
  Type(caption, L"Grüße");
  EXPECT_EQ(host_.edits, 0) << "nothing is taken while the author types";
  Leave();
  EXPECT_EQ(host_.edits, 1);
  EXPECT_EQ(Line(kCaptionLine), "Gr\xFC\xDF" "e");

  // Into the field and out again without typing: no edit.
  SetFocus(caption);
  Pump();
  Leave();
  EXPECT_EQ(host_.edits, 1);

  Type(Labelled("Status&zeile:"), L"Doppelklick – los!");
  page_->CommitEdits();  // as the editor does before saving, the field not left
  EXPECT_EQ(host_.edits, 2);
  EXPECT_EQ(Line(kStatusTextLine), "Doppelklick \x96 los!");
  EXPECT_EQ(Line(kCaptionLine), "Gr\xFC\xDF" "e");
}

TEST_F(SettingsPageTest, CheckBoxesWriteTheirSwitchInItsKindsNotation) {
  // The new menu shows the information panel (line 2 "1"); the box says "folded in".
  const HWND folded = Titled("&Infos beim Start eingeklappt");
  EXPECT_EQ(SendMessageW(folded, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  Click(folded);
  EXPECT_EQ(Line(kInfoPanelShownLine), "0");
  EXPECT_EQ(SendMessageW(folded, BM_GETCHECK, 0, 0), BST_CHECKED);
  Click(folded);
  EXPECT_EQ(Line(kInfoPanelShownLine), "1");

  Click(Titled("&Lauftext: der Text erscheint Zeichen für Zeichen"));
  EXPECT_EQ(Line(kTickerSwitchLine), "1");
  Click(Titled("Hover-Farben der &Knöpfe"));
  EXPECT_EQ(Line(kHoverEffectsLine), "0");
  Click(Titled("Klang wie&derholen, solange das Menü offen ist"));
  EXPECT_EQ(Line(kSoundLoopLine), "1");
  EXPECT_EQ(host_.edits, 5);
}

TEST_F(SettingsPageTest, ColourChoicesWriteSystemColoursWithTheTopBitAndOwnColoursAsRgb) {
  const HWND choice = Labelled("&Hintergrundfarbe:");
  const HWND swatch = GetWindow(choice, GW_HWNDNEXT);
  const auto swatchColour = [&] {
    const HDC dc = GetDC(swatch);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(page_->Window(), WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(swatch)));
    ReleaseDC(swatch, dc);
    LOGBRUSH spec{};
    GetObjectW(brush, sizeof spec, &spec);
    return spec.lbColor;
  };
  EXPECT_EQ(TextOf(choice), "Schaltflächenfläche");  // the new menu's, 0x8000000F

  Choose(choice, "Fensterhintergrund");
  EXPECT_EQ(Line(kBackgroundColourLine), std::to_string(static_cast<int32_t>(0x80000005u)));
  EXPECT_EQ(swatchColour(), GetSysColor(COLOR_WINDOW));
  // An own colour starts as the one this PC shows.
  Choose(choice, "Eigene Farbe");
  EXPECT_EQ(Line(kBackgroundColourLine), std::to_string(GetSysColor(COLOR_WINDOW)));
  Choose(choice, "Eigene Farbe");
  EXPECT_EQ(host_.edits, 2) << "the same choice again changes nothing";

  Choose(Labelled("Sch&attenfarbe:"), "Markierter Text");
  EXPECT_EQ(Line(kBannerShadowColourLine), std::to_string(static_cast<int32_t>(0x8000000Eu)));
  EXPECT_EQ(host_.edits, 3);
}

// options.dat with lines the menu can't read as their kinds.
std::string OddOptions() {
  return "5600.0\r\n-2147483633\r\n1\r\n-2147483640\r\nAlt\r\nWillkommen\r\nrot\r\n0\r\n$00804020\r\n"
         "Status\r\nja\r\nArial\r\nzw\xF6lf\r\n-2147483640\r\n0\r\n1\r\n7\r\n[HELLO!]\r\nHallo\r\n";
}

TEST_F(SettingsPageTest, UnreadableLinesShowTheirTextAndStayUntouchedByOtherEdits) {
  Open(OddOptions());
  EXPECT_EQ(host_.edits, 0) << "showing sends nothing back";
  const HWND fontSize = Labelled("Schriftgr&öße in Punkt:");
  EXPECT_EQ(TextOf(fontSize), "zwölf");
  EXPECT_TRUE(NoteShown("Zeile 12 liest das Menü nicht als Zahl: „zwölf“."));
  EXPECT_TRUE(NoteShown("Zeile 6 liest das Menü nicht als Farbe: „rot“."));
  EXPECT_EQ(SendMessageW(Labelled("Farbe des Bannerte&xts:"), CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_TRUE(NoteShown("Zeile 10 lautet „ja“, nicht 0 oder 1: das Menü liest den Schalter als aus."));
  EXPECT_TRUE(NoteShown("Zeile 16 hat den Symbolstil 7"));
  EXPECT_EQ(SendMessageW(Labelled("S&ymbolstil der Programme:"), CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_FALSE(NoteShown("Zeile 4"));

  // Other edits, and the unreadable field entered and left untouched.
  Type(Labelled("Fenster&überschrift:"), L"Neu");
  Leave();
  Click(Titled("Hover-Farben der &Knöpfe"));
  Choose(Labelled("&Hintergrundfarbe:"), "Desktop");
  SetFocus(fontSize);
  Pump();
  Leave();
  EXPECT_EQ(host_.edits, 3);
  SettingsModel expected{OddOptions()};
  expected.SetText(kCaptionLine, "Neu");
  expected.SetText(kHoverEffectsLine, "0");
  expected.SetText(kBackgroundColourLine, "-2147483647");
  EXPECT_EQ(host_.model.Bytes(), expected.Bytes());
  EXPECT_TRUE(NoteShown("Zeile 12 liest das Menü nicht als Zahl")) << "still pointed out after other edits";
  EXPECT_TRUE(host_.errors.empty());

  // Edited by the author, the line reads and its note goes.
  Type(fontSize, L"12");
  Leave();
  EXPECT_EQ(Line(kMenuFontSizeLine), "12");
  EXPECT_FALSE(NoteShown("Zeile 12"));
}

TEST_F(SettingsPageTest, AWrongVersionLineIsPointedOutAndSetRightByItsButton) {
  const std::string odd = "5600.0 \r\n" + OddOptions().substr(OddOptions().find('\n') + 1);
  Open(odd);
  const HWND version = Labelled("For&matversion:");
  const HWND setVersion = Titled("Auf „5600.0“ setzen");
  EXPECT_EQ(TextOf(version), "5600.0 ");
  EXPECT_TRUE(NoteShown("Zeile 0 lautet „5600.0 “, nicht „5600.0“"));
  EXPECT_TRUE(IsWindowEnabled(setVersion));
  page_->FocusLine(kVersionLine);
  EXPECT_EQ(GetFocus(), version) << "a finding about the version line goes to it";

  SetFocus(setVersion);
  Click(setVersion);
  EXPECT_EQ(host_.edits, 1);
  SettingsModel expected{odd};
  expected.SetText(kVersionLine, "5600.0");
  EXPECT_EQ(host_.model.Bytes(), expected.Bytes()) << "only the version line changes";
  EXPECT_EQ(TextOf(version), "5600.0");
  EXPECT_FALSE(NoteShown("Zeile 0"));
  EXPECT_FALSE(IsWindowEnabled(setVersion)) << "nothing left to set";
  EXPECT_EQ(GetFocus(), version) << "the focus doesn't stay on a disabled button";
}

TEST_F(SettingsPageTest, AFontSizeThatIsNoNumberIsRefused) {
  const HWND fontSize = Labelled("Schriftgr&öße in Punkt:");
  EXPECT_EQ(TextOf(fontSize), "10");
  Type(fontSize, L"groß");
  Leave();
  Pump();
  EXPECT_EQ(host_.edits, 0);
  EXPECT_EQ(Line(kMenuFontSizeLine), "10");
  ASSERT_EQ(host_.errors.size(), 1u);
  EXPECT_NE(host_.errors[0].find("ganze Zahl"), std::string::npos) << host_.errors[0];
}

TEST_F(SettingsPageTest, EachClickOnTheSizeArrowsIsOneEdit) {
  const HWND fontSize = Labelled("Schriftgr&öße in Punkt:");
  const HWND arrows = GetWindow(fontSize, GW_HWNDNEXT);
  RECT client;
  GetClientRect(arrows, &client);
  const auto click = [&](int y) {
    SendMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right / 2, y));
    SendMessageW(arrows, WM_LBUTTONUP, 0, MAKELPARAM(client.right / 2, y));
    Pump();
  };
  click(client.bottom / 4);  // the upper arrow
  EXPECT_EQ(Line(kMenuFontSizeLine), "11");
  click(client.bottom / 4);
  click(client.bottom * 3 / 4);  // the lower one
  EXPECT_EQ(Line(kMenuFontSizeLine), "11");
  EXPECT_EQ(TextOf(fontSize), "11");
  EXPECT_EQ(host_.edits, 3);
}

TEST_F(SettingsPageTest, WelcomeTextIsItsLinesAfterTheMarker) {
  const HWND welcome = Labelled("Be&grüßungstext:");
  Type(welcome, L"Hallo\r\rWelt");  // Enter twice between
  Leave();
  EXPECT_EQ(host_.model.WelcomeLines(), (LineList{"Hallo", "", "Welt"}));
  EXPECT_EQ(host_.edits, 1);

  SettingsModel other = NewMenuModel().settings;
  other.SetWelcomeLines({"Eins", "Zwei"});
  page_->Show(other);
  EXPECT_EQ(TextOf(welcome), "Eins\r\nZwei");
}

TEST_F(SettingsPageTest, WelcomeTextWithoutMarkerIsPointedOutAndGetsOne) {
  Open("5600.0\r\n0\r\n1\r\n0\r\nA\r\nB\r\n0\r\n0\r\n0\r\nS\r\n0\r\nArial\r\n10\r\n0\r\n0\r\n1\r\n1\r\n");
  EXPECT_TRUE(NoteShown("Die Markierung [HELLO!] fehlt"));
  Type(Labelled("Be&grüßungstext:"), L"Hi");
  Leave();
  EXPECT_EQ(host_.model.AsSettings().WelcomeMarkerLine(), kIconStyleLine + 1);
  EXPECT_EQ(host_.model.WelcomeLines(), LineList{"Hi"});
  EXPECT_FALSE(NoteShown("Die Markierung [HELLO!] fehlt"));
}

TEST_F(SettingsPageTest, TextTheCodePageLacksIsPointedOutAndNotWritten) {
  const HWND banner = Labelled("Banner&text:");
  Type(banner, L"Łódź");
  Leave();
  EXPECT_EQ(host_.edits, 0);
  EXPECT_EQ(Line(kBannerTextLine), "Willkommen");
  const std::string message = UnrepresentableMessage(L"Łź");
  EXPECT_TRUE(NoteShown(message));
  ASSERT_EQ(host_.errors, std::vector<std::string>{message});
  EXPECT_EQ(TextOf(banner), "Łódź") << "the author's text stays to be mended";

  Type(banner, L"Lodz");
  Leave();
  EXPECT_EQ(Line(kBannerTextLine), "Lodz");
  EXPECT_FALSE(NoteShown(message));
}

class SoundChoiceTest : public SettingsPageTest {
 protected:
  // "Klang wählen…", the file dialog answering with the path.
  void ChooseFile(const std::string& path) {
    host_.soundFile = FromUtf8(path);
    SendMessageW(Titled("Klang &wählen…"), BM_CLICK, 0, 0);
  }
  HWND Info() { return Labelled("Klang:"); }

  TestFolder folder_;
};

TEST_F(SoundChoiceTest, AFileTheMenuCantOpenIsRefusedWithTheReason) {
  ChooseFile(folder_.Write("kaputt.wav", "Das ist kein Klang."));
  EXPECT_EQ(host_.sound, std::nullopt);
  ASSERT_EQ(host_.errors.size(), 1u);
  EXPECT_EQ(host_.errors[0],
            "Die Datei „kaputt.wav“ ist keine WAV-Datei (kein RIFF/WAVE-Kopf): das Menü könnte sie nicht öffnen. "
            "Der Klang wurde nicht übernommen.");
  EXPECT_EQ(TextOf(Info()), "Kein Startklang");
  EXPECT_FALSE(IsWindowEnabled(Titled("A&nhören")));
}

TEST_F(SoundChoiceTest, AWaveFileIsTakenAndDescribedAndCanBeRemoved) {
  const std::string wave = testing::WaveFile(std::string(testing::kSampleRate * 3 / 2, '\x40'));
  ChooseFile(folder_.Write("start.wav", wave));
  EXPECT_TRUE(host_.errors.empty());
  EXPECT_EQ(host_.sound, wave);
  EXPECT_EQ(TextOf(Info()), "PCM, 8000 Hz, 1 Kanal, 1,5 s");
  EXPECT_TRUE(IsWindowEnabled(Titled("A&nhören")));

  Click(Titled("K&ein Klang"));
  EXPECT_EQ(host_.sound, std::nullopt);
  EXPECT_EQ(TextOf(Info()), "Kein Startklang");
  EXPECT_EQ(host_.edits, 0) << "the sound is no line of options.dat";

  // Shorter than its header says: taken, with a note.
  const std::string cut = wave.substr(0, wave.size() - 4000);
  ChooseFile(folder_.Write("kurz.wav", cut));
  EXPECT_EQ(host_.sound, cut);
  EXPECT_NE(TextOf(Info()).find("kürzer, als ihr Kopf sagt"), std::string::npos) << TextOf(Info());
}

// "Anhören" heard in the test's sound sink (in the suite's run at the
// design resolution; the others have none).
class ListeningTest : public SoundChoiceTest {
 protected:
  struct AlsaSetUp : testing::SoundSinkTest {
    static void Run() { SetUpTestSuite(); }
  };
  static void SetUpTestSuite() {
    if (!testing::SoundSink().Path().empty()) AlsaSetUp::Run();
  }
  void SetUp() override {
    if (sink_.Path().empty()) GTEST_SKIP() << "no sound sink";
    SoundChoiceTest::SetUp();
  }
  testing::SoundSink sink_;
};

TEST_F(ListeningTest, ListeningPlaysTheChosenBytes) {
  std::string samples;
  for (int i = 0; i < testing::kSampleRate / 4; ++i) samples += static_cast<char>(0x10 + i % 0x60);
  ChooseFile(folder_.Write("start.wav", testing::WaveFile(samples)));
  ASSERT_TRUE(host_.sound.has_value());
  const size_t before = sink_.Size();
  Click(Titled("A&nhören"));
  ASSERT_TRUE(sink_.GrowsBeyond(before)) << "nothing played";
  std::string heard = sink_.HeardSince(before);
  for (int i = 0; i < 500 && heard.size() < samples.size(); ++i, heard = sink_.HeardSince(before)) Sleep(20);
  EXPECT_EQ(heard, samples);
}

TEST_F(SettingsPageTest, TabOrderIsVisualOrderAndEveryFieldHasALabelAndItsOwnKey) {
  // Tab walks down the page, and left to right within a row.
  const HWND page = page_->Window();
  const HWND first = GetNextDlgTabItem(page, nullptr, FALSE);
  ASSERT_NE(first, nullptr);
  std::vector<RECT> places;
  for (HWND item = first; item;) {
    RECT rect;
    GetWindowRect(item, &rect);
    places.push_back(rect);
    item = GetNextDlgTabItem(page, item, FALSE);
    if (item == first || places.size() > 100) break;
  }
  // Every field, colour button, check box and enabled sound button: nothing left out of the order.
  EXPECT_EQ(places.size(), 25u);
  for (size_t i = 1; i < places.size(); ++i) {
    const bool below = places[i].top >= places[i - 1].bottom;
    const bool right = places[i].top < places[i - 1].bottom && places[i].left >= places[i - 1].right;
    EXPECT_TRUE(below || right) << "tab stop " << i;
  }

  std::set<std::wstring> keys;
  for (HWND child : Children(page)) {
    const std::string kind = ClassOf(child);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if ((kind == "Edit" || kind == "ComboBox") && (style & WS_TABSTOP)) {
      const HWND label = GetWindow(child, GW_HWNDPREV);
      EXPECT_EQ(ClassOf(label), "Static");
      EXPECT_NE(TextOf(label).find(':'), std::string::npos) << TextOf(label);
    }
    // Each mnemonic leads to one control only.
    const std::wstring text = FromUtf8(TextOf(child));
    const size_t amp = text.find(L'&');
    if (amp != std::wstring::npos && amp + 1 < text.size()) {
      const std::wstring key(1, static_cast<wchar_t>(towlower(text[amp + 1])));
      EXPECT_TRUE(keys.insert(key).second) << "mnemonic used twice: " << TextOf(child);
    }
  }
  EXPECT_GE(keys.size(), 20u);
}

// A key as the editor's message loop passes it: through IsDialogMessage of the top window.
void DialogKey(HWND top, UINT message, WPARAM key) {
  MSG msg{GetFocus(), message, key, message == WM_SYSCHAR ? (1 | (1 << 29)) : 1, GetTickCount(), {}};
  if (!IsDialogMessageW(top, &msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  Pump();
}

TEST_F(SettingsPageTest, KeysAloneReachTheFieldsAndEditThem) {
  const HWND caption = Labelled("Fenster&überschrift:");
  SetFocus(caption);
  DialogKey(Host(), WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(GetFocus(), Labelled("&Hintergrundfarbe:"));
  DialogKey(Host(), WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(GetWindowTextLengthW(GetFocus()), static_cast<int>(wcslen(L"Farbe…")));
  // Alt and a label's letter: the field it names.
  DialogKey(Host(), WM_SYSCHAR, L'ö');
  EXPECT_EQ(GetFocus(), Labelled("Schriftgr&öße in Punkt:"));
  // A check box's letter clicks it, as in every dialog; the space bar clicks it again.
  DialogKey(Host(), WM_SYSCHAR, L'k');
  EXPECT_EQ(GetFocus(), Titled("Hover-Farben der &Knöpfe"));
  EXPECT_EQ(Line(kHoverEffectsLine), "0");
  DialogKey(Host(), WM_KEYDOWN, VK_SPACE);
  DialogKey(Host(), WM_KEYUP, VK_SPACE);
  EXPECT_EQ(Line(kHoverEffectsLine), "1");
  EXPECT_EQ(host_.edits, 2);
}

// The width a control's text takes in the control's font, the mnemonic's "&" left out.
int TextWidth(HWND control) {
  std::wstring text = FromUtf8(TextOf(control));
  const size_t amp = text.find(L'&');
  if (amp != std::wstring::npos) text.erase(amp, 1);
  const HDC dc = GetDC(control);
  const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size.cx;
}

TEST_F(SettingsPageTest, EveryLabelAndCheckBoxShowsItsWholeText) {
  Open(OddOptions());  // with notes
  int checked = 0;
  for (HWND child : Children(page_->Window())) {
    const std::string kind = ClassOf(child);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    const bool checkBox = kind == "Button" && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
    const bool label = kind == "Static" && (style & SS_TYPEMASK) == SS_LEFT && !(style & SS_NOPREFIX);
    if (!checkBox && !label) continue;
    RECT client;
    GetClientRect(child, &client);
    // A check box's text stands right of its box.
    const int room = client.right - (checkBox ? GetSystemMetrics(SM_CXMENUCHECK) + Scaled(4) : 0);
    EXPECT_LE(TextWidth(child), room) << TextOf(child);
    ++checked;
  }
  EXPECT_GE(checked, 20);
}

TEST_F(SettingsPageTest, AFindingsLineIsScrolledIntoViewAndFocused) {
  RECT client;
  GetClientRect(page_->Window(), &client);
  const auto inView = [&](HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, page_->Window(), reinterpret_cast<POINT*>(&rect), 2);
    return rect.top >= 0 && rect.bottom <= client.bottom;
  };
  const HWND iconStyle = Labelled("S&ymbolstil der Programme:");
  const HWND welcome = Labelled("Be&grüßungstext:");
  const HWND caption = Labelled("Fenster&überschrift:");
  EXPECT_TRUE(inView(caption));
  EXPECT_FALSE(inView(welcome)) << "the page is taller than its area";

  page_->FocusLine(kIconStyleLine);
  EXPECT_EQ(GetFocus(), iconStyle);
  EXPECT_TRUE(inView(iconStyle));
  page_->FocusLine(kIconStyleLine + 3);  // a welcome line
  EXPECT_EQ(GetFocus(), welcome);
  EXPECT_TRUE(inView(welcome));
  page_->FocusLine(kCaptionLine);
  EXPECT_EQ(GetFocus(), caption);
  EXPECT_TRUE(inView(caption));

  // A line with a note: the note shows too.
  Open(OddOptions());
  page_->FocusLine(kIconStyleLine);
  EXPECT_TRUE(inView(TitledStarting("Zeile 16 hat den Symbolstil 7")));
  page_->FocusLine(kBannerTextColourLine);
  page_->FocusLine(kMenuFontSizeLine);
  EXPECT_TRUE(inView(TitledStarting("Zeile 12 liest das Menü nicht als Zahl")));
  EXPECT_EQ(host_.edits, 0);
}

}  // namespace
}  // namespace pandor
