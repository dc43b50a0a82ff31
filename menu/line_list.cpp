#include "menu/line_list.h"

#include <algorithm>

namespace pandor {

LineList SplitLines(std::string_view text, std::vector<LineEnd>* ends) {
  const size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);

  LineList lines;
  if (ends) ends->clear();
  // Room for every line at once: a list of many thousand lines would
  // otherwise be moved to a larger block again and again as it grows.
  lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(pos, end - pos));
    pos = end;
    const bool cr = pos < text.size() && text[pos] == '\r';
    if (cr) ++pos;
    const bool lf = pos < text.size() && text[pos] == '\n';
    if (lf) ++pos;
    if (ends) ends->push_back(cr ? (lf ? LineEnd::kCrLf : LineEnd::kCr) : (lf ? LineEnd::kLf : LineEnd::kNone));
  }
  return lines;
}

}  // namespace pandor
