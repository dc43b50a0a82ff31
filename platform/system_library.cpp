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

}  // namespace

HMODULE SystemLibrary::Module() {
  if (tried_) return module_;
  tried_ = true;
  module_ = LoadFromSystemFolder(fileName_);
  return module_;
}

SystemLibrary& Shell32() {
  static SystemLibrary library(L"shell32.dll");
  return library;
}

SystemLibrary& Winmm() {
  static SystemLibrary library(L"winmm.dll");
  return library;
}

SystemLibrary& Oleacc() {
  static SystemLibrary library(L"oleacc.dll");
  return library;
}

SystemLibrary& Ole32() {
  static SystemLibrary library(L"ole32.dll");
  return library;
}

SystemLibrary& Oleaut32() {
  static SystemLibrary library(L"oleaut32.dll");
  return library;
}

SystemLibrary& Comdlg32() {
  static SystemLibrary library(L"comdlg32.dll");
  return library;
}

SystemLibrary& Version() {
  static SystemLibrary library(L"version.dll");
  return library;
}

}  // namespace pandor
