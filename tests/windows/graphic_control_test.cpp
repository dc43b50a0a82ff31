// The banner's labels and the flat buttons, which have no windows of their
// own: what their panels draw of them, and what the mouse does to them.
#include <windows.h>
#include <gtest/gtest.h>

#include "mainwindow/panel.h"
#include "tests/windows/dialog_driver.h"
#include "tests/windows/menu_fixture.h"
#include "tests/windows/window_input.h"
#include "tests/windows/window_probe.h"

namespace pandor::testing {
namespace {

constexpr COLORREF kBannerText = RGB(0, 0, 255);  // the standard settings' colours
constexpr COLORREF kBannerShadow = RGB(0, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

// The first row that holds a pixel of the colour, or -1.
int TopRowOf(const Snapshot& shot, COLORREF colour) {
  for (int y = 0; y < shot.height; ++y)
    for (int x = 0; x < shot.width; ++x)
      if (shot.At(x, y) == colour) return y;
  return -1;
}

int CountIn(const Snapshot& shot, const RECT& area, COLORREF colour) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += shot.At(x, y) == colour;
  return count;
}

LPARAM PointParam(int x, int y) { return MAKELPARAM(x, y); }

class GraphicControlTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(menu.Open()); }
  MenuFixture menu;
};

TEST_F(GraphicControlTest, BannerDrawsTheShadowOnePixelAboveTheText) {
  const Snapshot banner = PrintClient(menu.Controls().pWillkommen);
  EXPECT_GT(banner.Count(kBannerText), 20);
  EXPECT_GT(banner.Count(kBannerShadow), 20);
  // The text is drawn over its shadow, which shows only along its top edge.
  EXPECT_EQ(TopRowOf(banner, kBannerShadow) + 1, TopRowOf(banner, kBannerText));
  // The panel's own colour around them.
  EXPECT_EQ(banner.At(4, banner.height / 2), RGB(128, 128, 128));
}

TEST_F(GraphicControlTest, HoveredButtonShowsItsColourAndARaisedEdgeOnlyWithinItsBounds) {
  const MainWindowControls& c = menu.Controls();
  MoveMouseOver(menu.Window(), c.sbtnClose);
  const Snapshot buttons = PrintClient(c.pnButtons);
  const RECT ende = c.sbtnClose.Bounds();
  EXPECT_GT(CountIn(buttons, ende, kRed), 10);
  EXPECT_EQ(buttons.Count(kRed), CountIn(buttons, ende, kRed));
  EXPECT_EQ(buttons.At(ende.left, ende.top), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(buttons.At(ende.right - 1, ende.bottom - 1), GetSysColor(COLOR_BTNSHADOW));
  // The mouse leaving the panel takes the edge away; the colour stays.
  SendMessageW(c.pnButtons, WM_MOUSELEAVE, 0, 0);
  const Snapshot left = PrintClient(c.pnButtons);
  EXPECT_EQ(left.At(ende.left, ende.top), RGB(255, 250, 240));
  EXPECT_EQ(c.sbtnClose.CaptionColour(), kRed);
}

TEST_F(GraphicControlTest, PressReleasedOutsideTheButtonDoesNothing) {
  const MainWindowControls& c = menu.Controls();
  const RECT suchen = c.sbtnExplore.Bounds();
  const int x = (suchen.left + suchen.right) / 2;
  const int y = (suchen.top + suchen.bottom) / 2;
  SendMessageW(c.pnButtons, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
  EXPECT_EQ(GetCapture(), c.pnButtons);
  // Held down: a sunken edge, dark at the top left.
  EXPECT_EQ(PrintClient(c.pnButtons).At(suchen.left, suchen.top), GetSysColor(COLOR_BTNSHADOW));
  // Dragged off, it comes up again; released there, it starts nothing.
  SendMessageW(c.pnButtons, WM_MOUSEMOVE, MK_LBUTTON, PointParam(x, suchen.bottom + 3));
  EXPECT_NE(PrintClient(c.pnButtons).At(suchen.left, suchen.top), GetSysColor(COLOR_BTNSHADOW));
  SendMessageW(c.pnButtons, WM_LBUTTONUP, 0, PointParam(x, suchen.bottom + 3));
  Pump(menu.Window());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(menu.shell.requests.empty());

  // A click between the buttons is no click of either.
  SendMessageW(c.pnButtons, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(suchen.left - 3, y));
  SendMessageW(c.pnButtons, WM_LBUTTONUP, 0, PointParam(suchen.left - 3, y));
  Pump(menu.Window());
  EXPECT_TRUE(menu.shell.requests.empty());
  EXPECT_TRUE(IsWindow(menu.Window().Handle()));
}

// A control of the test's own, to see what its panel tells it.
struct ProbeControl : GraphicControl {
  void Paint(HDC) const override {}
  long AccessibleRole() const override { return 0; }
  std::wstring AccessibleName() const override { return L""; }
  const wchar_t* DefaultActionName() const override { return L""; }
};

TEST(PanelTest, ControlsAndPanelCanGoInEitherOrder) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  Panel::Register(instance);
  const HWND panel = Panel::Create(GetDesktopWindow(), 1, RECT{0, 0, 100, 40});
  ASSERT_NE(panel, nullptr);
  {
    ProbeControl control;
    control.Place(panel, 7, RECT{10, 10, 30, 30});
    EXPECT_EQ(Panel::ControlAt(panel, POINT{20, 20}), &control);
    EXPECT_EQ(Panel::ControlAt(panel, POINT{40, 20}), nullptr);
  }
  // Gone, the control is no longer found where it lay.
  EXPECT_EQ(Panel::ControlAt(panel, POINT{20, 20}), nullptr);

  ProbeControl outlives;
  outlives.Place(panel, 8, RECT{0, 0, 10, 10});
  DestroyWindow(panel);
  EXPECT_EQ(outlives.Host(), nullptr);  // and its destructor leaves the gone panel alone
}

}  // namespace
}  // namespace pandor::testing
