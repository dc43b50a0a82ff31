#pragma once
// The author's text, as the editor's controls give it (UTF-16), in the bytes
// the menu files hold: the system's ANSI code page. A character that code
// page can't hold is never replaced by a look-alike or a "?": the caller is
// told which ones they are, and takes nothing.

#include <string>
#include <string_view>

namespace pandor {

struct AnsiText {
  std::string bytes;            // the text in the ANSI code page, meaningful when nothing is unrepresentable
  std::wstring unrepresentable;  // each character the code page can't hold, once, in the order they first come
  bool Complete() const { return unrepresentable.empty(); }
};

AnsiText ToAnsi(std::wstring_view text);

// The German sentence that names the characters (UTF-8), for a text that was
// not taken.
std::string UnrepresentableMessage(const std::wstring& characters);

}  // namespace pandor
