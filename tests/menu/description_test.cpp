#include <gtest/gtest.h>

#include "menu/description.h"

namespace pandor {
namespace {

TEST(DescriptionTextTest, EveryLineEndBecomesALineBreak) {
  EXPECT_EQ(DescriptionText("a\r\nb\nc\rd"), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(DescriptionText("a\n\rb"), "a\r\n\r\nb");
  EXPECT_EQ(DescriptionText("a\r\rb"), "a\r\n\r\nb");
  EXPECT_EQ(DescriptionText(""), "");
}

TEST(DescriptionTextTest, FinalLineEndShowsAsAnEmptyLastLine) {
  EXPECT_EQ(DescriptionText("Zeile\r\n"), "Zeile\r\n");
  EXPECT_EQ(DescriptionText("Zeile\n"), "Zeile\r\n");
}

TEST(DescriptionTextTest, TextEndsAtTheFirstNul) {
  EXPECT_EQ(DescriptionText(std::string("vorher\r\n\0nachher", 17)), "vorher\r\n");
  EXPECT_EQ(DescriptionText(std::string("\0", 1)), "");
}

TEST(DescriptionTextTest, BytesOtherThanLineEndsAreKept) {
  EXPECT_EQ(DescriptionText("Gr\xFC\xDF" "e\t \x85"), "Gr\xFC\xDF" "e\t \x85");
}

}  // namespace
}  // namespace pandor
