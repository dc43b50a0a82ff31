// The help window as the user sees it: its layout and text, its links, and
// how it opens and closes.
#include <windows.h>
#include <gtest/gtest.h>

#include "dialogs/help_window.h"
#include "tests/windows/dialog_driver.h"
#include "tests/windows/fake_services.h"
#include "tests/windows/window_probe.h"

namespace pandor::testing {
namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// The text written out once more, as the user reads it.
constexpr char kExpectedHelpText[] =
    "Bewegen Sie Ihre Maus über die Menüeinträge. Falls Sie Informationen zu einem \r\n"
    "aufgelisteten Programm haben möchten, klicken Sie den Namen des Programms einmal an. \r\n"
    "Falls ein Vorschaubild existiert, können Sie es durch Anklicken vergrößern. Sie können Infos \r\n"
    "zu Programmen nur abfragen, wenn der Ersteller dieses Menüs dies vorgesehen hat. Um ein \r\n"
    "aufgelistetes Programm zu installieren/starten, doppelklicken Sie den Namen des Programms. \r\n"
    "Alternativ können Sie den Namen des Programms einmal anklicken und die Return-Taste \r\n"
    "betätigen.\r\n"
    "\r\n"
    "Falls der Ersteller dieses Menüs seine Programme zu Gruppen zusammengefast hat, können \r\n"
    "Sie eine Programmgruppe durch einmaliges Anklicken der Gruppe öffnen. Zum \r\n"
    "Starten/Installieren von Programmen, die sich in Gruppen befinden, gehen Sie wie oben \r\n"
    "beschrieben vor.\r\n"
    "\r\n"
    "Um dieses Programm zu beenden, klicken Sie \"Ende\" an. Um das Infofenster ein- oder \r\n"
    "auszublenden, klicken Sie das \"<<\" oder das \">>\" Symbol an. Wenn Sie diesen Datenträger \r\n"
    "durchsuchen möchten, brauchen Sie bloß \"Suchen\" anzuklicken.\r\n"
    "\r\n"
    "Falls der Text im Infofenster länger als das Infofenster ist, können Sie mit der \"m\"-Taste \r\n"
    "herunter- und mit der \"h\"-Taste hochblättern.\r\n"
    "\r\n"
    "Möchten Sie selbst solch ein Autostart-Menü erstellen? Kein Problem! Besorgen Sie sich \r\n"
    "unser Pandor 6 oder Pandor 7 Programmpaket:";

// The shell, and which window it was asked to use as the owner.
class OwnerRecordingShell : public RecordingShell {
 public:
  INT_PTR Execute(HWND owner, const std::string& verb, const std::string& file,
                  const std::string& workingFolder) override {
    owners.push_back(owner);
    return RecordingShell::Execute(owner, verb, file, workingFolder);
  }
  std::vector<HWND> owners;
};

class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    help.Create(GetModuleHandleW(nullptr), main.Handle(), shell, "C:\\Medium\\");
    ASSERT_TRUE(help.Handle());
  }

  // Shows the window modally while the steps run; the last one closes it,
  // not one before.
  int ShowWith(std::vector<std::function<void()>> steps) {
    const size_t count = steps.size();
    const ModalDriver driver(std::move(steps), [this] { PostMessageW(help.Handle(), WM_CLOSE, 0, 0); });
    const int result = help.ShowModal();
    EXPECT_EQ(driver.StepsRun(), count);
    return result;
  }

  std::function<void()> ClickOk() {
    return [this] { PostMessageW(help.Controls().btnOK, BM_CLICK, 0, 0); };
  }

  RECT Place() const {
    RECT rect;
    GetWindowRect(help.Handle(), &rect);
    return rect;
  }

  HostWindow application{nullptr, false};
  HostWindow main{application.Handle()};
  OwnerRecordingShell shell;
  HelpWindow help;
};

TEST_F(HelpWindowTest, FixedDialogFrameCaptionAndFont) {
  const HWND window = help.Handle();
  EXPECT_FALSE(IsWindowVisible(window));  // created hidden
  EXPECT_EQ(WindowText(window), "Hilfe");
  const SIZE client = ClientSize(window);
  EXPECT_EQ(client.cx, 473);
  EXPECT_EQ(client.cy, 423);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  EXPECT_EQ(GetWindow(window, GW_OWNER), main.Handle());
  const HelpWindowControls& c = help.Controls();
  for (HWND control : {window, c.GroupBox1, c.mHilfe, c.InternetLabel1.Handle(), c.InternetLabel2.Handle(), c.btnOK}) {
    EXPECT_EQ(FontFace(control), "MS Sans Serif");
    EXPECT_EQ(FontHeight(control), -11);  // 8 points at 96 dpi
  }
}

