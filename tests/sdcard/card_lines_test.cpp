// One line of upload.art or sales.art into its fields: the leading field, line ends, the
// name's space substitutes and lines with too few or too many separators.
#include "sdcard/card_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/cp1251.h"
#include "sdcard/space_substitute.h"

namespace kvitmark::sdcard {
namespace {

using base::Cp1251;
using Fields = std::vector<std::string>;

struct LineCase {
  const char* name;
  std::string line;
  Fields fields;
};

std::string CaseName(const ::testing::TestParamInfo<LineCase>& info) { return info.param.name; }

class UploadLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(UploadLines, GiveTheirTenGoodsFields) {
  EXPECT_EQ(ParseUploadLine(GetParam().line), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UploadLines,
    ::testing::Values(
        LineCase{"NameWithSubstituteGetsItsSpaceBack",
                 Cp1251("17;1001;Хлеб") + "\x96" + Cp1251("белый;5.50;0.000;1;1;1;1;0;777;\r\n"),
                 {"1001", Cp1251("Хлеб белый"), "5.50", "0.000", "1", "1", "1", "1", "0", "777"}},
        LineCase{"EverySubstituteInTheNameBecomesASpace",
                 "1;2;\x96"
                 "a\x96\x96"
                 "b\x96;3;4;5;6;7;8;9;10;\n",
                 {"2", " a  b ", "3", "4", "5", "6", "7", "8", "9", "10"}},
        LineCase{"SubstitutesOutsideTheNameStay",
                 "1;\x96;n;\x96;4;5;6;7;8;9;\x96;\r\n",
                 {"\x96", "n", "\x96", "4", "5", "6", "7", "8", "9", "\x96"}},
        LineCase{"LastFieldWithoutItsSeparatorEndsAtTheLineEnd",
                 "x;1;A;2;3;4;5;6;7;8;999\r\n",
                 {"1", "A", "2", "3", "4", "5", "6", "7", "8", "999"}},
        LineCase{"LastFieldAtTheEndOfTheFileWithoutLineEnd",
                 "x;1;A;2;3;4;5;6;7;8;999",
                 {"1", "A", "2", "3", "4", "5", "6", "7", "8", "999"}},
        LineCase{"WhatFollowsTheTenthFieldIsIgnored",
                 "x;1;2;3;4;5;6;7;8;9;10;11;12;\r\n",
                 {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
        LineCase{"EmptyLeadingFieldAndEmptyFields",
                 ";;;;;;;;;;;\r\n",
                 {"", "", "", "", "", "", "", "", "", ""}},
        LineCase{"SpacesInFieldsAreKept",
                 "x; 1 ;a b;2;3;4;5;6;7;8; 9 ;\r\n",
                 {" 1 ", "a b", "2", "3", "4", "5", "6", "7", "8", " 9 "}},
        LineCase{"TooFewSeparatorsLeaveTheMissingFieldsEmpty",
                 Cp1251("17;1001;Хлеб;5.50\r\n"),
                 {"1001", Cp1251("Хлеб"), "5.50", "", "", "", "", "", "", ""}},
        LineCase{"TooFewSeparatorsEndingInOne",
                 "17;1001;B;\n",
                 {"1001", "B", "", "", "", "", "", "", "", ""}},
        LineCase{"NoSeparatorAtAllIsOnlyTheLeadingField",
                 "1001\r\n",
                 {"", "", "", "", "", "", "", "", "", ""}},
        LineCase{"LineEndInTheLastTwoPlacesOfAFieldEndsIt",
                 "x;ab\r;cd\n;e\rfg;g\r\r;h;i;j;k;l;m;\n",
                 {"ab", "cd", "e\rfg", "g", "h", "i", "j", "k", "l", "m"}},
        LineCase{
            "LineOfMoreThan199Characters",
            "x;" + std::string(150, '1') + ";" + std::string(150, 'N') + ";3;4;5;6;7;8;9;Z;\r\n",
            {std::string(150, '1'), std::string(150, 'N'), "3", "4", "5", "6", "7", "8", "9",
             "Z"}}),
    CaseName);

class SalesLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(SalesLines, GiveTheirSixSalesFields) {
  EXPECT_EQ(ParseSalesLine(GetParam().line), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SalesLines,
    ::testing::Values(
        LineCase{"WithoutTrailingSeparator",
                 "1;0;12;66.00;1;5.50;0.00",
                 {"0", "12", "66.00", "1", "5.50", "0.00"}},
        LineCase{"WithoutTrailingSeparatorBeforeCrLf",
                 "1;0;12;66.00;1;5.50;0.00\r\n",
                 {"0", "12", "66.00", "1", "5.50", "0.00"}},
        LineCase{
            "WithTrailingSeparatorAndMore", "7;a;b;c;d;e;f;g;h;\n", {"a", "b", "c", "d", "e", "f"}},
        LineCase{"LeadingSeparatorBelongsToTheLeadingField",
                 ";;a;b;c;d;e;f;\r\n",
                 {"a", "b", "c", "d", "e", "f"}},
        LineCase{"OneLongLeadingField", "12345;a;b;c;d;e;f\r\n", {"a", "b", "c", "d", "e", "f"}},
        LineCase{"TooFewSeparatorsLeaveTheMissingFieldsEmpty",
                 "1;0;12\r\n",
                 {"0", "12", "", "", "", ""}},
        LineCase{"OnlyASeparator", ";\r\n", {"", "", "", "", "", ""}},
        LineCase{"EmptyText", "", {"", "", "", "", "", ""}},
        LineCase{"SubstitutesAreNotTouched",
                 "1;\x96;b;c;d;e;f;\r\n",
                 {"\x96", "b", "c", "d", "e", "f"}}),
    CaseName);

struct NameCase {
  const char* name;
  std::string spaced;
  std::string substituted;
};

class SpaceSubstitutes : public ::testing::TestWithParam<NameCase> {};

TEST_P(SpaceSubstitutes, TurnEverySpaceIntoTheSubstituteAndBack) {
  EXPECT_EQ(WithSpaceSubstitutes(GetParam().spaced), GetParam().substituted);
  EXPECT_EQ(WithSpaces(GetParam().substituted), GetParam().spaced);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpaceSubstitutes,
                         ::testing::Values(NameCase{"TwoWords", Cp1251("Хлеб белый"),
                                                    Cp1251("Хлеб") + "\x96" + Cp1251("белый")},
                                           NameCase{"ThreeSpaces", " a  b",
                                                    "\x96"
                                                    "a\x96\x96"
                                                    "b"},
                                           NameCase{"NoSpace", Cp1251("Молоко"), Cp1251("Молоко")},
                                           NameCase{"Empty", "", ""},
                                           NameCase{"OtherBytesStay", "a\tb\x97;", "a\tb\x97;"}),
                         [](const ::testing::TestParamInfo<NameCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace kvitmark::sdcard
