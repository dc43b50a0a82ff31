// DLLs loaded when first needed: nothing happens before the first call, the
// functions work once found, and what isn't there comes back as nullptr
// rather than as a crash.
#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>

#include "platform/system_library.h"

namespace pandor {
namespace {

using AcmGetVersion = DWORD(WINAPI*)();

bool FromSystemFolder(HMODULE module) {
  wchar_t path[MAX_PATH] = L"";
  wchar_t system[MAX_PATH] = L"";
  GetModuleFileNameW(module, path, MAX_PATH);
  GetSystemDirectoryW(system, MAX_PATH);
  return _wcsnicmp(path, system, wcslen(system)) == 0;
}

TEST(SystemLibraryTest, LoadsItsDllFromTheSystemFolderAtTheFirstCallOnly) {
  // A DLL the test program doesn't import and nothing it imports loads.
  if (GetModuleHandleW(L"msacm32.dll")) GTEST_SKIP() << "msacm32.dll is loaded already";
  SystemLibrary library(L"msacm32.dll");
  EXPECT_FALSE(library.Loaded());
  EXPECT_EQ(GetModuleHandleW(L"msacm32.dll"), nullptr);

  const auto version = library.Function<AcmGetVersion>("acmGetVersion");
  ASSERT_NE(version, nullptr);
  EXPECT_TRUE(library.Loaded());
  const HMODULE loaded = GetModuleHandleW(L"msacm32.dll");
  ASSERT_NE(loaded, nullptr);
  EXPECT_NE(version(), 0u);
  EXPECT_TRUE(FromSystemFolder(loaded)) << "loaded from elsewhere";
}

TEST(SystemLibraryTest, MissingDllsAndFunctionsComeBackAsNull) {
  SystemLibrary missing(L"pandor7-no-such-library.dll");
  EXPECT_EQ(missing.Function<decltype(&GetTickCount)>("GetTickCount"), nullptr);
  EXPECT_FALSE(missing.Loaded());
  // Asked again, it doesn't try again and still answers.
  EXPECT_EQ(missing.Function<decltype(&GetTickCount)>("GetTickCount"), nullptr);

  SystemLibrary kernel(L"kernel32.dll");
  EXPECT_EQ(kernel.Function<decltype(&GetTickCount)>("NoSuchFunction"), nullptr);
  const auto processId = kernel.Function<decltype(&GetCurrentProcessId)>("GetCurrentProcessId");
  ASSERT_NE(processId, nullptr);
  EXPECT_EQ(processId(), GetCurrentProcessId());
}

}  // namespace
}  // namespace pandor
