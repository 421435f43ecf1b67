#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "fb/Error.h"
#include "fb/Value.h"

namespace {

struct DecimalText {
  fb::Decimal value;
  const char* text;
};

class DecimalToString : public ::testing::TestWithParam<DecimalText> {};

TEST_P(DecimalToString, WritesPlainDecimalNotation) {
  EXPECT_EQ(fb::toString(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DecimalToString,
    ::testing::Values(DecimalText{{123456789012345, -2}, "1234567890123.45"},
                      DecimalText{{-1, -4}, "-0.0001"}, DecimalText{{0, -2}, "0.00"},
                      DecimalText{{5, 0}, "5"}, DecimalText{{-150, -2}, "-1.50"},
                      DecimalText{{std::numeric_limits<std::int64_t>::min(), -4},
                                  "-922337203685477.5808"}));

TEST(Value, TextForms) {
  EXPECT_EQ(fb::Value(fb::Date{2024, 4, 1}).toString(), "2024/04/01");
  EXPECT_EQ(fb::Value(fb::Time{9, 5, 7, 0}).toString(), "09:05:07");
  EXPECT_EQ(fb::Value(fb::Time{9, 5, 7, 25}).toString(), "09:05:07.0025");
  EXPECT_EQ(fb::Value().toString(), "");
  EXPECT_EQ(fb::Value(std::int64_t{-42}).toString(), "-42");
}

TEST(Value, AccessorOfAnotherKindThrows) {
  EXPECT_THROW(fb::Value("x").asInteger(), fb::UsageError);
  EXPECT_THROW(fb::Value().asText(), fb::UsageError);
}

}  // namespace
