// The status bar's line on how an operation ended.
#include "tables/operation_outcome.h"

#include <gtest/gtest.h>

using namespace kvitmark;
using tables::OperationKind;
using tables::OperationResult;

namespace {

struct OutcomeCase {
  const char* name;
  OperationKind kind;
  int records;
  OperationResult result;
  int done;
  int skipped;
  long long milliseconds;
  const char* line;  // empty: the status bar keeps what it said
};

class OutcomeLines : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(OutcomeLines, SayWhatWasDoneOfWhatWasMeant) {
  const OutcomeCase& c = GetParam();
  tables::OperationSummary summary;
  summary.result = c.result;
  for (int record = 1; record <= c.done; ++record) summary.done.push_back(record);
  for (int record = 1; record <= c.skipped; ++record) summary.skipped.push_back(record);
  const auto line = tables::OutcomeLine({c.kind, tables::PageId::kGoods, 0, 0, c.records}, summary,
                                        base::Milliseconds(c.milliseconds));
  EXPECT_EQ(line ? base::RenderUtf8(*line) : std::string(), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, OutcomeLines,
    ::testing::Values(
        OutcomeCase{"whole_write", OperationKind::kWriteTable, 30, OperationResult::kDone, 30, 0,
                    10600, "Записано 30 из 30 записей, 11 с"},
        OutcomeCase{"read_of_one_record", OperationKind::kReadTable, 1, OperationResult::kDone, 1,
                    0, 200, "Прочитано 1 из 1 записи, 0 с"},
        OutcomeCase{"read_of_twenty_one", OperationKind::kReadTable, 21, OperationResult::kDone,
                    21, 0, 3000, "Прочитано 21 из 21 записи, 3 с"},
        OutcomeCase{"stopped_read", OperationKind::kReadTable, 14000, OperationResult::kStopped,
                    12, 0, 4000, "Прочитано не полностью: 12 из 14000 записей, 4 с"},
        OutcomeCase{"clear_with_a_skipped_record", OperationKind::kClearTable, 4,
                    OperationResult::kDone, 3, 1, 9000, "Очищено не полностью: 3 из 4 записей, 9 с"},
        OutcomeCase{"logo_read", OperationKind::kReadLogo, 0, OperationResult::kDone, 0, 0, 61000,
                    "Логотип прочитан, 61 с"},
        OutcomeCase{"refused_before_any_record", OperationKind::kWriteTable, 0,
                    OperationResult::kNotStarted, 0, 0, 0, ""},
        OutcomeCase{"search_has_its_own_window", OperationKind::kFindRegister, 0,
                    OperationResult::kDone, 0, 0, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
