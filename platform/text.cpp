#include "platform/text.h"

#include <windows.h>

namespace pandor {
namespace {

std::wstring Widen(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int size = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

std::string Narrow(UINT codePage, std::wstring_view text) {
  if (text.empty()) return {};
  const int size =
      WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size, nullptr, nullptr);
  return narrow;
}

}  // namespace

std::wstring FromUtf8(std::string_view utf8) { return Widen(CP_UTF8, utf8); }
std::wstring FromAnsi(std::string_view ansi) { return Widen(CP_ACP, ansi); }
std::string ToUtf8(std::wstring_view wide) { return Narrow(CP_UTF8, wide); }

}  // namespace pandor
