#pragma once
// What the parts of the check share: the medium, the menu's folders, the
// findings, and the text helpers every part words its findings with.

#include <string>
#include <string_view>

#include "checker/findings.h"
#include "checker/medium_check.h"
#include "checker/medium_files.h"
#include "menu/line_list.h"
#include "menu/menu_folder.h"

namespace pandor::check {

struct CheckContext {
  const MediumFiles& files;
  MenuFolder folder;  // the menu's AppDir and MenuDir on the medium
  Findings& findings;
  MenuFacts& facts;
};

// A menu file's text (Windows-1252) quoted for a message: „text“.
std::string Quoted(std::string_view ansi);

// Without blanks and tabs at either end.
std::string Trimmed(const std::string& text);

// The menu's error box text for an error's text: with its closing full stop.
std::string ErrorBoxText(const std::string& utf8Text);

// The medium-relative name of a file the menu reaches as menuPath.
std::string RelativeName(const CheckContext& context, const std::string& menuPath);

// Warnings for line ends that shift lines (LF CR), mixed line ends, and a NUL
// byte that cuts the file; for `file` as shown in findings.
void CheckLineEnds(const CheckContext& context, const std::string& file, std::string_view bytes, bool lineNumbersMatter);

}  // namespace pandor::check
