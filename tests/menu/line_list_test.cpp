#include <gtest/gtest.h>

#include "menu/line_list.h"

namespace pandor {
namespace {

struct SplitCase {
  const char* name;
  std::string text;
  LineList lines;
};

class SplitLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, CutsLinesAsTheMenuFilesAreWritten) {
  EXPECT_EQ(SplitLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, SplitLinesTest,
    ::testing::Values(
        SplitCase{"Empty", "", {}},
        SplitCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
        SplitCase{"LoneLf", "a\nb\n", {"a", "b"}},
        SplitCase{"LoneCr", "a\rb\r", {"a", "b"}},
        SplitCase{"LastLineWithoutEnd", "a\r\nb", {"a", "b"}},
        SplitCase{"LfCrIsTwoLineEnds", "a\n\rb\n\r", {"a", "", "b", ""}},
        SplitCase{"CrCrIsTwoLineEnds", "a\r\rb", {"a", "", "b"}},
        SplitCase{"EmptyLinesKept", "\r\n\r\nx\r\n", {"", "", "x"}},
        SplitCase{"BlanksKept", " 1 \r\n\t2", {" 1 ", "\t2"}},
        SplitCase{"NulEndsText", std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        SplitCase{"NulFirst", std::string("\0abc", 4), {}},
        SplitCase{"HighBytesUntouched", "Gr\xFC\xDF" "e\r\n", {"Gr\xFC\xDF" "e"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitLinesTest, TellsHowEachLineEnded) {
  std::vector<LineEnd> ends;
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd", &ends), (LineList{"a", "b", "c", "d"}));
  EXPECT_EQ(ends, (std::vector<LineEnd>{LineEnd::kCrLf, LineEnd::kLf, LineEnd::kCr, LineEnd::kNone}));
  // LF CR: a line ended by LF, then an empty one ended by CR.
  EXPECT_EQ(SplitLines("a\n\rb", &ends), (LineList{"a", "", "b"}));
  EXPECT_EQ(ends, (std::vector<LineEnd>{LineEnd::kLf, LineEnd::kCr, LineEnd::kNone}));
  SplitLines("", &ends);
  EXPECT_TRUE(ends.empty());
}

}  // namespace
}  // namespace pandor
