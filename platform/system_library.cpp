#include "platform/system_library.h"

#include <string>

namespace pandor {
namespace {

// By its full path: a DLL of that name on the medium, beside the program,
// must never be the one that is loaded.
HMODULE LoadFromSystemFolder(const wchar_t* fileName) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return LoadLibraryW((std::wstring(folder, length) + L"\\" + fileName).c_str());
}

DWORD WINAPI LoadAll(void* fileNames) {
  for (auto name = static_cast<const wchar_t* const*>(fileNames); *name; ++name) LoadFromSystemFolder(*name);
  return 0;
}

}  // namespace

HMODULE SystemLibrary::Module() {
  if (tried_) return module_;
  tried_ = true;
  module_ = LoadFromSystemFolder(fileName_);
  return module_;
}

void LoadInBackground(const wchar_t* const* fileNames) {
  const HANDLE thread = CreateThread(nullptr, 0, LoadAll, const_cast<const wchar_t**>(fileNames), 0, nullptr);
  if (thread) CloseHandle(thread);
}

SystemLibrary& Shell32() {
  static SystemLibrary library(L"shell32.dll");
  return library;
}

SystemLibrary& Winmm() {
  static SystemLibrary library(L"winmm.dll");
  return library;
}

}  // namespace pandor
