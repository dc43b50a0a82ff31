#include "menu/line_file.h"

#include <cstring>
#include <stdexcept>

namespace pandor {
namespace {

void RequireOneLine(std::string_view text) {
  if (!FitsOnOneLine(text)) throw std::invalid_argument("a line of a menu file can't hold CR, LF or NUL");
}

}  // namespace

bool FitsOnOneLine(std::string_view text) { return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos; }

LineFile::LineFile(std::string_view bytes) {
  lines_ = SplitLines(bytes, &ends_);
  const size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) tail_ = bytes.substr(nul);
}

std::string_view LineFile::WrittenEnd(size_t index) const {
  const bool last = index + 1 == lines_.size();
  LineEnd end = ends_[index];
  if (end == LineEnd::kNone && (!last || lines_[index].empty())) end = LineEnd::kCrLf;
  if (end == LineEnd::kCr && !last && lines_[index + 1].empty() && ends_[index + 1] == LineEnd::kLf) end = LineEnd::kCrLf;
  switch (end) {
    case LineEnd::kNone: break;
    case LineEnd::kCrLf: return "\r\n";
    case LineEnd::kLf: return "\n";
    case LineEnd::kCr: return "\r";
  }
  return {};
}

std::string LineFile::Bytes() const {
  // Sized first and then filled: a program list of many thousand lines is
  // written without the string growing line by line.
  size_t size = tail_.size();
  for (size_t i = 0; i < lines_.size(); ++i) size += lines_[i].size() + WrittenEnd(i).size();
  std::string bytes(size, '\0');
  char* out = bytes.data();
  auto put = [&out](std::string_view part) {
    if (part.empty()) return;  // an empty view may have no address to copy from
    std::memcpy(out, part.data(), part.size());
    out += part.size();
  };
  for (size_t i = 0; i < lines_.size(); ++i) {
    put(lines_[i]);
    put(WrittenEnd(i));
  }
  put(tail_);
  return bytes;
}

void LineFile::Set(size_t index, std::string text) {
  RequireOneLine(text);
  lines_.at(index) = std::move(text);
}

void LineFile::Insert(size_t at, const LineList& lines) {
  for (const std::string& line : lines) RequireOneLine(line);
  if (at > lines_.size()) throw std::out_of_range("LineFile::Insert");
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), lines.begin(), lines.end());
  ends_.insert(ends_.begin() + static_cast<std::ptrdiff_t>(at), lines.size(), LineEnd::kCrLf);
}

void LineFile::Erase(size_t at, size_t count) {
  if (at + count > lines_.size()) throw std::out_of_range("LineFile::Erase");
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(at), lines_.begin() + static_cast<std::ptrdiff_t>(at + count));
  ends_.erase(ends_.begin() + static_cast<std::ptrdiff_t>(at), ends_.begin() + static_cast<std::ptrdiff_t>(at + count));
}

void LineFile::ReorderBlocks(size_t blockSize, const std::vector<size_t>& blocks) {
  const size_t whole = lines_.size() / blockSize * blockSize;
  LineList lines;
  std::vector<LineEnd> ends;
  lines.reserve(blocks.size() * blockSize + lines_.size() - whole);
  ends.reserve(lines.capacity());
  auto take = [&](size_t first, size_t last) {
    for (size_t i = first; i < last; ++i) {
      lines.push_back(std::move(lines_[i]));
      ends.push_back(ends_[i]);
    }
  };
  std::vector<bool> taken(whole / blockSize);
  for (const size_t block : blocks) {
    if ((block + 1) * blockSize > whole || taken[block]) throw std::out_of_range("LineFile::ReorderBlocks");
    taken[block] = true;
    take(block * blockSize, (block + 1) * blockSize);
  }
  take(whole, lines_.size());
  lines_ = std::move(lines);
  ends_ = std::move(ends);
}

}  // namespace pandor
