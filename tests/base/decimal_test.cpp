#include "base/decimal.h"

#include <gtest/gtest.h>

namespace kvitmark::base {
namespace {

struct DecimalCase {
  const char* text;
  int places;
  const char* expected;  // nullptr: not a number
};

class RoundDecimalCases : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(RoundDecimalCases, RoundHalfAwayFromZeroInDecimal) {
  const auto result = RoundDecimal(GetParam().text, GetParam().places);
  if (GetParam().expected == nullptr) {
    EXPECT_FALSE(result.has_value()) << GetParam().text;
  } else {
    ASSERT_TRUE(result.has_value()) << GetParam().text;
    EXPECT_EQ(*result, GetParam().expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    PricesAndQuantities, RoundDecimalCases,
    ::testing::Values(
        DecimalCase{"12.5", 2, "12.50"}, DecimalCase{"12", 2, "12.00"},
        DecimalCase{"123456.789", 2, "123456.79"}, DecimalCase{"99999.99", 2, "99999.99"},
        DecimalCase{"99999.99", 3, "99999.990"}, DecimalCase{"0.005", 2, "0.01"},
        DecimalCase{"0.004", 2, "0.00"}, DecimalCase{"-0.005", 2, "-0.01"},
        DecimalCase{"-0.004", 2, "0.00"}, DecimalCase{"9.995", 2, "10.00"},
        DecimalCase{"999.9995", 3, "1000.000"}, DecimalCase{"  7.1  ", 2, "7.10"},
        DecimalCase{"+3", 3, "3.000"}, DecimalCase{"007.50", 2, "7.50"},
        DecimalCase{".5", 2, "0.50"}, DecimalCase{"5.", 2, "5.00"}, DecimalCase{"0", 3, "0.000"},
        DecimalCase{"123456789012345678901234567890.125", 2, "123456789012345678901234567890.13"},
        DecimalCase{"12,5", 2, nullptr}, DecimalCase{"1.2.3", 2, nullptr},
        DecimalCase{"abc", 2, nullptr}, DecimalCase{"", 2, nullptr}, DecimalCase{"   ", 2, nullptr},
        DecimalCase{".", 2, nullptr}, DecimalCase{"-", 2, nullptr}, DecimalCase{"1e5", 2, nullptr},
        DecimalCase{"1 2", 2, nullptr}, DecimalCase{"--1", 2, nullptr}));

}  // namespace
}  // namespace kvitmark::base