TEST_F(HelpWindowTest, ControlsLieWhereTheLayoutPutsThem) {
  const HelpWindowControls& c = help.Controls();
  EXPECT_EQ(BoundsInParent(c.GroupBox1), (Bounds{8, 8, 457, 377}));
  // In the group box at 8, 24 / 8, 336 / 8, 352, but children of the window.
  EXPECT_EQ(BoundsInParent(c.mHilfe), (Bounds{16, 32, 441, 305}));
  EXPECT_EQ(BoundsInParent(c.InternetLabel1.Handle()), (Bounds{16, 344, 441, 13}));
  EXPECT_EQ(BoundsInParent(c.InternetLabel2.Handle()), (Bounds{16, 360, 441, 13}));
  EXPECT_EQ(BoundsInParent(c.btnOK), (Bounds{8, 392, 75, 25}));
  for (HWND control : {c.GroupBox1, c.mHilfe, c.InternetLabel1.Handle(), c.InternetLabel2.Handle(), c.btnOK}) {
    EXPECT_EQ(GetParent(control), help.Handle());
  }
}

TEST_F(HelpWindowTest, GroupBoxCaptionIsNavy) {
  const HWND box = help.Controls().GroupBox1;
  EXPECT_EQ(WindowText(box), "Bedienung von Pandor 7");
  EXPECT_EQ(GetWindowLongW(box, GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
  EXPECT_EQ(ControlTextColour(box), kNavy);
  // The caption's letters at the box's top left are navy, smoothed into the
  // button face behind them; none is drawn in the usual black.
  const Snapshot shot = PrintClient(box);
  const COLORREF background = GetSysColor(COLOR_BTNFACE);
  int navy = 0, right = 0;
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < shot.width; ++x) {
      if (InkShare(shot.At(x, y), kNavy, background) <= 0.5) continue;
      ++navy;
      right = std::max(right, x);
      EXPECT_GE(x, 8);
    }
  }
  EXPECT_GT(navy, 100);
  int black = 0;
  for (int y = 0; y < 13; ++y) {
    for (int x = 8; x <= right; ++x) black += InkShare(shot.At(x, y), RGB(0, 0, 0), background) > 0.5;
  }
  EXPECT_EQ(black, 0);
}

TEST_F(HelpWindowTest, MemoHoldsTheHelpTextLineByLine) {
  EXPECT_EQ(WindowText(help.Controls().mHilfe), kExpectedHelpText);
}

