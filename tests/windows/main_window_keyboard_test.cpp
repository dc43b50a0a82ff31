// The main window without a mouse: Tab and Shift+Tab through every control
// in the order they lie, the focus mark on a drawn button, Space and Enter on
// each button, F1, and the description following the arrow keys in the tree.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/about_box.h"
#include "mainwindow/panel.h"
#include "mainwindow/secondary_windows.h"
#include "tests/windows/dialog_driver.h"
#include "tests/windows/menu_fixture.h"
#include "tests/windows/picture_files.h"
#include "tests/windows/window_input.h"
#include "tests/windows/window_probe.h"

namespace pandor::testing {
namespace {

// Holds Shift down, for this thread's idea of the keyboard, while it lives.
class ShiftHeld {
 public:
  ShiftHeld() { Set(0x80); }
  ~ShiftHeld() { Set(0); }

 private:
  static void Set(BYTE state) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = state;
    SetKeyboardState(keys);
  }
};

class MainWindowKeyboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    menu.WritePrograms({
        {"Spiele", "spiele\\schach.exe", "Schach", "", "schach.bmp", "schach.txt"},
        {"Spiele", "spiele\\dame.exe", "Dame", "", "", "dame.txt"},
        {"", "liesmich.txt", "Liesmich", "", "", "liesmich-info.txt"},
    });
    menu.WriteFile("autorun\\schach.txt", "Ein Spiel für zwei.");
    menu.WriteFile("autorun\\schach.bmp", BitmapFile(Quadrants(8, 8, RGB(255, 0, 0), RGB(0, 255, 0),
                                                               RGB(0, 0, 255), RGB(255, 255, 0)),
                                                     BitmapLayout::kRgb24));
    menu.WriteFile("autorun\\dame.txt", "Dame");
    std::string longText;
    for (int i = 1; i <= 120; ++i) longText += "Zeile " + std::to_string(i) + "\r\n";
    menu.WriteFile("autorun\\liesmich-info.txt", longText);
    ASSERT_TRUE(menu.Open());
    secondary = std::make_unique<SecondaryWindows>(GetModuleHandleW(nullptr), window().Handle(), menu.shell,
                                                   menu.Root(), [](const std::string&) {});
    window().SetSecondaryWindows(secondary.get());
    window().Show();
    Pump(window());
  }
  void TearDown() override {
    if (IsWindow(window().Handle())) window().SetSecondaryWindows(nullptr);
  }
  MainWindow& window() { return menu.Window(); }
  const MainWindowControls& c() { return menu.Controls(); }

  // What has the keyboard focus, as a user would call it.
  std::string focus() {
    const HWND focused = GetFocus();
    if (const GraphicControl* drawn = Panel::FocusedControl(focused)) {
      if (drawn == &c().lblWelcome) return "banner";
      if (drawn == &c().sbtnHelp) return "?";
      if (drawn == &c().sbtnClose) return "Ende";
      if (drawn == &c().sbtnExplore) return "Suchen";
      if (drawn == &c().sbtnExpand) return "fold";
      return "a drawn control";
    }
    if (focused == c().tvMenu) return "tree";
    if (focused == c().PageControl1) return "pages";
    if (focused == c().mDesc) return "description";
    if (focused == c().imgPreview) return "picture";
    return focused == window().Handle() ? "window" : "something else";
  }
  std::vector<std::string> tabThrough(int presses) {
    std::vector<std::string> reached;
    for (int i = 0; i < presses; ++i) {
      PressKey(window(), GetFocus(), VK_TAB);
      reached.push_back(focus());
    }
    return reached;
  }
  void tabTo(const std::string& stop) {
    for (int i = 0; i < 10 && focus() != stop; ++i) PressKey(window(), GetFocus(), VK_TAB);
    ASSERT_EQ(focus(), stop);
  }
  // Posts a key's messages to the focused control and handles them, and
  // only them (the modal window's loop is one more), as the program's loop
  // does; tells whether that showed the window shown() names (nullptr: none).
  bool keyShows(UINT key, const std::function<HWND()>& shown) {
    const HWND focused = GetFocus();
    if (key == VK_RETURN) {
      PostMessageW(focused, WM_CHAR, L'\r', 1);
    } else {
      PostMessageW(focused, WM_KEYDOWN, key, 1);
      PostMessageW(focused, WM_KEYUP, key, 0xC0000001);
    }
    bool seen = false;
    const auto close = [&] {
      if (shown()) PostMessageW(shown(), WM_CLOSE, 0, 0);
    };
    const ModalDriver driver({[&] {
                                seen = shown() && IsWindowVisible(shown());
                                close();
                              }},
                             close);
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
      if (window().PreTranslateMessage(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    return seen;
  }
  bool keyOpensTheHelp(UINT key) {
    return keyShows(key, [&] { return secondary->HelpMade() ? secondary->Help().Handle() : nullptr; });
  }
  std::string description() { return WindowText(c().mDesc); }
  HTREEITEM item(const std::string& text) { return FindTreeItem(c().tvMenu, text); }

  MenuFixture menu;
  std::unique_ptr<SecondaryWindows> secondary;
};

TEST_F(MainWindowKeyboardTest, TabGoesThroughEveryControlInTheOrderTheyLie) {
  // The window starts with the tree.
  EXPECT_EQ(focus(), "tree");
  EXPECT_EQ(tabThrough(8), (std::vector<std::string>{"?", "Ende", "Suchen", "fold", "pages", "description",
                                                     "banner", "tree"}));
  {
    const ShiftHeld shift;
    EXPECT_EQ(tabThrough(3), (std::vector<std::string>{"banner", "description", "pages"}));
  }
  // On the picture's page the picture takes the description's place.
  ClickTreeItem(window(), item("Spiele"));
  ClickTreeItem(window(), item("Schach"));
  TabCtrl_SetCurSel(c().PageControl1, 1);
  NMHDR change{c().PageControl1, 0, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(window().Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
  tabTo("pages");
  EXPECT_EQ(tabThrough(2), (std::vector<std::string>{"picture", "banner"}));
  // Folded in, the pages are passed over.
  tabTo("fold");
  PressKey(window(), GetFocus(), VK_SPACE);
  EXPECT_EQ(ClientSize(window().Handle()).cx, 336);
  EXPECT_EQ(focus(), "fold");
  EXPECT_EQ(tabThrough(2), (std::vector<std::string>{"banner", "tree"}));
}

TEST_F(MainWindowKeyboardTest, FocusedDrawnButtonShowsAMarkWithinItsBounds) {
  const Snapshot before = PrintClient(c().pnButtons);
  tabTo("Suchen");
  const Snapshot focused = PrintClient(c().pnButtons);
  const RECT suchen = c().sbtnExplore.Bounds();
  int changed = 0, outside = 0;
  for (int y = 0; y < before.height; ++y) {
    for (int x = 0; x < before.width; ++x) {
      if (before.At(x, y) == focused.At(x, y)) continue;
      ++changed;
      if (!PtInRect(&suchen, POINT{x, y})) ++outside;
    }
  }
  EXPECT_GT(changed, 40) << "no focus mark";
  EXPECT_EQ(outside, 0);
  // Gone with the focus.
  tabTo("pages");
  const Snapshot after = PrintClient(c().pnButtons);
  EXPECT_EQ(after.pixels, before.pixels);
}

TEST_F(MainWindowKeyboardTest, SpaceAndEnterPressEachButton) {
  ClickTreeItem(window(), item("Liesmich"));  // Enter would start it
  for (const UINT key : {UINT{VK_SPACE}, UINT{VK_RETURN}}) {
    SCOPED_TRACE(key == VK_SPACE ? "Space" : "Enter");
    const auto press = [&] {
      if (key == VK_SPACE) {
        PressKey(window(), GetFocus(), VK_SPACE);
      } else {
        TypeCharacter(window(), GetFocus(), L'\r');
      }
    };
    const size_t requests = menu.shell.requests.size();
    tabTo("Suchen");
    press();
    ASSERT_EQ(menu.shell.requests.size(), requests + 1);
    EXPECT_EQ(menu.shell.requests.back().verb, "explore");

    tabTo("fold");
    press();
    EXPECT_EQ(ClientSize(window().Handle()).cx, 336);
    press();
    EXPECT_EQ(ClientSize(window().Handle()).cx, 621);

    const size_t boxes = menu.messages.boxes.size();
    tabTo("banner");
    press();
    ASSERT_EQ(menu.messages.boxes.size(), boxes + 1);
    EXPECT_EQ(menu.messages.boxes.back().text, AboutText());

    tabTo("?");
    EXPECT_TRUE(keyOpensTheHelp(key));
    Pump(window());
  }
  const HWND handle = window().Handle();
  tabTo("Ende");
  TypeCharacter(window(), GetFocus(), L'\r');
  EXPECT_FALSE(IsWindow(handle));
  // No button started the selected program.
  for (const auto& request : menu.shell.requests) EXPECT_EQ(request.verb, "explore");
}

TEST_F(MainWindowKeyboardTest, SpaceAndEnterOnThePictureShowItEnlarged) {
  ClickTreeItem(window(), item("Spiele"));
  ClickTreeItem(window(), item("Schach"));
  TabCtrl_SetCurSel(c().PageControl1, 1);
  NMHDR change{c().PageControl1, 0, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(window().Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
  tabTo("picture");
  const auto preview = [&] { return secondary->PreviewMade() ? secondary->Preview().Handle() : nullptr; };
  EXPECT_TRUE(keyShows(VK_SPACE, preview));
  Pump(window());
  EXPECT_TRUE(keyShows(VK_RETURN, preview));
  Pump(window());
  EXPECT_TRUE(menu.shell.requests.empty()) << "Enter on the picture started the program";
}

TEST_F(MainWindowKeyboardTest, F1OpensTheHelpWhereverTheFocusIs) {
  EXPECT_TRUE(keyOpensTheHelp(VK_F1));
  Pump(window());
  EXPECT_EQ(focus(), "tree") << "the focus didn't come back from the help window";
  tabTo("Suchen");
  EXPECT_TRUE(keyOpensTheHelp(VK_F1));
  Pump(window());
  EXPECT_EQ(focus(), "Suchen");
  EXPECT_TRUE(menu.shell.requests.empty());
}

TEST_F(MainWindowKeyboardTest, PagingKeysAndEnterKeepTheirMeaningAroundTheButtons) {
  ClickTreeItem(window(), item("Liesmich"));
  tabTo("Ende");
  TypeCharacter(window(), GetFocus(), L'm');
  EXPECT_GT(SendMessageW(c().mDesc, EM_GETFIRSTVISIBLELINE, 0, 0), 10);
  TypeCharacter(window(), GetFocus(), L'h');
  EXPECT_EQ(SendMessageW(c().mDesc, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  EXPECT_TRUE(IsWindow(window().Handle()));
  // Back in the tree, Enter starts the selected program again.
  tabTo("tree");
  TypeCharacter(window(), GetFocus(), L'\r');
  ASSERT_EQ(menu.shell.requests.size(), 1u);
  EXPECT_EQ(menu.shell.requests[0].file, menu.Root() + "liesmich.txt");
}

}  // namespace
}  // namespace pandor::testing
