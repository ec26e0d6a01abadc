// Resetting a table of the register to its factory records.
#include "base/cp1251.h"
#include "table_fixture.h"
#include "tables/default_records.h"

namespace kvitmark::testing {
namespace {

using base::Cp1251;
using tables::ClearTable;
using tables::FailureAnswer;
using tables::PageId;

TEST_F(TablesTest, Clear_Goods_SendsTheFactoryRecordsAndLeavesTheGrid) {
  Connect();
  workspace.Grid(PageId::kGoods).SetCell(2, 1, "mine");
  ClearTable(session, observer, PageId::kGoods);
  const auto writes = WritesOnTheLine();
  ASSERT_EQ(writes.size(), 14000u);
  EXPECT_EQ(writes[0], Cp1251("W0;1;1;Товар1;0.00;0.000;1;1;1;1;0;0;"));
  EXPECT_EQ(writes[19], Cp1251("W0;20;20;Товар20;0.00;0.000;1;1;1;1;0;0;"));
  EXPECT_EQ(writes[20], "W0;21;0; ;0.00;0.000;1;1;1;1;0;0;");
  EXPECT_EQ(writes[13999], "W0;14000;0; ;0.00;0.000;1;1;1;1;0;0;");
  EXPECT_EQ(workspace.Grid(PageId::kGoods).Cell(2, 1), "mine");
  EXPECT_EQ(observer.dialogs,
            (std::vector<std::string>{
                "box Tabulon: Таблица \"Товары\"  в ЭККА будет перезаписана. Продолжить ?",
                "box Tabulon: Операция завершена успешно"}));
}

struct ClearCase {
  const char* name;
  PageId page;
  std::vector<std::string> writes;  // UTF-8, checked at their positions
  size_t count;
  int progressStart;
};

class ClearPlans : public TablesTest, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(ClearPlans, SendTheDefaultRecords) {
  Connect();
  ClearTable(session, observer, GetParam().page);
  const auto writes = WritesOnTheLine();
  ASSERT_EQ(writes.size(), GetParam().count);
  for (size_t i = 0; i < GetParam().writes.size(); ++i) {
    if (GetParam().writes[i] != "*") {
      EXPECT_EQ(writes[i], Cp1251(GetParam().writes[i]));
    }
  }
  ASSERT_EQ(observer.starts.size(), 1u);
  EXPECT_EQ(observer.starts[0].progressPosition, GetParam().progressStart);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ClearPlans,
    ::testing::Values(
        ClearCase{
            "Operators", PageId::kOperators, {"W3;1;1;Оператор1;0;", "W3;2;2;Оператор2;0;"}, 20, 0},
        ClearCase{"PaymentsFromRecordTwo",
                  PageId::kPaymentTypes,
                  {"W9;2;1;1;Чек;0;0;", "W9;3;1;1;Кредит;0;0;", "W9;4;1;1;Картка;0;0;",
                   "W9;5;1;1;Переказ;0;0;"},
                  4,
                  1},
        ClearCase{"Departments",
                  PageId::kDepartments,
                  {"W10;1;Відділ 1;", "*", "*", "*", "*", "*", "*", "*", "*", "W10;10;Відділ 10;"},
                  20,
                  0},
        ClearCase{
            "HeaderText",
            PageId::kHeaderText,
            {"W6;1;            Україна;", "W6;2;            м.Київ;", "W6;3;            МР-550Т;",
             "W6;4;;", "W6;5;      Дякуємо за покупку!;", "W6;6;    Чекаємо на Вас знову!;",
             "W6;7;;", "W6;8;;", "W6;9;;", "W6;10;;", "W6;11;;", "W6;12;;"},
            12,
            0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DefaultRecords, ThirdHeaderLineNamesTheModelOnlyWithTheTypeSelected) {
  EXPECT_EQ(tables::DefaultHeaderTextRecord(3, true), Cp1251("            МР-550Т;"));
  EXPECT_EQ(tables::DefaultHeaderTextRecord(3, false), ";");
  EXPECT_EQ(tables::DefaultOperatorRecord(12, true), Cp1251("12;Оператор12;0;"));
  EXPECT_EQ(tables::DefaultPaymentTypeRecord(1, true), Cp1251("1;1;Готівка;1;0;"));
}

TEST_F(TablesTest, Clear_StopPressed_EndsWithTheNoticeAndTheEndOfExchange) {
  Connect();
  observer.stopAtQuestion = 6;
  EXPECT_EQ(ClearTable(session, observer, PageId::kDepartments).result,
            tables::OperationResult::kStopped);
  EXPECT_EQ(WritesOnTheLine().size(), 5u);
  EXPECT_EQ(observer.dialogs.back(), "box Tabulon: Операция прервана");
  EXPECT_EQ(trace.Chunks()[trace.Chunks().size() - 2].bytes, "\x13\x13");
}

TEST_F(TablesTest, Clear_RecordThatFailsTenTimes_IsSkippedAfterNinePausesAndCounted) {
  Connect();
  const auto departments = simRegister.Tables()[10];
  simRegister.Tables().erase(10);
  // The table is back once record 1 has been given up.
  class RestoringObserver : public RecordingObserver {
   public:
    std::function<void()> restore;
    bool StopRequested() override {
      if (stopQuestions == 1) restore();
      return RecordingObserver::StopRequested();
    }
  } restoring;
  restoring.restore = [&] { simRegister.Tables()[10] = departments; };
  const auto start = clock.Now();
  const auto result = ClearTable(session, restoring, PageId::kDepartments);
  EXPECT_EQ(result.result, tables::OperationResult::kDone);
  EXPECT_EQ(result.failed, std::vector<int>{1});
  EXPECT_EQ(result.done.size(), 19u);
  EXPECT_GE(clock.Now() - start, base::Milliseconds(9 * 1000));
  EXPECT_EQ(base::Cp1251ToUtf8(simRegister.Tables()[10].records[1]), "Відділ 2;");
  EXPECT_EQ(restoring.dialogs.back(),
            "box Tabulon: Операция завершена, но 1 запись не удалось записать в ЭККА: она "
            "осталась прежней.");
  EXPECT_EQ(restoring.dialogs.size(), 2u) << "the question and the notice: the prompt never came";
}

TEST_F(TablesTest, Clear_NotConnectedOrRefused_SendsNothing) {
  ClearTable(session, observer, PageId::kGoods);
  EXPECT_EQ(observer.dialogs, std::vector<std::string>{"message: ЭККА не подключен"});
  Connect();
  observer.dialogs.clear();
  observer.confirmAnswers = {false};
  ClearTable(session, observer, PageId::kGoods);
  EXPECT_EQ(observer.dialogs.size(), 1u) << "only the question";
  ClearTable(session, observer, PageId::kCashParameters);
  EXPECT_EQ(observer.dialogs.size(), 1u) << "a page without a clear plan asks nothing";
  EXPECT_TRUE(trace.Chunks().empty());
}

}  // namespace
}  // namespace kvitmark::testing
