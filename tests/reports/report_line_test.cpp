// From the register's answer for a record to the line of a report file.
#include "reports/report_line.h"

#include <gtest/gtest.h>

#include "base/cp1251.h"

namespace kvitmark::reports {
namespace {

struct LineCase {
  const char* name;
  const char* answer;  // UTF-8, sent to the line code as code page 1251
  char separator;
  const char* line;  // UTF-8
};

class ReportLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(ReportLines, DropTheTableNumberAndTheClosingSemicolon) {
  const LineCase& c = GetParam();
  EXPECT_EQ(ReportLine(base::Cp1251(c.answer), c.separator), base::Cp1251(c.line));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ReportLines,
    ::testing::Values(
        LineCase{"CommaReplacesEverySemicolon", "74;7;Отдел 7;120.50;", ',', "7,Отдел 7,120.50"},
        LineCase{"SemicolonKeepsTheFields", "74;7;Отдел 7;120.50;", ';', "7;Отдел 7;120.50"},
        LineCase{"TabSeparator", "78;1;1250.30;208.38;", '\t', "1\t1250.30\t208.38"},
        LineCase{"SemicolonInsideAFieldIsReplacedToo", "83;1;ДТ;40;2;", '|', "1|ДТ|40|2"},
        LineCase{"LastCharacterDroppedWhateverItIs", "74;7;Отдел 7;120.50", ',', "7,Отдел 7,120.5"},
        LineCase{"RecordNumberOnly", "74;7;", ',', "7"}, LineCase{"NoSemicolon", "E2", ',', ""},
        LineCase{"Empty", "", ',', ""}, LineCase{"OnlyASemicolon", ";", ',', ""},
        LineCase{"NothingAfterTheFirstSemicolon", "74;", ',', ""},
        LineCase{"OneCharacterAfterTheFirstSemicolon", "74;7", ',', ""},
        LineCase{"TwoSemicolons", ";;", ',', ""},
        LineCase{"ByteFFIsALetterNotAnEnd", "75;3;я;", ',', "3,я"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kvitmark::reports