TEST_F(HelpWindowTest, MemoIsReadOnlyBorderlessBlackOnButtonFaceUnderTheArrow) {
  const HWND memo = help.Controls().mHilfe;
  const LONG style = GetWindowLongW(memo, GWL_STYLE);
  EXPECT_TRUE(style & ES_MULTILINE);
  EXPECT_TRUE(style & ES_READONLY);
  EXPECT_FALSE(style & WS_BORDER);
  EXPECT_FALSE(GetWindowLongW(memo, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
  // A read-only edit asks for its colours as a static does.
  const HDC dc = GetDC(memo);
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(help.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(memo)));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
  ReleaseDC(memo, dc);
  LOGBRUSH fill{};
  ASSERT_TRUE(GetObjectW(brush, sizeof fill, &fill));
  EXPECT_EQ(fill.lbColor, GetSysColor(COLOR_BTNFACE));

  SetCursor(nullptr);
  SendMessageW(memo, WM_SETCURSOR, reinterpret_cast<WPARAM>(memo), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
}

TEST_F(HelpWindowTest, LinksShowTheMakersAddressesBlueAndUnderlined) {
  const HelpWindowControls& c = help.Controls();
  EXPECT_EQ(WindowText(c.InternetLabel1.Handle()), "http://www.velmar-software.example/");
  EXPECT_EQ(c.InternetLabel1.TargetUrl(), "http://www.velmar-software.example/");
  EXPECT_EQ(WindowText(c.InternetLabel2.Handle()), "info@velmar-software.example");
  EXPECT_EQ(c.InternetLabel2.TargetUrl(), "mailto:info@velmar-software.example");
  for (const LinkLabel* link : {&c.InternetLabel1, &c.InternetLabel2}) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(link->Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_TRUE(font.lfUnderline);
    // At their height of 13 pixels the underline still shows: a row of blue
    // longer than any letter.
    const Snapshot shot = PrintClient(link->Handle());
    EXPECT_GT(shot.Count(kBlue), 100);
    const int longestRun = LongestRun(shot, kBlue);
    EXPECT_GT(longestRun, 100);
  }
}

TEST_F(HelpWindowTest, LinksOpenTheWebPageAndTheMailAddressThroughTheShell) {
  const HelpWindowControls& c = help.Controls();
  PostClick(c.InternetLabel1.Handle(), POINT{220, 6});
  PostClick(c.InternetLabel2.Handle(), POINT{220, 6});
  PumpMessages();
  ASSERT_EQ(shell.requests.size(), 2u);
  EXPECT_EQ(shell.requests[0].verb, "OPEN");
  EXPECT_EQ(shell.requests[0].file, "http://www.velmar-software.example/");
  EXPECT_EQ(shell.requests[0].workingFolder, "C:\\Medium\\");
  EXPECT_EQ(shell.requests[1].verb, "OPEN");
  EXPECT_EQ(shell.requests[1].file, "mailto:info@velmar-software.example");
  EXPECT_EQ(shell.requests[1].workingFolder, "C:\\Medium\\");
  // Owned by the application's window, at the top of the chain of owners.
  EXPECT_EQ(shell.owners, (std::vector<HWND>{application.Handle(), application.Handle()}));
}

TEST_F(HelpWindowTest, OpensModallyWithTheFocusOnTheDefaultButtonOk) {
  const HelpWindowControls& c = help.Controls();
  const int result = ShowWith({[&] {
                                 EXPECT_TRUE(IsWindowVisible(help.Handle()));
                                 EXPECT_FALSE(IsWindowEnabled(main.Handle()));
                                 EXPECT_EQ(GetFocus(), c.btnOK);
                                 // The help text shows from its first line.
                                 EXPECT_EQ(SendMessageW(c.mHilfe, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
                                 EXPECT_EQ(WindowText(c.btnOK), "OK");
                                 EXPECT_EQ(LOWORD(SendMessageW(help.Handle(), DM_GETDEFID, 0, 0)), IDOK);
                                 EXPECT_EQ(GetWindowLongW(c.btnOK, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
                               },
                               ClickOk()});
  EXPECT_EQ(result, IDOK);
  // Hidden, not destroyed; the main window takes input again.
  EXPECT_TRUE(IsWindow(help.Handle()));
  EXPECT_FALSE(IsWindowVisible(help.Handle()));
  EXPECT_TRUE(IsWindowEnabled(main.Handle()));
}

TEST_F(HelpWindowTest, OkEnterEscapeAndTheCloseBoxCloseIt) {
  const struct {
    const char* what;
    std::function<void(HWND window, HWND focus)> act;
    int result;
  } cases[] = {
      {"OK", [](HWND, HWND ok) { PostMessageW(ok, BM_CLICK, 0, 0); }, IDOK},
      {"Enter", [](HWND, HWND focus) { PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 1); }, IDOK},
      {"Escape", [](HWND, HWND focus) { PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 1); }, IDCANCEL},
      {"close box", [](HWND window, HWND) { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const int result = ShowWith({[&] { c.act(help.Handle(), GetFocus()); }});
    EXPECT_EQ(result, c.result);
    EXPECT_FALSE(IsWindowVisible(help.Handle()));
    EXPECT_TRUE(IsWindowEnabled(main.Handle()));
  }
}

TEST_F(HelpWindowTest, CentredTheFirstTimeThenWhereItWasLeft) {
  RECT first{};
  ShowWith({[&] { first = Place(); }, ClickOk()});
  const int width = first.right - first.left;
  const int height = first.bottom - first.top;
  EXPECT_EQ(first.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(first.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);

  // The user drags it by its caption bar to another place and closes it.
  ShowWith({[&] { SetWindowPos(help.Handle(), nullptr, 37, 52, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }, ClickOk()});
  RECT second{};
  ShowWith({[&] { second = Place(); }, ClickOk()});
  EXPECT_EQ(second.left, 37);
  EXPECT_EQ(second.top, 52);
  EXPECT_EQ(second.right - second.left, width);
  EXPECT_EQ(second.bottom - second.top, height);
}

TEST_F(HelpWindowTest, FocusReturnsToOkOnEveryOpening) {
  ShowWith({[&] { SetFocus(help.Controls().mHilfe); }, ClickOk()});
  HWND focus = nullptr;
  ShowWith({[&] { focus = GetFocus(); }, ClickOk()});
  EXPECT_EQ(focus, help.Controls().btnOK);
}

}  // namespace
}  // namespace pandor::testing
