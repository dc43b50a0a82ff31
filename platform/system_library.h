#pragma once
// System DLLs that the program needs only now and then: the shell for a click,
// MCI for the start-up sound, accessibility and COM for a screen reader. They are loaded from the Windows system folder
// when first called, not at start, where they and everything they load would
// delay the window. Their functions are called through Function<>().

#include <windows.h>

namespace pandor {

class SystemLibrary {
 public:
  // fileName: the DLL's file name in the system folder, as L"shell32.dll".
  explicit constexpr SystemLibrary(const wchar_t* fileName) : fileName_(fileName) {}
  SystemLibrary(const SystemLibrary&) = delete;
  SystemLibrary& operator=(const SystemLibrary&) = delete;

  // The function as the type of a pointer to it (decltype(&ShellExecuteW));
  // nullptr when the DLL or the function can't be found. The DLL, once
  // loaded, stays for the rest of the program, as an imported one would.
  template <typename FunctionPointer>
  FunctionPointer Function(const char* name) {
    const HMODULE module = Module();
    return module ? reinterpret_cast<FunctionPointer>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
  }

  bool Loaded() const { return module_ != nullptr; }

 private:
  HMODULE Module();

  const wchar_t* fileName_;
  HMODULE module_ = nullptr;
  bool tried_ = false;
};

// The shell (ShellExecuteW) and the Media Control Interface (mciSendCommandW).
SystemLibrary& Shell32();
SystemLibrary& Winmm();
// Active Accessibility (LresultFromObject), COM (CoInitializeEx) and its
// strings (SysAllocString), which a screen reader's questions need.
SystemLibrary& Oleacc();
SystemLibrary& Ole32();
SystemLibrary& Oleaut32();
// The common dialogs (GetOpenFileNameW, ChooseColorW) and files' version
// information (GetFileVersionInfoW), which the editor needs on a command.
SystemLibrary& Comdlg32();
SystemLibrary& Version();

}  // namespace pandor
