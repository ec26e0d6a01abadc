// "Записать изменения в ЭККА": only what the register is not known to hold goes out, and
// whatever might not have reached the register stays to be written.
#include "base/cp1251.h"
#include "table_fixture.h"
#include "tables/catalogue.h"

namespace kvitmark::testing {
namespace {

using base::Cp1251;
using tables::PageId;
using tables::ReadFromRegister;
using tables::WriteChangesToRegister;
using tables::WriteToRegister;

TEST_F(TablesTest, WriteChanges_OneEditedOperator_SendsThatRecordOnly) {
  Connect();
  ReadFromRegister(session, observer, PageId::kOperators);
  workspace.Grid(PageId::kOperators).SetCell(2, 7, Cp1251("Олена"));
  trace.Clear();
  observer.dialogs.clear();
  const auto summary = WriteChangesToRegister(session, observer, PageId::kOperators);
  EXPECT_EQ(WritesOnTheLine(), std::vector<std::string>{Cp1251("W3;7;7;Олена;0;")});
  EXPECT_EQ(observer.dialogs,
            (std::vector<std::string>{"box Tabulon: Таблица \"Операторы\": будет записана 1 "
                                      "изменённая запись. Продолжить ?",
                                      "box Tabulon: Операция завершена успешно"}));
  EXPECT_EQ(summary.done, std::vector<int>{7});

  // Written, it is what the register holds: nothing is left to write.
  trace.Clear();
  observer.dialogs.clear();
  WriteChangesToRegister(session, observer, PageId::kOperators);
  EXPECT_TRUE(trace.Chunks().empty());
  EXPECT_EQ(observer.dialogs, std::vector<std::string>{"message: Изменений для записи нет."});
}

// What counts as changed after each way of learning what the register holds.
struct ChangedCase {
  const char* name;
  std::function<void(TablesTest&)> before;  // runs after connecting
  PageId page;
  std::vector<int> written;  // the records the changed-records write sends
};

class ChangedRecords : public TablesTest, public ::testing::WithParamInterface<ChangedCase> {};

// The register record numbers of the write requests on the line.
std::vector<int> RecordsWritten(const std::vector<std::string>& writes) {
  std::vector<int> records;
  for (const auto& write : writes) {
    const auto first = write.find(';');
    records.push_back(std::stoi(write.substr(first + 1, write.find(';', first + 1) - first - 1)));
  }
  return records;
}

TEST_P(ChangedRecords, AreWhatTheChangesWriteSends) {
  Connect();
  GetParam().before(*this);
  trace.Clear();
  QuietObserver quiet;
  WriteChangesToRegister(session, quiet, GetParam().page);
  EXPECT_EQ(RecordsWritten(WritesOnTheLine()), GetParam().written);
}

std::vector<int> Range(int first, int last) {
  std::vector<int> records;
  for (int record = first; record <= last; ++record) records.push_back(record);
  return records;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangedRecords,
    ::testing::Values(ChangedCase{"NothingReadEverythingIsChanged", [](TablesTest&) {},
                                  PageId::kDepartments, Range(1, 20)},
                      ChangedCase{"ReadAndUntouched",
                                  [](TablesTest& t) {
                                    QuietObserver quiet;
                                    ReadFromRegister(t.session, quiet, PageId::kDepartments);
                                  },
                                  PageId::kDepartments,
                                  {}},
                      ChangedCase{"PartlyReadTheRestIsUnknown",
                                  [](TablesTest& t) {
                                    QuietObserver quiet;
                                    t.workspace.interval = {true, "1", "15", "1"};
                                    ReadFromRegister(t.session, quiet, PageId::kDepartments);
                                    t.workspace.interval.use = false;
                                  },
                                  PageId::kDepartments, Range(16, 20)},
                      ChangedCase{"EditedBackToWhatWasRead",
                                  [](TablesTest& t) {
                                    QuietObserver quiet;
                                    ReadFromRegister(t.session, quiet, PageId::kDepartments);
                                    auto& grid = t.workspace.Grid(PageId::kDepartments);
                                    const std::string held = grid.Cell(1, 4);
                                    grid.SetCell(1, 4, "other");
                                    grid.SetCell(1, 4, held);
                                  },
                                  PageId::kDepartments,
                                  {}},
                      ChangedCase{"APriceTypedShorterIsTheSameRecord",
                                  [](TablesTest& t) {
                                    t.simRegister.Tables()[0].records[1] =
                                        Cp1251("2;Хліб;12.50;1.000;1;1;1;1;0;0;");
                                    QuietObserver quiet;
                                    ReadFromRegister(t.session, quiet, PageId::kGoods);
                                    t.workspace.Grid(PageId::kGoods).SetCell(3, 2, "12.5");
                                    t.workspace.Grid(PageId::kGoods).SetCell(3, 3, "1");
                                  },
                                  PageId::kGoods, std::vector<int>{3}},
                      ChangedCase{"ClearedThenEditedPaymentTypes",
                                  [](TablesTest& t) {
                                    QuietObserver quiet;
                                    tables::ClearTable(t.session, quiet, PageId::kPaymentTypes);
                                    ReadFromRegister(t.session, quiet, PageId::kPaymentTypes);
                                    t.workspace.Grid(PageId::kPaymentTypes).SetCell(4, 5, "1");
                                  },
                                  PageId::kPaymentTypes, std::vector<int>{5}},
                      ChangedCase{"AFailedWriteLeavesItsRecordChanged",
                                  [](TablesTest& t) {
                                    QuietObserver quiet;
                                    ReadFromRegister(t.session, quiet, PageId::kDepartments);
                                    // Record 1 goes unanswered and the user finishes: it may hold
                                    // anything.
                                    t.simRegister.Faults().silent = true;
                                    WriteToRegister(t.session, quiet, PageId::kDepartments);
                                    t.simRegister.Faults().silent = false;
                                  },
                                  PageId::kDepartments, std::vector<int>{1}},
                      ChangedCase{"AnotherConnectionKnowsNothing",
                                  [](TablesTest& t) {
                                    QuietObserver quiet;
                                    ReadFromRegister(t.session, quiet, PageId::kOperators);
                                    t.session.registerCopy.Clear();
                                  },
                                  PageId::kOperators, Range(1, 20)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TablesTest, WriteChanges_SkippedAtThePrompt_StaysToBeWritten) {
  Connect();
  ReadFromRegister(session, observer, PageId::kDepartments);
  auto& grid = workspace.Grid(PageId::kDepartments);
  grid.SetCell(1, 3, "Three");
  grid.SetCell(1, 9, "Nine");
  const auto departments = simRegister.Tables()[10];
  simRegister.Tables().erase(10);  // record 3 is refused until the prompt is answered
  observer.onPrompt = [&] { simRegister.Tables()[10] = departments; };
  observer.promptAnswers = {FailureAnswer::kSkip};
  const auto summary = WriteChangesToRegister(session, observer, PageId::kDepartments);
  EXPECT_EQ(summary.skipped, std::vector<int>{3});
  EXPECT_EQ(summary.done, std::vector<int>{9});

  trace.Clear();
  WriteChangesToRegister(session, observer, PageId::kDepartments);
  EXPECT_EQ(WritesOnTheLine(), std::vector<std::string>{"W10;3;Three;"});
}

TEST_F(TablesTest, WriteChanges_Stopped_TheRecordsNotReachedStayToBeWritten) {
  Connect();
  ReadFromRegister(session, observer, PageId::kDepartments);
  for (int row : {2, 5, 8}) workspace.Grid(PageId::kDepartments).SetCell(1, row, "x");
  observer.stopQuestions = 0;
  observer.stopAtQuestion = 2;
  observer.dialogs.clear();
  const auto stopped = WriteChangesToRegister(session, observer, PageId::kDepartments);
  ASSERT_FALSE(observer.dialogs.empty());
  EXPECT_EQ(observer.dialogs.front(),
            "box Tabulon: Таблица \"Отделы\": будут записаны 3 изменённые записи. Продолжить ?");
  EXPECT_EQ(stopped.result, tables::OperationResult::kStopped);
  EXPECT_EQ(stopped.done, std::vector<int>{2});
  EXPECT_EQ(observer.starts.back().progressMaximum, 2) << "the bar counts the changed records";

  trace.Clear();
  observer.stopAtQuestion = 0;
  WriteChangesToRegister(session, observer, PageId::kDepartments);
  EXPECT_EQ(RecordsWritten(WritesOnTheLine()), (std::vector<int>{5, 8}));
}

TEST_F(TablesTest, WriteChanges_ParameterPage_WritesItsRecordOnlyWhenItChanged) {
  Connect();
  ReadFromRegister(session, observer, PageId::kReceiptParameters);
  trace.Clear();
  observer.dialogs.clear();
  WriteChangesToRegister(session, observer, PageId::kReceiptParameters);
  EXPECT_TRUE(trace.Chunks().empty());
  EXPECT_EQ(observer.dialogs, std::vector<std::string>{"message: Изменений для записи нет."});

  workspace.Parameters(PageId::kReceiptParameters).fields[0] = "3";
  observer.dialogs.clear();
  WriteChangesToRegister(session, observer, PageId::kReceiptParameters);
  ASSERT_EQ(WritesOnTheLine().size(), 1u);
  EXPECT_TRUE(WritesOnTheLine()[0].starts_with("W5;1;3;200;"));
  EXPECT_EQ(observer.dialogs, std::vector<std::string>{"message: Операция завершена успешно!"});
}

TEST_F(TablesTest, WriteChanges_IgnoresTheIntervalAndRefusingSendsNothing) {
  Connect();
  ReadFromRegister(session, observer, PageId::kDepartments);
  workspace.Grid(PageId::kDepartments).SetCell(1, 12, "x");
  workspace.interval = {true, "1", "2", "1"};
  trace.Clear();
  observer.confirmAnswers = {false};
  WriteChangesToRegister(session, observer, PageId::kDepartments);
  EXPECT_TRUE(trace.Chunks().empty());
  WriteChangesToRegister(session, observer, PageId::kDepartments);
  EXPECT_EQ(WritesOnTheLine(), std::vector<std::string>{"W10;12;x;"});
}

}  // namespace
}  // namespace kvitmark::testing
