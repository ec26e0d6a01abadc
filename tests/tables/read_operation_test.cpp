// Reading a page from the register: which rows get which records, what the user sees, and
// what each answer of the error prompt does.
#include "base/cp1251.h"
#include "table_fixture.h"
#include "tables/catalogue.h"

namespace kvitmark::testing {
namespace {

using base::Cp1251;
using tables::OperationResult;
using tables::PageId;
using tables::ReadFromRegister;

std::string Utf8(const std::string& cp1251) { return base::Cp1251ToUtf8(cp1251); }

TEST_F(TablesTest, Read_Operators_FillsTwentyRowsAndCountsThem) {
  Connect();
  workspace.Grid(PageId::kOperators)
      .SetCell(0, 20, "");  // an empty number cell gets the record number
  const auto summary = ReadFromRegister(session, observer, PageId::kOperators);
  EXPECT_EQ(summary.result, OperationResult::kDone);
  EXPECT_EQ(summary.done.size(), 20u);
  const auto& grid = workspace.Grid(PageId::kOperators);
  EXPECT_EQ(Utf8(grid.Cell(2, 1)), "Оператор1");
  EXPECT_EQ(grid.Cell(1, 20), "20");
  EXPECT_EQ(grid.Cell(0, 20), "20");
  ASSERT_EQ(observer.steps.size(), 20u);
  EXPECT_EQ(observer.steps.front().record, 1);
  EXPECT_EQ(observer.steps[19].record, 20);
  EXPECT_EQ(observer.steps[19].progress, 20);
  ASSERT_EQ(observer.starts.size(), 1u);
  EXPECT_EQ(observer.starts[0].progressMaximum, 19);
  EXPECT_EQ(observer.dialogs, std::vector<std::string>{"box Tabulon: Операция завершена успешно"});
  EXPECT_EQ(observer.summaries.size(), 1u);
}

TEST_F(TablesTest, Read_GridPage_AsksForStopBeforeEveryRowAndAfterTheLast) {
  Connect();
  ReadFromRegister(session, observer, PageId::kDepartments);
  EXPECT_EQ(observer.stopQuestions, 21) << "once per row, and once to see the end";
}

TEST_F(TablesTest, Read_NotConnected_SaysSoAndKeepsTheWindow) {
  EXPECT_EQ(ReadFromRegister(session, observer, PageId::kGoods).result,
            OperationResult::kNotStarted);
  EXPECT_EQ(observer.dialogs, std::vector<std::string>{"message: ЭККА не подключен"});
  EXPECT_TRUE(observer.starts.empty());
  EXPECT_TRUE(trace.Chunks().empty());
}

TEST_F(TablesTest, Read_GoodsThroughTheInterval_MapsRowsOntoRecords) {
  Connect();
  for (int n = 501; n <= 600; ++n) {
    simRegister.Tables()[0].records[n - 1] =
        std::to_string(n) + ";G" + std::to_string(n) + ";1.00;2.000;1;1;1;1;0;0;";
  }
  workspace.interval = {true, "1", "100", "501"};
  ReadFromRegister(session, observer, PageId::kGoods);
  const auto& goods = workspace.Grid(PageId::kGoods);
  EXPECT_EQ(goods.Cell(2, 1), "G501");
  EXPECT_EQ(goods.Cell(2, 100), "G600");
  EXPECT_EQ(goods.Cell(2, 101), "") << "nothing beyond the interval";
  ASSERT_EQ(observer.steps.size(), 100u);
  EXPECT_EQ(observer.steps.front().record, 501);
  EXPECT_EQ(observer.steps.front().row, 1);
  EXPECT_EQ(observer.steps[99].record, 600);
  EXPECT_EQ(observer.starts.at(0).progressMaximum, 99);
}

struct IntervalCase {
  const char* name;
  tables::CodingInterval interval;
  bool accepted;
};

class ReadInterval : public TablesTest, public ::testing::WithParamInterface<IntervalCase> {};

TEST_P(ReadInterval, IsCheckedBeforeAnythingIsRead) {
  Connect();
  workspace.interval = GetParam().interval;
  observer.promptAnswers = {FailureAnswer::kFinish};  // past the operators' twenty records
  ReadFromRegister(session, observer, PageId::kOperators);
  if (GetParam().accepted) {
    EXPECT_NE(observer.dialogs.front(), "message: Ошибка! Неверные границы данных!");
  } else {
    EXPECT_EQ(observer.dialogs,
              std::vector<std::string>{"message: Ошибка! Неверные границы данных!"});
    EXPECT_TRUE(trace.Chunks().empty());
    EXPECT_EQ(observer.Summary().result, OperationResult::kNotStarted);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ReadInterval,
    ::testing::Values(IntervalCase{"Plain", {true, "1", "20", "1"}, true},
                      IntervalCase{"EndBeforeStartReadsNothing", {true, "10", "5", "1"}, true},
                      IntervalCase{"LongestFromRecordTwo", {true, "1", "13999", "2"}, true},
                      IntervalCase{"TooLongFromRecordTwo", {true, "1", "14000", "2"}, false},
                      IntervalCase{"FirstRecordEmpty", {true, "1", "20", ""}, false},
                      IntervalCase{"StartZero", {true, "0", "20", "1"}, false},
                      IntervalCase{"End14001", {true, "1", "14001", "1"}, false},
                      IntervalCase{"NotANumber", {true, "1", "2x", "1"}, false},
                      IntervalCase{"Fraction", {true, "1.5", "20", "1"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TablesTest, Read_EndBeforeStart_ReadsNothingAndSucceeds) {
  Connect();
  workspace.interval = {true, "10", "5", "1"};
  ReadFromRegister(session, observer, PageId::kOperators);
  EXPECT_EQ(observer.dialogs, std::vector<std::string>{"box Tabulon: Операция завершена успешно"});
  EXPECT_TRUE(trace.Chunks().empty()) << "no exchange at all";
}

TEST_F(TablesTest, Read_HeaderTextWithInterval_StillReadsTwelveRows) {
  Connect();
  workspace.interval = {true, "3", "5", "1"};
  ReadFromRegister(session, observer, PageId::kHeaderText);
  const auto& headerText = workspace.Grid(PageId::kHeaderText);
  EXPECT_EQ(Utf8(headerText.Cell(1, 1)), "            Україна");
  EXPECT_EQ(headerText.Cell(1, 12), "");
  EXPECT_EQ(observer.steps.size(), 12u);
  EXPECT_EQ(Utf8(headerText.Cell(0, 12)), "Сервис 4") << "labels stay";
}

TEST_F(TablesTest, Read_StopPressed_EndsBeforeTheNextRowAndEndsTheExchange) {
  Connect();
  observer.stopAtQuestion = 4;
  const auto summary = ReadFromRegister(session, observer, PageId::kDepartments);
  EXPECT_EQ(summary.result, OperationResult::kStopped);
  EXPECT_EQ(summary.done, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(observer.dialogs, std::vector<std::string>{"box Tabulon: Операция прервана"});
  EXPECT_EQ(Utf8(workspace.Grid(PageId::kDepartments).Cell(1, 3)), "Відділ 3");
  EXPECT_EQ(workspace.Grid(PageId::kDepartments).Cell(1, 4), "");
  // The end of exchange closes the conversation after the last read.
  const auto& last = trace.Chunks();
  EXPECT_EQ(last[last.size() - 2].bytes, "\x13\x13");
}

TEST_F(TablesTest, Read_AnswerWithTooManyFields_StopsAfterThatRow) {
  Connect();
  simRegister.Tables()[10].records[1] = "Two;Fields;";
  ReadFromRegister(session, observer, PageId::kDepartments);
  EXPECT_EQ(observer.dialogs,
            (std::vector<std::string>{
                "message: Приняты некорректные данные из ЭККА! Ошибка! Операция прерана!",
                "box Tabulon: Операция прервана"}));
  const auto& grid = workspace.Grid(PageId::kDepartments);
  EXPECT_EQ(grid.Cell(1, 2), "Two") << "what came before the extra field stays";
  EXPECT_EQ(grid.Cell(1, 3), "");
  EXPECT_EQ(observer.Summary().failed, std::vector<int>{2});
}

// The error prompt after ten failed attempts at one record.
using ReadPrompt = TablesTest;

TEST_F(ReadPrompt, Skip_LeavesTheRowReopensThePortAndGoesOn) {
  Connect();
  auto& grid = workspace.Grid(PageId::kDepartments);
  grid.SetCell(1, 7, "kept");
  simRegister.Tables().erase(10);  // every read of the table is refused ...
  // ... until the user answers the prompt for record 1.
  observer.onPrompt = [this] { simRegister.Tables()[10].records.assign(20, "Back;"); };
  observer.promptAnswers = {FailureAnswer::kSkip};
  const auto summary = ReadFromRegister(session, observer, PageId::kDepartments);
  EXPECT_EQ(observer.dialogs,
            (std::vector<std::string>{"prompt 1", "box Tabulon: Операция завершена успешно"}));
  EXPECT_EQ(grid.Cell(1, 1), "");
  EXPECT_EQ(grid.Cell(1, 7), "Back");
  EXPECT_EQ(wire.opens, 2) << "the port was reopened";
  EXPECT_EQ(summary.skipped, std::vector<int>{1});
  EXPECT_EQ(summary.done.size(), 19u);
}

TEST_F(ReadPrompt, RetryTwice_AsksThreeTimesForTheSameRecord) {
  Connect();
  simRegister.Faults().silent = true;
  observer.promptAnswers = {FailureAnswer::kRetry, FailureAnswer::kRetry, FailureAnswer::kFinish};
  ReadFromRegister(session, observer, PageId::kDepartments);
  EXPECT_EQ(observer.dialogs, (std::vector<std::string>{"prompt 1", "prompt 1", "prompt 1",
                                                        "box Tabulon: Операция прервана"}));
  EXPECT_EQ(wire.opens, 3) << "reopened after each retry";
  EXPECT_EQ(observer.Records(), std::vector<int>{1}) << "one record, then the end";
}

TEST_F(ReadPrompt, ClosedWithoutAnswer_GoesOnWithoutReopening) {
  Connect();
  simRegister.Faults().silent = true;
  observer.promptAnswers.assign(20, FailureAnswer::kClosed);
  ReadFromRegister(session, observer, PageId::kDepartments);
  EXPECT_EQ(observer.dialogs.size(), 21u);
  EXPECT_EQ(observer.dialogs[19], "prompt 20");
  EXPECT_EQ(wire.opens, 1);
  EXPECT_EQ(observer.dialogs.back(), "box Tabulon: Операция завершена успешно");
}

TEST_F(ReadPrompt, SkipAfterTheSelectorsMoved_ReopensThePortThatWasOpened) {
  Connect();
  simRegister.Faults().silent = true;
  observer.promptAnswers = {FailureAnswer::kSkip, FailureAnswer::kFinish};
  ReadFromRegister(session, observer, PageId::kDepartments);
  EXPECT_EQ(wire.settings.speed, 115200);
  EXPECT_EQ(link.OpenPortNumber(), 1);
  EXPECT_EQ(link.ModeString(), "COM1:115200,N,8,2");
}

TEST_F(TablesTest, Read_ParameterPage_FillsItsFieldsAndSaysSoWithBang) {
  Connect();
  ReadFromRegister(session, observer, PageId::kPostalParameters);
  const auto& fields = workspace.Parameters(PageId::kPostalParameters).fields;
  for (const auto& field : fields) EXPECT_FALSE(field.empty());
  EXPECT_EQ(observer.dialogs, std::vector<std::string>{"message: Операция завершена успешно!"});
}

TEST_F(TablesTest, Read_ParameterPageFinished_ChangesNothingAndSaysNothing) {
  Connect();
  simRegister.Faults().silent = true;
  workspace.Parameters(PageId::kCashParameters).fields[0] = "kept";
  observer.promptAnswers = {FailureAnswer::kFinish};
  EXPECT_EQ(ReadFromRegister(session, observer, PageId::kCashParameters).result,
            OperationResult::kStopped);
  EXPECT_EQ(observer.dialogs, std::vector<std::string>{"prompt 1"});
  EXPECT_EQ(workspace.Parameters(PageId::kCashParameters).fields[0], "kept");
}

TEST_F(TablesTest, Read_PagesWithoutATable_DoNothing) {
  Connect();
  for (PageId page : {PageId::kLogo, PageId::kReports}) {
    EXPECT_EQ(ReadFromRegister(session, observer, page).result, OperationResult::kNotStarted);
  }
  EXPECT_TRUE(observer.dialogs.empty());
  EXPECT_TRUE(trace.Chunks().empty());
}

}  // namespace
}  // namespace kvitmark::testing
