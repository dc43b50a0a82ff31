// Hints given before their tooltip window exists reach it when it is made,
// as last set; later ones go to it at once.
#include <windows.h>
#include <gtest/gtest.h>

#include "mainwindow/hints.h"
#include "tests/windows/window_probe.h"

namespace pandor::testing {
namespace {

TEST(HintsTest, KeptUntilTheWindowIsMadeThenAddedAsLastSet) {
  const HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  const HWND first = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, owner, nullptr, nullptr, nullptr);
  const HWND second = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 20, 0, 10, 10, owner, nullptr, nullptr, nullptr);
  const HWND third = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 40, 0, 10, 10, owner, nullptr, nullptr, nullptr);
  Hints hints;
  hints.Add(first, L"Erster");
  hints.Add(second, L"Zweiter");
  hints.Set(second, L"Zweiter, geändert");
  EXPECT_EQ(hints.Handle(), nullptr);

  hints.Create(GetModuleHandleW(nullptr), owner);
  ASSERT_NE(hints.Handle(), nullptr);
  EXPECT_EQ(GetWindow(hints.Handle(), GW_OWNER), owner);
  EXPECT_EQ(HintText(hints.Handle(), first), "Erster");
  EXPECT_EQ(HintText(hints.Handle(), second), "Zweiter, geändert");
  hints.Add(third, L"Dritter");
  hints.Set(first, L"Erster, später");
  EXPECT_EQ(HintText(hints.Handle(), third), "Dritter");
  EXPECT_EQ(HintText(hints.Handle(), first), "Erster, später");
  DestroyWindow(owner);
}

}  // namespace
}  // namespace pandor::testing
