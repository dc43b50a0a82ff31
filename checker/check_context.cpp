#include "checker/check_context.h"

#include <set>

#include "menu/locale_text.h"
#include "menu/menu_error.h"

namespace pandor::check {
namespace {

// The 1-based line in which a byte offset lies.
int LineAt(std::string_view bytes, size_t offset) {
  std::vector<LineEnd> ends;
  const LineList before = SplitLines(bytes.substr(0, offset), &ends);
  if (before.empty()) return 1;
  return static_cast<int>(before.size()) + (ends.back() == LineEnd::kNone ? 0 : 1);
}

}  // namespace

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Quoted(std::string_view ansi) { return "„" + AnsiToUtf8(ansi) + "“"; }

std::string ErrorBoxText(const std::string& utf8Text) { return WithClosingFullStop(utf8Text); }

std::string RelativeName(const CheckContext& context, const std::string& menuPath) {
  return context.files.Lookup(menuPath).relative;
}

void CheckLineEnds(const CheckContext& context, const std::string& file, std::string_view bytes,
                   bool lineNumbersMatter) {
  std::vector<LineEnd> ends;
  const LineList lines = SplitLines(bytes, &ends);
  std::set<LineEnd> kinds;
  bool lfCr = false;
  for (size_t i = 0; i < ends.size(); ++i) {
    if (ends[i] != LineEnd::kNone) kinds.insert(ends[i]);
    if (lfCr || ends[i] != LineEnd::kLf || i + 1 >= ends.size() || ends[i + 1] != LineEnd::kCr ||
        !lines[i + 1].empty()) {
      continue;
    }
    lfCr = true;
    context.findings.Warning(
        file, static_cast<int>(i) + 1,
        lineNumbersMatter
            ? "Zeilenenden LF CR: jedes zählt als zwei, nach jeder Zeile folgt eine leere, und alle Werte ab hier "
              "stehen für das Menü in falschen Zeilen. Speichern Sie die Datei mit CR LF."
            : "Zeilenenden LF CR: jedes zählt als zwei, das Menü zeigt nach jeder Zeile eine Leerzeile. Speichern "
              "Sie die Datei mit CR LF.",
        "line-ends");
  }
  if (!lfCr && lineNumbersMatter && kinds.size() > 1) {
    context.findings.Warning(file, 0,
                             "Gemischte Zeilenenden (CR LF, LF und CR durcheinander): das Menü liest sie, aber ein "
                             "Editor zeigt die Zeilen womöglich anders, als das Menü sie zählt. Speichern Sie die "
                             "Datei mit CR LF.",
                             "line-ends");
  }
  const size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) {
    context.findings.Warning(file, LineAt(bytes, nul),
                             "Ein NUL-Byte beendet hier die Datei für das Menü: die übrigen " +
                                 std::to_string(bytes.size() - nul) + " Bytes liest es nicht.",
                             "line-ends");
  }
}

}  // namespace pandor::check
