#pragma once
// The checker's report as readable lines or as JSON for scripts.

#include <string>

#include "checker/medium_check.h"

namespace pandor::check {

// Where the findings point: the format reference, relative to the project.
constexpr const char* kReferencePath = "docs/menu-format.md";

// One finding a line, "FILE:LINE: Fehler: ..." and the text the menu shows
// indented below it.
std::string FormatText(const CheckReport& report);

// {"menu": {...}, "findings": [{"severity", "file", "line", "message", "shows", "see"}]}
std::string FormatJson(const CheckReport& report);

}  // namespace pandor::check
