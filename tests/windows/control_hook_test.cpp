// Hooks in a control's messages: the order of the chain, the way on to the
// control, messages sent from inside a handler, unhooking, and the chain
// going with the control, all without a window property.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/control_hook.h"

namespace pandor {
namespace {

constexpr UINT kProbe = WM_APP + 7;

struct Seen {
  std::vector<std::string> calls;
};

// Notes its name (the id) for every probe and WM_GETTEXT, then passes the
// message on; "stopper" answers the probe itself.
LRESULT CALLBACK Noting(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
  auto* seen = reinterpret_cast<Seen*>(data);
  const char* name = reinterpret_cast<const char*>(id);
  if (message == kProbe || message == WM_GETTEXT) seen->calls.push_back(name);
  if (message == kProbe && std::string(name) == "stopper") return 42;
  if (message == WM_NCDESTROY) seen->calls.push_back(std::string(name) + " destroyed");
  return CallNextHook(control, message, wParam, lParam);
}

// The same as comctl32's subclass, passing messages on with DefSubclassProc.
LRESULT CALLBACK NotingSubclass(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                DWORD_PTR data) {
  if (message == WM_GETTEXT) reinterpret_cast<Seen*>(data)->calls.push_back(reinterpret_cast<const char*>(id));
  return DefSubclassProc(control, message, wParam, lParam);
}

// Sends the control a WM_GETTEXT of its own while it handles the probe.
LRESULT CALLBACK Resending(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  if (message == kProbe) {
    wchar_t text[16];
    SendMessageW(control, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(text));
    reinterpret_cast<Seen*>(data)->calls.push_back("resent " + std::string(text, text + lstrlenW(text)));
  }
  return CallNextHook(control, message, wParam, lParam);
}

BOOL CALLBACK CountProperty(HWND, LPWSTR, HANDLE, ULONG_PTR count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

class ControlHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    control_ = CreateWindowExW(0, L"STATIC", L"Text", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(control_, nullptr);
    propertiesBefore_ = Properties();
  }
  int Properties() {
    int count = 0;
    EnumPropsExW(control_, CountProperty, reinterpret_cast<LPARAM>(&count));
    return count;
  }
  void TearDown() override {
    if (IsWindow(control_)) DestroyWindow(control_);
  }
  UINT_PTR Id(const char* name) { return reinterpret_cast<UINT_PTR>(name); }
  std::wstring Text() {
    wchar_t text[16] = L"";
    SendMessageW(control_, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(text));
    return text;
  }
  HWND control_ = nullptr;
  int propertiesBefore_ = 0;
  Seen seen_;
};

TEST_F(ControlHookTest, TheLastHookSeesAMessageFirstAndTheControlAnswersAtTheEnd) {
  HookControl(control_, Noting, Id("first"), reinterpret_cast<DWORD_PTR>(&seen_));
  HookControl(control_, Noting, Id("second"), reinterpret_cast<DWORD_PTR>(&seen_));
  EXPECT_EQ(Text(), L"Text");
  EXPECT_EQ(seen_.calls, (std::vector<std::string>{"second", "first"}));

  seen_.calls.clear();
  HookControl(control_, Noting, Id("stopper"), reinterpret_cast<DWORD_PTR>(&seen_));
  EXPECT_EQ(SendMessageW(control_, kProbe, 0, 0), 42);
  EXPECT_EQ(seen_.calls, (std::vector<std::string>{"stopper"}));

  EXPECT_EQ(Properties(), propertiesBefore_) << "the chain lies in a window property";
}

// A tooltip subclasses the controls it watches, on top of their hooks.
TEST_F(ControlHookTest, SubclassingOnTopOfTheHooksLeavesThemWorking) {
  HookControl(control_, Noting, Id("hook"), reinterpret_cast<DWORD_PTR>(&seen_));
  Seen above;
  SetWindowSubclass(control_, NotingSubclass, Id("subclass"), reinterpret_cast<DWORD_PTR>(&above));
  EXPECT_EQ(Text(), L"Text");
  EXPECT_EQ(above.calls, (std::vector<std::string>{"subclass"}));
  EXPECT_EQ(seen_.calls, (std::vector<std::string>{"hook"}));
  DestroyWindow(control_);
  EXPECT_EQ(seen_.calls.back(), "hook destroyed");
}

TEST_F(ControlHookTest, HookingAgainOnlyChangesTheDataAndUnhookingTakesOneHookAway) {
  Seen other;
  HookControl(control_, Noting, Id("first"), reinterpret_cast<DWORD_PTR>(&other));
  HookControl(control_, Noting, Id("second"), reinterpret_cast<DWORD_PTR>(&seen_));
  HookControl(control_, Noting, Id("first"), reinterpret_cast<DWORD_PTR>(&seen_));
  Text();
  EXPECT_EQ(seen_.calls, (std::vector<std::string>{"second", "first"}));
  EXPECT_TRUE(other.calls.empty());

  seen_.calls.clear();
  UnhookControl(control_, Noting, Id("second"));
  UnhookControl(control_, Noting, Id("never hooked"));
  EXPECT_EQ(Text(), L"Text");
  EXPECT_EQ(seen_.calls, (std::vector<std::string>{"first"}));
}

TEST_F(ControlHookTest, AMessageSentFromInsideAHandlerPassesTheWholeChain) {
  HookControl(control_, Noting, Id("below"), reinterpret_cast<DWORD_PTR>(&seen_));
  HookControl(control_, Resending, 0, reinterpret_cast<DWORD_PTR>(&seen_));
  HookControl(control_, Noting, Id("above"), reinterpret_cast<DWORD_PTR>(&seen_));
  SendMessageW(control_, kProbe, 0, 0);
  EXPECT_EQ(seen_.calls, (std::vector<std::string>{"above", "above", "below", "resent Text", "below"}));
}

TEST_F(ControlHookTest, TheChainGoesWithTheControlAndLeavesNothingToTripOver) {
  HookControl(control_, Noting, Id("hook"), reinterpret_cast<DWORD_PTR>(&seen_));
  DestroyWindow(control_);
  EXPECT_EQ(seen_.calls.back(), "hook destroyed");
  // As a button's destructor does after its window has gone.
  UnhookControl(control_, Noting, Id("hook"));
  EXPECT_EQ(CallNextHook(control_, WM_GETTEXTLENGTH, 0, 0), 0);
}

}  // namespace
}  // namespace pandor
