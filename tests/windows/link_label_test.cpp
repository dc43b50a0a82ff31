// The link label on its own: what it shows, where it points, what a click asks
// of the shell.
#include <windows.h>
#include <gtest/gtest.h>

#include "dialogs/link_label.h"
#include "tests/windows/dialog_driver.h"
#include "tests/windows/fake_services.h"
#include "tests/windows/window_probe.h"

namespace pandor::testing {
namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr RECT kBounds{10, 20, 10 + 441, 20 + 13};

class LinkLabelTest : public ::testing::Test {
 protected:
  void SetUp() override { label.Create(host.Handle(), 7, kBounds, shell, "C:\\Medium\\"); }

  HostWindow host;
  RecordingShell shell;
  LinkLabel label;
};

TEST_F(LinkLabelTest, StartsWithThePlaceholderAndTheMakersHomePage) {
  EXPECT_EQ(WindowText(label.Handle()), "Place URL / Mailto in \"TargetURL\" property.");
  EXPECT_EQ(label.TargetUrl(), "http://www.velmar-software.example/");
  EXPECT_EQ(BoundsInParent(label.Handle()), (Bounds{10, 20, 441, 13}));
  EXPECT_EQ(GetDlgCtrlID(label.Handle()), 7);
}

TEST_F(LinkLabelTest, EmptyTargetMeansTheHomePage) {
  const struct {
    const char* given;
    const char* kept;
  } cases[] = {
      {"mailto:post@example.org", "mailto:post@example.org"},
      {"", "http://www.velmar-software.example/"},
      {"http://example.net/seite.html", "http://example.net/seite.html"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.given);
    label.SetTargetUrl(c.given);
    EXPECT_EQ(label.TargetUrl(), c.kept);
  }
}

TEST_F(LinkLabelTest, ClickOpensTheTargetInTheWorkingFolder) {
  label.SetTargetUrl("mailto:post@example.org");
  PostClick(label.Handle(), POINT{200, 6});
  PumpMessages();
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0].verb, "OPEN");
  EXPECT_EQ(shell.requests[0].file, "mailto:post@example.org");
  EXPECT_EQ(shell.requests[0].workingFolder, "C:\\Medium\\");

  // Its edges belong to it too: the label is a fixed size, not its text's.
  PostClick(label.Handle(), POINT{0, 0});
  PostClick(label.Handle(), POINT{440, 12});
  PumpMessages();
  EXPECT_EQ(shell.requests.size(), 3u);
}

TEST_F(LinkLabelTest, OnlyAPressAndAReleaseOnTheLabelAreAClick) {
  // Released elsewhere: no click.
  PostMessageW(label.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 6));
  PostMessageW(label.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(600, 6));
  // A release alone (the press was on another window): no click.
  PostMessageW(label.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 6));
  PumpMessages();
  EXPECT_TRUE(shell.requests.empty());
}

TEST_F(LinkLabelTest, CaptionIsBlueUnderlinedAndCentred) {
  label.SetCaption("http://www.velmar-software.example/");
  EXPECT_EQ(WindowText(label.Handle()), "http://www.velmar-software.example/");
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label.Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_TRUE(font.lfUnderline);

  // Everything drawn is blue, smoothed into the button-face background at
  // the letters' edges.
  const Snapshot shot = PrintClient(label.Handle());
  ASSERT_EQ(shot.width, 441);
  const COLORREF background = GetSysColor(COLOR_BTNFACE);
  int left = shot.width, right = -1;
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) {
      const double share = InkShare(shot.At(x, y), kBlue, background);
      ASSERT_GE(share, 0) << "at " << x << ", " << y;
      if (share > 0) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  ASSERT_GT(right, left);
  // Text as wide as this leaves equal margins, give or take a pixel.
  EXPECT_LE(std::abs(left - (shot.width - 1 - right)), 1) << left << " .. " << right;
  // The underline: one row of blue under the whole text.
  EXPECT_GE(LongestRun(shot, kBlue), (right - left + 1) * 9 / 10);
}

TEST_F(LinkLabelTest, TakesAnUnderlinedCopyOfTheFontItIsGiven) {
  const HFONT given = CreateFontW(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial");
  SendMessageW(label.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(given), FALSE);
  DeleteObject(given);  // the label holds its own copy
  EXPECT_EQ(FontFace(label.Handle()), "Arial");
  EXPECT_EQ(FontHeight(label.Handle()), -16);
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label.Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_TRUE(font.lfUnderline);
}

TEST_F(LinkLabelTest, HandCursor) {
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  SendMessageW(label.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(label.Handle()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
}

}  // namespace
}  // namespace pandor::testing
