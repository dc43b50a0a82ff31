#include <gtest/gtest.h>

#include "menu/strict_integer.h"

namespace pandor {
namespace {

struct IntegerCase {
  const char* text;
  std::optional<int32_t> value;
};

class StrictIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(StrictIntegerTest, ReadsOnlyTheSettingsNotation) {
  EXPECT_EQ(ParseStrictInteger(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, StrictIntegerTest,
    ::testing::Values(IntegerCase{"0", 0}, IntegerCase{"255", 255}, IntegerCase{"+17", 17}, IntegerCase{"-17", -17},
                      IntegerCase{"   42", 42}, IntegerCase{"007", 7}, IntegerCase{"2147483647", 2147483647},
                      IntegerCase{"-2147483648", INT32_MIN}, IntegerCase{"2147483648", std::nullopt},
                      IntegerCase{"-2147483649", std::nullopt}, IntegerCase{"99999999999999999999", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, StrictIntegerTest,
    ::testing::Values(IntegerCase{"$FF", 255}, IntegerCase{"$000000FF", 255}, IntegerCase{"xff", 255},
                      IntegerCase{"Xff", 255}, IntegerCase{"0x1F", 31}, IntegerCase{"0X1f", 31},
                      IntegerCase{"$FFFFFFFF", -1}, IntegerCase{"$80000000", INT32_MIN},
                      IntegerCase{" $10", 16}, IntegerCase{"$100000000", std::nullopt},
                      IntegerCase{"$000000000000FF", 255}));

INSTANTIATE_TEST_SUITE_P(
    Errors, StrictIntegerTest,
    ::testing::Values(IntegerCase{"", std::nullopt}, IntegerCase{"   ", std::nullopt},
                      IntegerCase{"255 ", std::nullopt}, IntegerCase{"\t255", std::nullopt},
                      IntegerCase{"-$10", std::nullopt}, IntegerCase{"+$10", std::nullopt},
                      IntegerCase{"- 1", std::nullopt}, IntegerCase{"-", std::nullopt}, IntegerCase{"$", std::nullopt},
                      IntegerCase{"0x", std::nullopt}, IntegerCase{"$G", std::nullopt},
                      IntegerCase{"1e3", std::nullopt}, IntegerCase{"12a", std::nullopt},
                      IntegerCase{"0x-1", std::nullopt}, IntegerCase{"x 1", std::nullopt}));

}  // namespace
}  // namespace pandor
