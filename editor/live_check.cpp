#include "editor/live_check.h"

namespace pandor {

struct LiveCheck::Shared {
  HWND window;
  UINT message;
  CRITICAL_SECTION lock;
  HANDLE wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  bool stopping = false;
  unsigned requested = 0;  // the newest request's number
  struct Request {
    std::filesystem::path root;
    check::UnsavedFiles unsaved;
  };
  std::optional<Request> waiting;
  std::optional<check::CheckReport> report;
  unsigned reportOf = 0;

  Shared(HWND w, UINT m) : window(w), message(m) { InitializeCriticalSection(&lock); }
  ~Shared() {
    DeleteCriticalSection(&lock);
    CloseHandle(wake);
  }
};

LiveCheck::LiveCheck(HWND window, UINT message) : shared_(std::make_shared<Shared>(window, message)) {
  thread_ = CreateThread(nullptr, 0, Work, shared_.get(), 0, nullptr);
}

LiveCheck::~LiveCheck() {
  EnterCriticalSection(&shared_->lock);
  shared_->stopping = true;
  LeaveCriticalSection(&shared_->lock);
  SetEvent(shared_->wake);
  if (thread_) {
    // A check of a huge medium may still run; its result is no longer wanted.
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
}

void LiveCheck::Request(std::filesystem::path root, check::UnsavedFiles unsaved) {
  EnterCriticalSection(&shared_->lock);
  ++shared_->requested;
  shared_->waiting = Shared::Request{std::move(root), std::move(unsaved)};
  LeaveCriticalSection(&shared_->lock);
  SetEvent(shared_->wake);
}

std::optional<check::CheckReport> LiveCheck::TakeReport() {
  EnterCriticalSection(&shared_->lock);
  std::optional<check::CheckReport> report;
  if (shared_->reportOf == shared_->requested) report.swap(shared_->report);
  LeaveCriticalSection(&shared_->lock);
  return report;
}

DWORD WINAPI LiveCheck::Work(void* data) {
  Shared& shared = *static_cast<Shared*>(data);
  for (;;) {
    WaitForSingleObject(shared.wake, INFINITE);
    EnterCriticalSection(&shared.lock);
    if (shared.stopping) {
      LeaveCriticalSection(&shared.lock);
      return 0;
    }
    std::optional<Shared::Request> request;
    request.swap(shared.waiting);
    const unsigned number = shared.requested;
    LeaveCriticalSection(&shared.lock);
    if (!request) continue;

    check::CheckReport report;
    try {
      report = check::CheckMedium(request->root, request->unsaved);
    } catch (const std::exception& error) {
      report.failure = error.what();
    }
    EnterCriticalSection(&shared.lock);
    const bool newest = number == shared.requested && !shared.stopping;
    if (newest) {
      shared.report = std::move(report);
      shared.reportOf = number;
    }
    LeaveCriticalSection(&shared.lock);
    if (newest) PostMessageW(shared.window, shared.message, 0, 0);
  }
}

}  // namespace pandor
