// The program's own message dialog, shown for real and closed by keys.
#include <windows.h>
#include <gtest/gtest.h>

#include "dialogs/message_dialog.h"
#include "tests/windows/window_probe.h"

namespace pandor::testing {
namespace {

// What the test saw of the dialog while it was open, and the key that closes it.
struct DialogSeen {
  UINT closingKey = VK_RETURN;
  bool found = false;
  std::string caption;
  std::string text;
  std::string button;
  bool okIsDefault = false;
  bool okHasFocus = false;
  bool hasIcon = false;
  int textWidth = 0;
  POINT centre{};
};

DialogSeen* seen = nullptr;

BOOL CALLBACK ReadChild(HWND child, LPARAM) {
  wchar_t className[32] = L"";
  GetClassNameW(child, className, 32);
  const std::wstring kind = className;
  if (kind == L"Static") {
    if (GetWindowLongW(child, GWL_STYLE) & SS_ICON) seen->hasIcon = true;
    seen->text = WindowText(child);
    seen->textWidth = BoundsInParent(child).width;
  } else if (kind == L"Button") {
    seen->button = WindowText(child);
    seen->okIsDefault = (GetWindowLongW(child, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
    seen->okHasFocus = GetFocus() == child;
  }
  return TRUE;
}

void CALLBACK LookAtDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND dialog = FindWindowW(L"#32770", nullptr);
  if (!dialog || !IsWindowVisible(dialog)) return;
  KillTimer(nullptr, timer);
  seen->found = true;
  seen->caption = WindowText(dialog);
  EnumChildWindows(dialog, ReadChild, 0);
  RECT rect;
  GetWindowRect(dialog, &rect);
  seen->centre = POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  // Keys go to the focused button, as the keyboard would send them.
  PostMessageW(GetFocus(), WM_KEYDOWN, seen->closingKey, 1);
  PostMessageW(GetFocus(), WM_KEYUP, seen->closingKey, 0xC0000001);
}

DialogSeen ShowAndClose(const std::string& text, UINT closingKey) {
  DialogSeen result;
  result.closingKey = closingKey;
  seen = &result;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, LookAtDialog);
  ShowMessageDialog(nullptr, text);
  KillTimer(nullptr, timer);
  seen = nullptr;
  return result;
}

TEST(MessageDialogTest, ShowsTheTextUnderTheApplicationTitleWithOneOkButton) {
  const DialogSeen dialog = ShowAndClose("Fehler: Datei nicht gefunden! Starten Sie menubau.exe.", VK_RETURN);
  ASSERT_TRUE(dialog.found);
  EXPECT_EQ(dialog.caption, "Velmar Pandor 7");
  EXPECT_EQ(dialog.text, "Fehler: Datei nicht gefunden! Starten Sie menubau.exe.");
  EXPECT_EQ(dialog.button, "OK");
  EXPECT_TRUE(dialog.okIsDefault);
  EXPECT_TRUE(dialog.okHasFocus);
  EXPECT_FALSE(dialog.hasIcon);
  EXPECT_NEAR(dialog.centre.x, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR(dialog.centre.y, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST(MessageDialogTest, EscapeClosesItToo) {
  const DialogSeen dialog = ShowAndClose("Fehler!\r\rDie Datei \"options.dat\" liegt in falscher Version vor!", VK_ESCAPE);
  ASSERT_TRUE(dialog.found);
  EXPECT_EQ(dialog.text, "Fehler!\r\rDie Datei \"options.dat\" liegt in falscher Version vor!");
}

TEST(MessageDialogTest, LongTextWrapsAtHalfTheScreensWidth) {
  std::string text;
  for (int i = 0; i < 60; ++i) text += "Wort" + std::to_string(i) + " ";
  const DialogSeen dialog = ShowAndClose(text, VK_RETURN);
  ASSERT_TRUE(dialog.found);
  EXPECT_LE(dialog.textWidth, GetSystemMetrics(SM_CXSCREEN) / 2);
  EXPECT_GT(dialog.textWidth, GetSystemMetrics(SM_CXSCREEN) / 2 - 80);
}

}  // namespace
}  // namespace pandor::testing
