// The about box: its text and style through the message-box interface, and the
// real Windows message box it becomes.
#include <windows.h>
#include <gtest/gtest.h>

#include "dialogs/about_box.h"
#include "dialogs/windows_messages.h"
#include "tests/windows/dialog_driver.h"
#include "tests/windows/fake_services.h"
#include "tests/windows/window_probe.h"

namespace pandor::testing {
namespace {

constexpr char kExpectedText[] =
    "Velmar Pandor 7\r"
    "Ein Programm von Velmar Software\r"
    "\r"
    "eMail: info@velmar-software.example\r"
    "http://www.velmar-software.example/\r"
    "\r"
    "Diese Ausgabe darf kostenlos und unverändert weitergegeben werden.";

TEST(AboutBoxTest, SevenLinesSeparatedByASingleCr) {
  EXPECT_EQ(AboutText(), kExpectedText);
}

TEST(AboutBoxTest, ShownAsAnInformationBoxWithTheApplicationTitle) {
  RecordingMessages messages;
  ShowAboutBox(messages);
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(messages.boxes[0].text, kExpectedText);
  EXPECT_EQ(messages.boxes[0].caption, "Velmar Pandor 7");
  EXPECT_EQ(messages.boxes[0].style, 64u);  // MB_OK | MB_ICONINFORMATION
  EXPECT_TRUE(messages.dialogs.empty());
}

BOOL CALLBACK FindMessageBox(HWND window, LPARAM result) {
  wchar_t className[16] = L"";
  GetClassNameW(window, className, 16);
  if (lstrcmpW(className, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(result) = window;
  return FALSE;
}

// The thread's visible message box, if one is open.
HWND OpenMessageBox() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindMessageBox, reinterpret_cast<LPARAM>(&found));
  return found;
}

TEST(AboutBoxTest, RealMessageBoxShowsTheTextTheIconAndOneOkButton) {
  const HostWindow main;
  WindowsMessages messages;
  messages.SetOwner(main.Handle());
  std::string caption, texts;
  HICON icon = nullptr;
  std::vector<std::string> buttons;
  HWND owner = nullptr;
  const ModalDriver driver(
      {[&] {
        const HWND box = OpenMessageBox();
        ASSERT_TRUE(box);
        caption = WindowText(box);
        owner = GetWindow(box, GW_OWNER);
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
          if (!IsWindowVisible(child)) continue;
          wchar_t className[16] = L"";
          GetClassNameW(child, className, 16);
          if (lstrcmpiW(className, L"Button") == 0) buttons.push_back(WindowText(child));
          if (lstrcmpiW(className, L"Static") == 0 && SendMessageW(child, STM_GETICON, 0, 0)) {
            icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
          }
          if (lstrcmpiW(className, L"Static") == 0 && GetWindowTextLengthW(child) > 0) texts += WindowText(child);
        }
        PostMessageW(box, WM_COMMAND, IDOK, 0);
      }},
      [] {
        if (const HWND box = OpenMessageBox()) PostMessageW(box, WM_COMMAND, IDOK, 0);
      });
  ShowAboutBox(messages);
  EXPECT_EQ(driver.StepsRun(), 1u);
  EXPECT_EQ(caption, "Velmar Pandor 7");
  EXPECT_EQ(owner, main.Handle());
  EXPECT_EQ(texts, kExpectedText);
  EXPECT_EQ(icon, LoadIcon(nullptr, IDI_INFORMATION));
  EXPECT_EQ(buttons, (std::vector<std::string>{"OK"}));
}

}  // namespace
}  // namespace pandor::testing
