#pragma once
// The checker's findings about the menu as it is being edited, worked out on
// a thread of their own so that the window never waits for them. Only the
// newest request counts: one that comes while a check runs replaces any
// waiting one, and a result is handed over only if no newer request came.

#include <windows.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "checker/medium_check.h"

namespace pandor {

class LiveCheck {
 public:
  // A finished check is announced to `window` by posting `message`.
  LiveCheck(HWND window, UINT message);
  LiveCheck(const LiveCheck&) = delete;
  LiveCheck& operator=(const LiveCheck&) = delete;
  ~LiveCheck();

  void Request(std::filesystem::path root, check::UnsavedFiles unsaved);
  // The report of the newest request, once it is there (once).
  std::optional<check::CheckReport> TakeReport();

 private:
  struct Shared;
  static DWORD WINAPI Work(void* shared);

  std::shared_ptr<Shared> shared_;
  HANDLE thread_ = nullptr;
};

}  // namespace pandor
