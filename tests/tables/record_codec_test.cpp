// Answers into rows and fields, rows and fields into record texts.
#include "tables/record_codec.h"

#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "tables/catalogue.h"
#include "tables/workspace.h"

namespace kvitmark::tables {
namespace {

using base::Cp1251;

class CodecTest : public ::testing::Test {
 protected:
  CodecTest() { PrepareGrids(workspace); }
  Workspace workspace;
};

TEST_F(CodecTest, Decode_RowWithItsNumber_KeepsTheNumberCell) {
  GridTable& grid = workspace.Grid(PageId::kDepartments);
  EXPECT_EQ(DecodeGridRecord(PageId::kDepartments, 12, Cp1251("10;12;Відділ 12;"), grid),
            DecodeResult::kAccepted);
  EXPECT_EQ(grid.Cell(0, 12), "12");
  EXPECT_EQ(grid.Cell(1, 12), Cp1251("Відділ 12"));
  grid.SetCell(0, 12, "");
  DecodeGridRecord(PageId::kDepartments, 12, Cp1251("10;12;Відділ 12;"), grid);
  EXPECT_EQ(grid.Cell(0, 12), "12") << "an empty number cell takes the record number";
  grid.SetCell(0, 13, "13");
  DecodeGridRecord(PageId::kDepartments, 13, "10;99;x;", grid);
  EXPECT_EQ(grid.Cell(0, 13), "13") << "not compared with the record asked for";
}

struct DecodeCase {
  const char* name;
  int page;
  const char* answer;
  DecodeResult result;
  std::vector<std::string> cells;  // columns 1 … after decoding; "*" keeps "old"
};

class DecodeRows : public CodecTest, public ::testing::WithParamInterface<DecodeCase> {};

TEST_P(DecodeRows, FillTheCellsTheAnswerCarries) {
  GridTable& grid = workspace.Grid(PageAt(GetParam().page));
  for (int column = 1; column <= 12; ++column) grid.SetCell(column, 1, "old");
  EXPECT_EQ(DecodeGridRecord(PageAt(GetParam().page), 1, GetParam().answer, grid),
            GetParam().result);
  for (size_t i = 0; i < GetParam().cells.size(); ++i) {
    const std::string expected = GetParam().cells[i] == "*" ? "old" : GetParam().cells[i];
    EXPECT_EQ(grid.Cell(static_cast<int>(i) + 1, 1), expected) << "column " << i + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DecodeRows,
    ::testing::Values(
        DecodeCase{"EmptyNumberShowsZero",
                   2,
                   "9;1;1;1;;1;0;",
                   DecodeResult::kAccepted,
                   {"1", "1", "0", "1", "0"}},
        DecodeCase{"EmptyTextStaysEmpty", 3, "10;1;;", DecodeResult::kAccepted, {"", "*"}},
        DecodeCase{"BlanksAreKept", 3, "10;1;  a b ;", DecodeResult::kAccepted, {"  a b "}},
        DecodeCase{"GoodsWithEleventhField",
                   0,
                   "0;1;1;N;0.00;0.000;1;1;1;1;0;0;77;",
                   DecodeResult::kAccepted,
                   {"1", "N", "0.00", "0.000", "1", "1", "1", "1", "0", "0", "77", "*"}},
        DecodeCase{"GoodsWithTwelveFieldsRefusedAfterEleven",
                   0,
                   "0;1;1;N;0.00;0.000;1;1;1;1;0;0;77;88;",
                   DecodeResult::kRefused,
                   {"1", "N", "0.00", "0.000", "1", "1", "1", "1", "0", "0", "77", "*"}},
        DecodeCase{"UnterminatedLastFieldIsNotTaken",
                   0,
                   "0;1;1;Товар1;0.00",
                   DecodeResult::kAccepted,
                   {"1", "Товар1", "*", "*"}},
        DecodeCase{
            "FewerFieldsLeaveTheRest", 1, "3;1;5;", DecodeResult::kAccepted, {"5", "*", "*"}},
        DecodeCase{
            "NoSemicolonChangesNothing", 1, "garbage", DecodeResult::kAccepted, {"*", "*", "*"}},
        DecodeCase{"EmptyAnswerChangesNothing", 1, "", DecodeResult::kAccepted, {"*"}},
        DecodeCase{
            "SecondFieldOnDepartmentsRefused", 3, "10;1;a;b;", DecodeResult::kRefused, {"a", "*"}},
        DecodeCase{
            "SocialHelpTakesOneName", 21, "108;1;Допомога;", DecodeResult::kAccepted, {"Допомога"}},
        DecodeCase{"SocialHelpRefusesTwo", 21, "108;1;a;b;", DecodeResult::kRefused, {"a"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CodecTest, Decode_CommissionsTakeThirtyTwoFieldsAndRefuseMore) {
  std::string answer = "100;1;";
  for (int i = 1; i <= 32; ++i) answer += std::to_string(i) + ";";
  GridTable& grid = workspace.Grid(PageId::kCommissions);
  EXPECT_EQ(DecodeGridRecord(PageId::kCommissions, 1, answer, grid), DecodeResult::kAccepted);
  EXPECT_EQ(grid.Cell(32, 1), "32");
  EXPECT_EQ(DecodeGridRecord(PageId::kCommissions, 1, answer + "33;", grid),
            DecodeResult::kRefused);
}

TEST_F(CodecTest, DecodeParameters_EmptyFieldsAndShortAnswers) {
  ParameterPage& cash = workspace.Parameters(PageId::kCashParameters);
  for (auto& field : cash.fields) field = "old";
  DecodeParameterRecord(PageId::kCashParameters, "2;1;1;0;;3;4;5;6;7;8;9;10;", cash);
  EXPECT_EQ(cash.fields[0], "1");
  EXPECT_EQ(cash.fields[2], "") << "taken unchanged, empty included";
  EXPECT_EQ(cash.fields[10], "10");
  EXPECT_EQ(cash.fields[11], "old") << "an answer of eleven fields leaves the adapter";
  EXPECT_EQ(cash.fields[12], "old");

  ParameterPage& postal = workspace.Parameters(PageId::kPostalParameters);
  DecodeParameterRecord(PageId::kPostalParameters, "97;1;;5;", postal);
  EXPECT_EQ(postal.fields[0], "0") << "the postal page shows an empty field as 0";
  EXPECT_EQ(postal.fields[1], "5");
}

TEST_F(CodecTest, Encode_GoodsExampleAndEmptyRow) {
  GridTable& goods = workspace.Grid(PageId::kGoods);
  const std::vector<std::string> row = {"7", Cp1251("Хлеб"), "12.5", "", "1", "2", "1", "0", "0",
                                        ""};
  for (size_t i = 0; i < row.size(); ++i) goods.SetCell(static_cast<int>(i) + 1, 7, row[i]);
  EXPECT_EQ(EncodeGridRow(PageId::kGoods, goods, 7).text,
            Cp1251("7;Хлеб;12.50;0.000;1;2;1;0;0;0;"));
  EXPECT_EQ(EncodeGridRow(PageId::kGoods, goods, 8).text, ";;0.00;0.000;;;;;;0;");
}

struct EncodeCase {
  const char* name;
  int page;
  std::vector<std::string> cells;  // columns 1 …
  const char* expected;
};

class EncodeRows : public CodecTest, public ::testing::WithParamInterface<EncodeCase> {};

TEST_P(EncodeRows, GiveTheRecordText) {
  GridTable& grid = workspace.Grid(PageAt(GetParam().page));
  for (size_t i = 0; i < GetParam().cells.size(); ++i) {
    grid.SetCell(static_cast<int>(i) + 1, 1, GetParam().cells[i]);
  }
  const auto encoded = EncodeGridRow(PageAt(GetParam().page), grid, 1);
  ASSERT_TRUE(encoded.ok());
  EXPECT_EQ(encoded.text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, EncodeRows,
    ::testing::Values(
        EncodeCase{"PriceRoundsInDecimal",
                   0,
                   {"1", "x", "123456.789", "99999.99"},
                   "1;x;123456.79;99999.990;;;;;;0;"},
        EncodeCase{"BarcodeCutTo13",
                   0,
                   {"", "", "", "", "", "", "", "", "", "12345678901234567"},
                   ";;0.00;0.000;;;;;;1234567890123;"},
        EncodeCase{"OperatorCuts",
                   1,
                   {"123456789", std::string(25, 'n'), "01"},
                   "12345678;nnnnnnnnnnnnnnnnnnnn;0;"},
        EncodeCase{"PaymentFlags", 2, {"", " 1", "Готівка", "10", "1"}, "0; ;Готівка;1;1;"},
        EncodeCase{"DepartmentCutTo22", 3, {std::string(30, 'd')}, "dddddddddddddddddddddd;"},
        EncodeCase{"HeaderKeepsLeadingBlanks",
                   4,
                   {"   " + std::string(40, 'h')},
                   "   hhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhh;"},
        EncodeCase{"RefundNames", 9, {"Повернення", "12"}, "Повернення;1;"},
        EncodeCase{"Payments",
                   11,
                   {" 5 ", "26001234567890123456789", "0123456789abcdefXYZ", "", " 3", "", "1", ""},
                   "5;26001234567890123456;0123456789abcdef;0;3;0;1;;"},
        EncodeCase{"CommissionEmptyIsZero",
                   13,
                   {"1", ""},
                   "1;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;"
                   "0;0;0;0;0;0;0;0;0;0;0;0;"},
        EncodeCase{"AttributesOneEmptyStaysEmpty", 14, {" a ", ""}, "a;;;;;;;;;;;;;;;;;;;;"},
        EncodeCase{"AttributesTwoEmptyIsZero",
                   15,
                   {" a ", ""},
                   "a;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;"},
        EncodeCase{"MessageCodeNumber", 16, {" 7 "}, "7;"},
        EncodeCase{"CurrencyAsIs", 18, {" Євро "}, " Євро ;"},
        EncodeCase{"SocialHelpAsIs", 21, {" Допомога "}, " Допомога ;"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CodecTest, Encode_PriceOrQuantityThatIsNotANumber_NamesTheColumn) {
  GridTable& goods = workspace.Grid(PageId::kGoods);
  goods.SetCell(3, 1, "12,5");
  auto encoded = EncodeGridRow(PageId::kGoods, goods, 1);
  EXPECT_FALSE(encoded.ok());
  EXPECT_EQ(encoded.column, 3);
  goods.SetCell(3, 1, "1");
  goods.SetCell(4, 1, "two");
  encoded = EncodeGridRow(PageId::kGoods, goods, 1);
  EXPECT_EQ(encoded.column, 4);
}

TEST_F(CodecTest, EncodeParameters_TrimsEveryFieldAndLeavesOutEdit37) {
  ParameterPage& service = workspace.Parameters(PageId::kServiceParameters);
  for (auto& field : service.fields) field = " 5 ";
  service.fields[1] = "";
  service.fields.back() = "not in the record";
  EXPECT_EQ(EncodeParameterPage(PageId::kServiceParameters, service), "5;;5;5;5;5;5;5;5;5;5;");
  EXPECT_EQ(EncodeParameterPage(PageId::kNumerators, workspace.Parameters(PageId::kNumerators)),
            ";;;;;;;;;;");
}

}  // namespace
}  // namespace kvitmark::tables
