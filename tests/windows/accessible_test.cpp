// The drawn controls as a screen reader finds them in-process: the panels'
// accessible objects, their children's roles, names, descriptions, states and
// places, their default actions, and the events that tell of changes.
#include <windows.h>
#include <oleacc.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "dialogs/about_box.h"
#include "mainwindow/panel.h"
#include "tests/windows/accessible_probe.h"
#include "tests/windows/menu_fixture.h"
#include "tests/windows/window_input.h"

namespace pandor::testing {
namespace {

struct WinEvent {
  DWORD event;
  HWND window;
  LONG object;
  LONG child;
  bool operator==(const WinEvent& o) const {
    return event == o.event && window == o.window && object == o.object && child == o.child;
  }
};
std::vector<WinEvent> events;

void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  events.push_back(WinEvent{event, window, object, child});
}

// Listens, as a screen reader does, to the events of this process.
class EventListener {
 public:
  explicit EventListener(DWORD event)
      : hook_(SetWinEventHook(event, event, nullptr, Record, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT)) {
    events.clear();
  }
  ~EventListener() { UnhookWinEvent(hook_); }
  // The events that came for the window.
  std::vector<WinEvent> For(HWND window) const {
    std::vector<WinEvent> found;
    for (const WinEvent& e : events) {
      if (e.window == window) found.push_back(e);
    }
    return found;
  }

 private:
  HWINEVENTHOOK hook_;
};

constexpr long kFocusable = STATE_SYSTEM_FOCUSABLE;

class AccessibleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    menu.WritePrograms({{"", "liesmich.txt", "Liesmich", "", "", ""}});
    ASSERT_TRUE(menu.Open());
    menu.Window().Show();
    Pump(menu.Window());
  }
  const MainWindowControls& c() { return menu.Controls(); }
  MenuFixture menu;
};

