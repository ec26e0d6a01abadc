// Table file lines into fields: what is placed where, and how a file that is not what its
// kind says ends the reading.
#include "files/table_file_reader.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace kvitmark::files {
namespace {

struct Placed {
  std::map<std::pair<int, int>, std::string> cells;  // (row, column)
  PlaceRow Sink() {
    return [this](int row, const std::vector<std::string_view>& fields) {
      for (size_t i = 0; i < fields.size(); ++i) {
        cells[{row, static_cast<int>(i) + 1}] = std::string(fields[i]);
      }
    };
  }
  bool Has(int row, int column) const { return cells.count({row, column}) > 0; }
  const std::string& At(int row, int column) const { return cells.at({row, column}); }
};

std::string Lines(int count, const std::string& line) {
  std::string text;
  for (int i = 0; i < count; ++i) text += line;
  return text;
}

TEST(ReadGridFile, CompleteFileWithCrLfAndLf) {
  std::istringstream in("1;A;\r\n2;B;\n3;C;\r\n");
  Placed placed;
  int rows = 0;
  const auto result = ReadGridFile(in, 3, 2, placed.Sink(), [&] { ++rows; });
  EXPECT_EQ(result.outcome, ReadOutcome::kComplete);
  EXPECT_EQ(rows, 3);
  EXPECT_EQ(placed.At(2, 2), "B");
  EXPECT_EQ(placed.At(3, 1), "3");
}

struct GridCase {
  const char* name;
  std::string file;
  int records;
  int fields;
  ReadOutcome outcome;
  int placedRecords;
  std::vector<std::tuple<int, int, std::string>> cells;  // row, column, text ("" allowed)
  std::vector<std::pair<int, int>> untouched;
};

class GridFiles : public ::testing::TestWithParam<GridCase> {};

TEST_P(GridFiles, PlaceTheirFieldsAndEndAsTheyShould) {
  std::istringstream in(GetParam().file);
  Placed placed;
  const auto result = ReadGridFile(in, GetParam().records, GetParam().fields, placed.Sink());
  EXPECT_EQ(result.outcome, GetParam().outcome);
  EXPECT_EQ(result.recordsPlaced, GetParam().placedRecords);
  for (const auto& [row, column, text] : GetParam().cells) {
    ASSERT_TRUE(placed.Has(row, column)) << row << "," << column;
    EXPECT_EQ(placed.At(row, column), text) << row << "," << column;
  }
  for (const auto& [row, column] : GetParam().untouched) {
    EXPECT_FALSE(placed.Has(row, column)) << row << "," << column;
  }
}

const std::string kGoodsLine = "1;Tovar1;0.00;0.000;1;1;1;1;0;0;\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, GridFiles,
    ::testing::Values(
        GridCase{"OneLineShortOfTheRecords",
                 Lines(13999, kGoodsLine),
                 14000,
                 10,
                 ReadOutcome::kEarlyEnd,
                 13999,
                 {{13999, 10, "0"}},
                 {{14000, 1}}},
        GridCase{"OneLineMoreThanTheRecords",
                 Lines(14000, kGoodsLine) + "x;y;\r\n",
                 14000,
                 10,
                 ReadOutcome::kComplete,
                 14000,
                 {{14000, 2, "Tovar1"}},
                 {}},
        GridCase{"EmptyLineInTheMiddle",
                 "a;\r\n\r\nc;\r\n",
                 3,
                 1,
                 ReadOutcome::kEarlyEnd,
                 1,
                 {{1, 1, "a"}},
                 {{2, 1}, {3, 1}}},
        GridCase{"BareLfEmptyLine", "a;\n\n", 2, 1, ReadOutcome::kEarlyEnd, 1, {}, {{2, 1}}},
        GridCase{"LastFieldWithoutItsSemicolon",
                 "1;Tovar1;0.00;0.000;1;1;1;1;0;0\r\n",
                 1,
                 10,
                 ReadOutcome::kComplete,
                 1,
                 {{1, 10, "0"}, {1, 2, "Tovar1"}},
                 {}},
        GridCase{"LastLineWithoutLineEnd",
                 "a;\r\nb",
                 2,
                 1,
                 ReadOutcome::kComplete,
                 2,
                 {{2, 1, "b"}},
                 {}},
        GridCase{"NineFieldsGiveAnEmptyTenth",
                 "1;2;3;4;5;6;7;8;9;\r\n",
                 1,
                 10,
                 ReadOutcome::kComplete,
                 1,
                 {{1, 9, "9"}, {1, 10, ""}},
                 {}},
        GridCase{"EightFieldsAreTooFew",
                 "1;2;3;4;5;6;7;8;\r\n",
                 1,
                 10,
                 ReadOutcome::kTooFewFields,
                 0,
                 {{1, 8, "8"}, {1, 9, ""}},
                 {{1, 10}}},
        GridCase{"SpacesAreKept",
                 " a ;b\r\n",
                 1,
                 2,
                 ReadOutcome::kComplete,
                 1,
                 {{1, 1, " a "}, {1, 2, "b"}},
                 {}},
        GridCase{"ExtraFieldsAreIgnored",
                 "a;b;c;d;\r\n",
                 1,
                 2,
                 ReadOutcome::kComplete,
                 1,
                 {{1, 2, "b"}},
                 {{1, 3}}},
        GridCase{"FieldEndingInACrBeforeItsSemicolon",
                 "a\r;b;\r\n",
                 1,
                 2,
                 ReadOutcome::kComplete,
                 1,
                 {{1, 1, "a"}, {1, 2, "b"}},
                 {}},
        GridCase{"EmptyFile", "", 2, 1, ReadOutcome::kEarlyEnd, 0, {}, {{1, 1}}},
        GridCase{"NoRecordsToRead", "a;\r\n", 0, 10, ReadOutcome::kComplete, 0, {}, {{1, 1}}},
        // A long line is one record, not two.
        GridCase{"LineOf250Characters",
                 std::string(249, 'x') + ";\r\ny;\r\n",
                 2,
                 1,
                 ReadOutcome::kComplete,
                 2,
                 {{1, 1, std::string(249, 'x')}, {2, 1, "y"}},
                 {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadGridFile, TooFewFieldsReportsTheLine) {
  std::istringstream in("o;k;!;\r\n1;\r\n");
  Placed placed;
  const auto result = ReadGridFile(in, 2, 3, placed.Sink());
  ASSERT_EQ(result.outcome, ReadOutcome::kTooFewFields);
  EXPECT_EQ(result.offendingLine, "1;\r\n");
}

TEST(ReadGridFile, LineLongerThanAnyTableFileIsAFormatError) {
  std::istringstream in(std::string(kLongestLine + 10, 'x') + "\r\n");
  Placed placed;
  const auto result = ReadGridFile(in, 1, 1, placed.Sink());
  EXPECT_EQ(result.outcome, ReadOutcome::kFormatError);
  EXPECT_TRUE(placed.cells.empty());
}

struct ParameterCase {
  const char* name;
  std::string file;
  int fields;
  ReadOutcome outcome;
  std::vector<std::string> placed;
};

class ParameterFiles : public ::testing::TestWithParam<ParameterCase> {};

TEST_P(ParameterFiles, PlaceTheFirstLinesFields) {
  std::istringstream in(GetParam().file);
  std::vector<std::string> placed;
  const auto result =
      ReadParameterFile(in, GetParam().fields, [&](int field, std::string_view text) {
        EXPECT_EQ(field, static_cast<int>(placed.size()));
        placed.emplace_back(text);
      });
  EXPECT_EQ(result.outcome, GetParam().outcome);
  EXPECT_EQ(placed, GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ParameterFiles,
    ::testing::Values(
        ParameterCase{
            "FiveOfEight", "1;2;3;4;5;\r\n", 8, ReadOutcome::kComplete, {"1", "2", "3", "4", "5"}},
        ParameterCase{"ServiceLineOfTwelveTakesEleven",
                      "1;2;3;4;5;6;7;8;9;10;11;hidden;\r\n",
                      11,
                      ReadOutcome::kComplete,
                      {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}},
        ParameterCase{
            "LastWithoutSemicolonStaysOut", "a; b ;c\r\n", 3, ReadOutcome::kComplete, {"a", " b "}},
        ParameterCase{"EmptyFieldsTaken", ";;x;\r\n", 3, ReadOutcome::kComplete, {"", "", "x"}},
        ParameterCase{"OnlyTheFirstLine", "a;\r\nb;c;\r\n", 2, ReadOutcome::kComplete, {"a"}},
        ParameterCase{"EmptyFile", "", 3, ReadOutcome::kEarlyEnd, {}},
        ParameterCase{"LoneLineEnd", "\r\n1;2;\r\n", 3, ReadOutcome::kEarlyEnd, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kvitmark::files
