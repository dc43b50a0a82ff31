// The program's own message dialog, shown for real and closed by keys.
#include <windows.h>
#include <gtest/gtest.h>

#include "tests/windows/message_dialog_probe.h"

namespace pandor::testing {
namespace {

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
  EXPECT_LE(dialog.textBounds.width, GetSystemMetrics(SM_CXSCREEN) / 2);
  EXPECT_GT(dialog.textBounds.width, GetSystemMetrics(SM_CXSCREEN) / 2 - 80);
}

}  // namespace
}  // namespace pandor::testing