TEST_F(AccessibleTest, ButtonsArePushButtonsNamedByTheirWordOrTheirHint) {
  const AccessibleProbe buttons(c().pnButtons);
  ASSERT_NE(buttons.Object(), nullptr) << "the button panel gives no accessible object";
  EXPECT_EQ(buttons.Facts(CHILDID_SELF).role, ROLE_SYSTEM_CLIENT);
  const std::vector<AccessibleFacts> children = buttons.Children();
  ASSERT_EQ(children.size(), 4u);
  const struct {
    const char* name;
    const char* description;
    const FlatButton& button;
  } expected[] = {
      {"Hilfefenster einblenden", "Hilfefenster einblenden", c().sbtnHelp},
      {"Ende", "Autostart beenden", c().sbtnClose},
      {"Suchen", "CD durchsuchen", c().sbtnExplore},
      {"Infos ausblenden", "Infos ausblenden", c().sbtnExpand},
  };
  for (size_t i = 0; i < children.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(children[i].role, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(children[i].name, expected[i].name);
    EXPECT_EQ(children[i].description, expected[i].description);
    EXPECT_EQ(children[i].defaultAction, "Drücken");
    EXPECT_EQ(children[i].state, kFocusable);
    EXPECT_EQ(children[i].location, ScreenBounds(expected[i].button));

    // The point in the middle of a button finds it.
    const Bounds& at = children[i].location;
    VARIANT hit;
    ASSERT_EQ(buttons.Object()->accHitTest(at.left + at.width / 2, at.top + at.height / 2, &hit), S_OK);
    EXPECT_EQ(hit.vt, VT_I4);
    EXPECT_EQ(hit.lVal, static_cast<long>(i) + 1);
  }
}

TEST_F(AccessibleTest, BannerTextIsNamedByItsTextAndOpensTheAboutBox) {
  const AccessibleProbe banner(c().pWillkommen);
  // The shadow under the text is no control of its own.
  ASSERT_EQ(banner.ChildCount(), 1);
  const AccessibleFacts text = banner.Facts(1);
  EXPECT_EQ(text.role, ROLE_SYSTEM_STATICTEXT);
  EXPECT_EQ(text.name, "Grüß Gott");
  EXPECT_EQ(text.description, "Über Pandor 7");
  EXPECT_EQ(text.location, ScreenBounds(c().lblWelcome));
  EXPECT_FALSE(text.defaultAction.empty());

  EXPECT_EQ(banner.DoDefaultAction(1), S_OK);
  Pump(menu.Window());
  ASSERT_EQ(menu.messages.boxes.size(), 1u);
  EXPECT_EQ(menu.messages.boxes[0].text, AboutText());
}

TEST_F(AccessibleTest, StatesFollowTheMouseAndTheKeyboard) {
  const AccessibleProbe buttons(c().pnButtons);
  ASSERT_NE(buttons.Object(), nullptr);
  MoveMouseOver(menu.Window(), c().sbtnClose);
  EXPECT_EQ(buttons.Facts(2).state, kFocusable | STATE_SYSTEM_HOTTRACKED);
  EXPECT_EQ(buttons.Facts(3).state, kFocusable);

  const RECT suchen = c().sbtnExplore.Bounds();
  const LPARAM middle = MAKELPARAM((suchen.left + suchen.right) / 2, (suchen.top + suchen.bottom) / 2);
  SendMessageW(c().pnButtons, WM_MOUSEMOVE, 0, middle);
  SendMessageW(c().pnButtons, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  EXPECT_EQ(buttons.Facts(3).state, kFocusable | STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_PRESSED);
  EXPECT_EQ(buttons.Facts(2).state, kFocusable);
  SendMessageW(c().pnButtons, WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
  EXPECT_EQ(buttons.Facts(3).state & STATE_SYSTEM_PRESSED, 0);

  // Nothing on the panel has the focus while the tree has it.
  EXPECT_EQ(buttons.FocusedChild(), -1);
  VARIANT take;
  take.vt = VT_I4;
  take.lVal = 4;
  ASSERT_EQ(buttons.Object()->accSelect(SELFLAG_TAKEFOCUS, take), S_OK);
  EXPECT_EQ(GetFocus(), c().pnButtons);
  EXPECT_EQ(buttons.FocusedChild(), 4);
  EXPECT_EQ(buttons.Facts(4).state, kFocusable | STATE_SYSTEM_FOCUSED);
  EXPECT_EQ(buttons.Facts(2).state & STATE_SYSTEM_FOCUSED, 0);
}

TEST_F(AccessibleTest, DefaultActionsDoWhatClicksDo) {
  const AccessibleProbe buttons(c().pnButtons);
  ASSERT_NE(buttons.Object(), nullptr);
  EXPECT_EQ(buttons.DoDefaultAction(3), S_OK);
  Pump(menu.Window());
  ASSERT_EQ(menu.shell.requests.size(), 1u);
  EXPECT_EQ(menu.shell.requests[0].verb, "explore");

  EXPECT_EQ(buttons.DoDefaultAction(4), S_OK);
  Pump(menu.Window());
  EXPECT_EQ(ClientSize(menu.Window().Handle()).cx, 336);
  EXPECT_EQ(buttons.DoDefaultAction(CHILDID_SELF), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(buttons.DoDefaultAction(5), E_INVALIDARG);

  const HWND window = menu.Window().Handle();
  EXPECT_EQ(buttons.DoDefaultAction(2), S_OK);
  Pump(menu.Window());
  EXPECT_FALSE(IsWindow(window));
  // The object a screen reader still holds outlives its panel and says so.
  LONG count = 0;
  EXPECT_EQ(buttons.Object()->get_accChildCount(&count), RPC_E_DISCONNECTED);
}

TEST_F(AccessibleTest, FoldButtonsNameFollowsItsCaptionAndIsAnnounced) {
  const AccessibleProbe buttons(c().pnButtons);
  const EventListener names(EVENT_OBJECT_NAMECHANGE);
  ClickControl(menu.Window(), c().sbtnExpand);
  PumpMessages(50);
  EXPECT_EQ(buttons.Facts(4).name, "Infos einblenden");
  EXPECT_EQ(buttons.Facts(4).description, "Infos einblenden");
  EXPECT_EQ(names.For(c().pnButtons),
            std::vector<WinEvent>({{EVENT_OBJECT_NAMECHANGE, c().pnButtons, OBJID_CLIENT, 4}}));
  ClickControl(menu.Window(), c().sbtnExpand);
  PumpMessages(50);
  EXPECT_EQ(buttons.Facts(4).name, "Infos ausblenden");
  EXPECT_EQ(names.For(c().pnButtons).size(), 2u);
}

TEST_F(AccessibleTest, FocusMovingToADrawnControlIsAnnounced) {
  const EventListener focus(EVENT_OBJECT_FOCUS);
  PressKey(menu.Window(), GetFocus(), VK_TAB);  // from the tree to "?"
  PressKey(menu.Window(), GetFocus(), VK_TAB);  // to "Ende"
  PumpMessages(50);
  const std::vector<WinEvent> announced = focus.For(c().pnButtons);
  ASSERT_FALSE(announced.empty());
  // The last word is the button's, after whatever the system said of the panel.
  EXPECT_EQ(announced.back(), (WinEvent{EVENT_OBJECT_FOCUS, c().pnButtons, OBJID_CLIENT, 2}));
  EXPECT_NE(std::find(announced.begin(), announced.end(),
                      WinEvent{EVENT_OBJECT_FOCUS, c().pnButtons, OBJID_CLIENT, 1}),
            announced.end());
}

}  // namespace
}  // namespace pandor::testing
