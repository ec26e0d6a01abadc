#include "base/whole_number.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string_view>

namespace kvitmark::base {
namespace {

constexpr WholeNumberRules kExact{};
constexpr WholeNumberRules kPlus{.plusSign = true};
constexpr WholeNumberRules kAtoi{.plusSign = true, .trailingText = true};

struct WholeNumberCase {
  std::string_view text;
  WholeNumberRules rules;
  std::optional<int> expected;
};

class WholeNumberCases : public ::testing::TestWithParam<WholeNumberCase> {};

TEST_P(WholeNumberCases, ReadsOnlyWhatTheRulesAllow) {
  EXPECT_EQ(WholeNumber(GetParam().text, GetParam().rules), GetParam().expected)
      << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WholeNumberCases,
    ::testing::Values(
        WholeNumberCase{"9600", kExact, 9600}, WholeNumberCase{"0", kExact, 0},
        WholeNumberCase{"-12", kExact, -12}, WholeNumberCase{"007", kExact, 7},
        WholeNumberCase{"+12", kExact, std::nullopt}, WholeNumberCase{"", kExact, std::nullopt},
        WholeNumberCase{"-", kExact, std::nullopt}, WholeNumberCase{" 12", kExact, std::nullopt},
        WholeNumberCase{"12 ", kExact, std::nullopt},
        WholeNumberCase{"12abc", kExact, std::nullopt},
        WholeNumberCase{"1.5", kExact, std::nullopt}, WholeNumberCase{"--1", kExact, std::nullopt},
        WholeNumberCase{"2147483647", kExact, INT_MAX},
        WholeNumberCase{"-2147483648", kExact, INT_MIN},
        WholeNumberCase{"2147483648", kExact, std::nullopt},
        WholeNumberCase{"-2147483649", kExact, std::nullopt},
        WholeNumberCase{"99999999999999999999", kExact, std::nullopt},
        WholeNumberCase{"+12", kPlus, 12}, WholeNumberCase{"+", kPlus, std::nullopt},
        WholeNumberCase{"+-0", kPlus, std::nullopt}, WholeNumberCase{"12x", kPlus, std::nullopt},
        WholeNumberCase{"9600abc", kAtoi, 9600}, WholeNumberCase{"-5;", kAtoi, -5},
        WholeNumberCase{"+7 ", kAtoi, 7}, WholeNumberCase{"abc", kAtoi, std::nullopt},
        WholeNumberCase{" 12", kAtoi, std::nullopt},
        WholeNumberCase{"99999999999x", kAtoi, std::nullopt}));

}  // namespace
}  // namespace kvitmark::base
