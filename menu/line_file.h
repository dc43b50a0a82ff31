#pragma once
// A menu file as the editor holds it: the lines the menu reads, how each one
// ended and whatever follows a NUL byte, so that writing it back gives the
// same bytes. The bytes of a line go through as they are (ANSI); lines that
// are added end with CR LF, as the menu's files are meant to.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "menu/line_list.h"

namespace pandor {

// Whether text can stand as one line: no CR, LF or NUL in it.
bool FitsOnOneLine(std::string_view text);

class LineFile {
 public:
  LineFile() = default;
  // Cut as the menu cuts it (SplitLines).
  explicit LineFile(std::string_view bytes);

  // The file's bytes. Read and not changed, they are the bytes it was read
  // from. A line end that would let the menu read the lines otherwise than
  // held here is written as CR LF: after a line in the middle that had none
  // (the old last line, when lines went in after it), after an empty last
  // line (the menu would not count it), and after a CR that an empty line
  // ended by LF follows (together they would end one line).
  std::string Bytes() const;

  const LineList& Lines() const { return lines_; }
  const std::string& Line(size_t index) const { return lines_[index]; }
  size_t Count() const { return lines_.size(); }

  // Each throws std::invalid_argument for text that doesn't fit on one line.
  // A changed line keeps its line end; new lines end with CR LF.
  void Set(size_t index, std::string text);
  void Insert(size_t at, const LineList& lines);
  void Erase(size_t at, size_t count);
  // Puts the blocks of `blockSize` lines in the order `blocks` names them,
  // each with its line ends; blocks it doesn't name are dropped. The lines
  // after the last whole block stay at the end.
  void ReorderBlocks(size_t blockSize, const std::vector<size_t>& blocks);

  bool operator==(const LineFile& other) const {
    return lines_ == other.lines_ && ends_ == other.ends_ && tail_ == other.tail_;
  }

 private:
  // The bytes that end line `index` as Bytes() writes it.
  std::string_view WrittenEnd(size_t index) const;

  LineList lines_;
  std::vector<LineEnd> ends_;
  std::string tail_;  // from the first NUL on: the menu never reads it
};

}  // namespace pandor
