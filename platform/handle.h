#pragma once
// One move-only owner for every kind of Windows handle the program holds.

#include <windows.h>

#include <utility>

namespace pandor {

template <typename T, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(T handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  T get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }
  T release() { return std::exchange(handle_, Traits::Invalid()); }
  void reset(T handle = Traits::Invalid()) {
    if (handle_ != Traits::Invalid()) Traits::Close(handle_);
    handle_ = handle;
  }

 private:
  T handle_ = Traits::Invalid();
};

struct FileHandleTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
template <typename T>
struct GdiObjectTraits {
  static T Invalid() { return nullptr; }
  static void Close(T h) { DeleteObject(h); }
};
struct IconTraits {
  static HICON Invalid() { return nullptr; }
  static void Close(HICON h) { DestroyIcon(h); }
};
struct RegistryKeyTraits {
  static HKEY Invalid() { return nullptr; }
  static void Close(HKEY h) { RegCloseKey(h); }
};
struct MemoryDcTraits {
  static HDC Invalid() { return nullptr; }
  static void Close(HDC h) { DeleteDC(h); }
};

using FileHandle = UniqueHandle<HANDLE, FileHandleTraits>;
using FontHandle = UniqueHandle<HFONT, GdiObjectTraits<HFONT>>;
using BrushHandle = UniqueHandle<HBRUSH, GdiObjectTraits<HBRUSH>>;
using BitmapHandle = UniqueHandle<HBITMAP, GdiObjectTraits<HBITMAP>>;
using IconHandle = UniqueHandle<HICON, IconTraits>;
using RegistryKey = UniqueHandle<HKEY, RegistryKeyTraits>;
using MemoryDc = UniqueHandle<HDC, MemoryDcTraits>;  // from CreateCompatibleDC

}  // namespace pandor
