// Menu files held for the editor: read and written back byte for byte, and
// written after a change so that the menu reads the lines as held.
#include <gtest/gtest.h>

#include <stdexcept>

#include "menu/line_file.h"

namespace pandor {
namespace {

struct BytesCase {
  const char* name;
  std::string bytes;
};

class LineFileRoundTripTest : public ::testing::TestWithParam<BytesCase> {};

TEST_P(LineFileRoundTripTest, WritesBackTheBytesItWasReadFrom) {
  const LineFile file(GetParam().bytes);
  EXPECT_EQ(file.Bytes(), GetParam().bytes);
  EXPECT_EQ(file.Lines(), SplitLines(GetParam().bytes));
}

INSTANTIATE_TEST_SUITE_P(
    WhateverTheFileHolds, LineFileRoundTripTest,
    ::testing::Values(BytesCase{"Empty", ""}, BytesCase{"CrLf", "a\r\nb\r\n"},
                      BytesCase{"NoFinalLineEnd", "a\r\nb"}, BytesCase{"LoneLf", "a\nb\n"},
                      BytesCase{"LoneCr", "a\rb\r"}, BytesCase{"LfCr", "a\n\rb\n\r"},
                      BytesCase{"CrCr", "a\r\r\r"}, BytesCase{"Mixed", "a\r\n\nb\r\r\nc\n\r\r\nd"},
                      BytesCase{"OnlyLineEnds", "\r\n\r\n\n\r"}, BytesCase{"Utf8WithMark", "\xEF\xBB\xBF" "5600.0\r\n"},
                      BytesCase{"AnsiUmlauts", "Gr\xFC\xDF" "e\r\n"},
                      BytesCase{"NulCutsTheRest", std::string("a\r\nb\0c\r\n\0d", 11)},
                      BytesCase{"NulRightAfterALineEnd", std::string("a\r\n\0\r\n", 6)},
                      BytesCase{"NulFirst", std::string("\0abc", 4)},
                      BytesCase{"BlanksAndTabs", " 1 \r\n\t\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineFileTest, AChangedLineKeepsItsLineEndAndNewLinesEndWithCrLf) {
  LineFile file("a\nb\rc");
  file.Set(1, "B");
  EXPECT_EQ(file.Bytes(), "a\nB\rc");
  file.Insert(1, {"neu"});
  EXPECT_EQ(file.Bytes(), "a\nneu\r\nB\rc");
  file.Erase(0, 2);
  EXPECT_EQ(file.Bytes(), "B\rc");
}

TEST(LineFileTest, LinesAfterAMissingFinalLineEndGetOne) {
  LineFile file("a\r\nb");
  file.Insert(2, {"c"});
  EXPECT_EQ(file.Bytes(), "a\r\nb\r\nc\r\n");
  // Lines go in before what follows a NUL, which the menu never reads.
  LineFile cut(std::string("a\0xyz", 5));
  cut.Insert(1, {"b"});
  EXPECT_EQ(cut.Bytes(), std::string("a\r\nb\r\n\0xyz", 10));
  EXPECT_EQ(SplitLines(cut.Bytes()), (LineList{"a", "b"}));
}

TEST(LineFileTest, LineEndsThatWouldChangeWhatTheMenuReadsAreWrittenAsCrLf) {
  // An empty last line without a line end would vanish: the record that lost
  // its empty sixth line.
  LineFile last("a\r\nb");
  last.Set(1, "");
  EXPECT_EQ(last.Bytes(), "a\r\n\r\n");
  EXPECT_EQ(SplitLines(last.Bytes()), (LineList{"a", ""}));

  // A line ended by CR before an empty line ended by LF would be read as one
  // line ended by CR LF.
  LineFile blocks("x\rz\r\n\ny\r\n");
  blocks.ReorderBlocks(1, {0, 2, 1, 3});
  EXPECT_EQ(SplitLines(blocks.Bytes()), (LineList{"x", "", "z", "y"}));
  EXPECT_EQ(blocks.Bytes(), "x\r\n\nz\r\ny\r\n");
}

TEST(LineFileTest, BlocksMoveWithTheirLineEndsAndTheLinesAfterTheLastBlockStay) {
  LineFile file("a1\na2\r\nb1\rb2\r\nrest");
  file.ReorderBlocks(2, {1, 0});
  EXPECT_EQ(file.Bytes(), "b1\rb2\r\na1\na2\r\nrest");
  file.ReorderBlocks(2, {1});
  EXPECT_EQ(file.Bytes(), "a1\na2\r\nrest");
  EXPECT_THROW(file.ReorderBlocks(2, {0, 0}), std::out_of_range);
  EXPECT_THROW(file.ReorderBlocks(2, {1}), std::out_of_range);
}

TEST(LineFileTest, TextThatCantStandAsOneLineIsRefused) {
  LineFile file("a\r\n");
  EXPECT_THROW(file.Set(0, "x\ry"), std::invalid_argument);
  EXPECT_THROW(file.Insert(0, {"ok", "x\ny"}), std::invalid_argument);
  EXPECT_THROW(file.Set(0, std::string("x\0y", 3)), std::invalid_argument);
  EXPECT_EQ(file.Bytes(), "a\r\n");
  EXPECT_FALSE(FitsOnOneLine("a\n"));
  EXPECT_TRUE(FitsOnOneLine("Gr\xFC\xDF" "e \t"));
}

}  // namespace
}  // namespace pandor
