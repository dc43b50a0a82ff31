#pragma once
// A text file held as its lines: the form in which the menu folder's files are kept.

#include <string>
#include <string_view>
#include <vector>

namespace pandor {

using LineList = std::vector<std::string>;

// How a line of a file ended.
enum class LineEnd { kNone, kCrLf, kLf, kCr };

// Cuts text into lines. A line runs up to the next CR, LF or NUL; after it one CR
// and then one LF are skipped, so CR LF, a lone LF and a lone CR each end one
// line while LF CR and CR CR end two. A NUL ends the text. No trimming, no
// code-page conversion; a final line end adds no empty line. With `ends`,
// also tells how each line ended.
LineList SplitLines(std::string_view text, std::vector<LineEnd>* ends = nullptr);

}  // namespace pandor
