// The word after a number agrees with it: the numbers that trip a naive rule (11–14, the
// twenties, hundreds) and both ends of the range.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "base/cp1251.h"
#include "base/message.h"

namespace kvitmark::base {
namespace {

const CountedPattern kRecords{KV_PATTERN("backup", "%1 запись"), KV_PATTERN("backup", "%1 записи"),
                              KV_PATTERN("backup", "%1 записей")};
const CountedPattern kRecordsGenitive{KV_PATTERN("test", "не записаны %1 записи"),
                                      KV_PATTERN("test", "не записаны %1 записей"),
                                      KV_PATTERN("test", "не записаны %1 записей")};

struct CountCase {
  long long count;
  const char* nominative;
  const char* genitive;
};

class CountFormCases : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountFormCases, AgreesWithTheNumber) {
  const CountCase& c = GetParam();
  const std::string number = std::to_string(c.count);
  EXPECT_EQ(RenderCp1251(Message::Counted(c.count, kRecords)), Cp1251(number + ' ' + c.nominative));
  EXPECT_EQ(RenderCp1251(Message::Counted(c.count, kRecordsGenitive)),
            Cp1251("не записаны " + number + ' ' + c.genitive));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, CountFormCases,
    ::testing::Values(CountCase{0, "записей", "записей"}, CountCase{1, "запись", "записи"},
                      CountCase{2, "записи", "записей"}, CountCase{3, "записи", "записей"},
                      CountCase{4, "записи", "записей"}, CountCase{5, "записей", "записей"},
                      CountCase{10, "записей", "записей"}, CountCase{11, "записей", "записей"},
                      CountCase{12, "записей", "записей"}, CountCase{13, "записей", "записей"},
                      CountCase{14, "записей", "записей"}, CountCase{15, "записей", "записей"},
                      CountCase{20, "записей", "записей"}, CountCase{21, "запись", "записи"},
                      CountCase{22, "записи", "записей"}, CountCase{24, "записи", "записей"},
                      CountCase{25, "записей", "записей"}, CountCase{100, "записей", "записей"},
                      CountCase{101, "запись", "записи"}, CountCase{111, "записей", "записей"},
                      CountCase{112, "записей", "записей"}, CountCase{121, "запись", "записи"},
                      CountCase{1004, "записи", "записей"}, CountCase{1011, "записей", "записей"},
                      CountCase{14000, "записей", "записей"}, CountCase{-1, "запись", "записи"},
                      CountCase{-12, "записей", "записей"}, CountCase{-22, "записи", "записей"},
                      CountCase{LLONG_MAX, "записей", "записей"},  // …807
                      CountCase{LLONG_MIN, "записей", "записей"}));

}  // namespace
}  // namespace kvitmark::base
